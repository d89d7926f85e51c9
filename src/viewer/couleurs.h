#ifndef QUARVEL_COULEURS_H
#define QUARVEL_COULEURS_H

#include <QRgb>

// Colour of medium m (0-based): a fixed palette of distinct colours, the same
// in every view, the legend and the exported pictures.
QRgb couleurMilieu(int m);

// Colour of a density at place t in the shown range (0 the lowest, 1 the
// highest), dark to bright.
QRgb couleurDensite(double t);

#endif
