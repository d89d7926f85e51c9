#ifndef QUARVEL_AVANCEMENT_H
#define QUARVEL_AVANCEMENT_H

#include <iosfwd>

#include "phantom/egsphant.h"

// The batch command's progress for a terminal: one line on flux, rewritten
// in place at most ten times a second and at the end, saying how much of
// total bytes of text has been written.
Progression avancementTerminal(std::ostream &flux, qint64 total);

// Clears that line, so that what follows starts on a clean line.
void effacerAvancement(std::ostream &flux);

#endif
