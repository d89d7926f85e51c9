#ifndef QUARVEL_NOMBRE_H
#define QUARVEL_NOMBRE_H

#include <QString>
#include <cmath>

// A typed real, read as QString::toDouble reads it (blanks around ignored, a
// full stop whatever the machine's settings), so the same text gives the same
// value everywhere. False for text that is not a finite number.
inline bool lireReel(const QString &texte, double &valeur)
{
    bool ok = false;
    valeur = texte.toDouble(&ok);
    return ok && std::isfinite(valeur);
}

// The same, a decimal comma accepted as well as a full stop ("0,5" is 0.5),
// as a French user types it in the window. One comma at most, and not beside
// a full stop, so "1,000.5" stays refused rather than misread.
inline bool lireReelVirgule(const QString &texte, double &valeur)
{
    QString t = texte;
    if (t.count(',') == 1 && !t.contains('.'))
        t.replace(',', '.');
    return lireReel(t, valeur);
}

#endif
