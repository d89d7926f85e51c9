#ifndef QUARVEL_TRADUCTION_H
#define QUARVEL_TRADUCTION_H

// Installs Qt's own French translation (qtbase_fr.qm, from Debian's
// qt6-translations-l10n) in the running application, so that the standard
// dialogs and buttons speak French as the window does; the window's own
// texts are written in French. False, Qt's texts staying in English, when
// the translation is not installed.
bool installerTraductionQt();

#endif
