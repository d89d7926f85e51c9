#ifndef QUARVEL_AVANCEMENT_H
#define QUARVEL_AVANCEMENT_H

#include <functional>
#include <iosfwd>

#include "egsphant/egsphant.h"

// The batch command's progress for a terminal: one line on flux, rewritten
// in place at most ten times a second, saying how much of the text has been
// written. The text's size comes from total, run beside the write so that
// the write does not wait for it: until it is known, the line gives only the
// bytes written.
Progression avancementTerminal(std::ostream &flux, const std::function<qint64()> &total);

// Clears that line, so that what follows starts on a clean line.
void effacerAvancement(std::ostream &flux);

#endif
