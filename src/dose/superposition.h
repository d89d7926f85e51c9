#ifndef QUARVEL_SUPERPOSITION_H
#define QUARVEL_SUPERPOSITION_H

#include <QString>

struct Dose;
struct Fantome;

// Why this dose cannot lie over this phantom, or an empty text: the counts
// must be the same and each boundary equal within 1e-4 cm or 1e-5 of its
// value, whichever is larger (DOSXYZnrc writes its boundaries in single
// precision, egs++ with six digits). Names the first axis and index that differ.
QString refusSuperposition(const Dose &dose, const Fantome &fantome);

// A phantom with the dose's grid and nothing in it, to show a dose alone:
// one medium, "VIDE", of density 0.
Fantome grilleVide(const Dose &dose);

#endif
