#ifndef QUARVEL_COULEURSDOSE_H
#define QUARVEL_COULEURSDOSE_H

#include <QRgb>

// Colour of a dose at t of the reference (0 none, 1 the reference and
// above), blue through green and yellow to red, as dose washes are read.
QRgb couleurDose(double t);

// c seen through the wash colour w at opacity a (0 to 1).
QRgb melanger(QRgb c, QRgb w, double a);

#endif
