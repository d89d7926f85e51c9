#ifndef QUARVEL_COULEURS_H
#define QUARVEL_COULEURS_H

#include <QRgb>

class QString;

// Colour of a medium, from its name alone (blanks around it ignored): water
// keeps its colour from one phantom to the next, on every machine, in the
// views, the legend and the exported pictures.
QRgb couleurMilieu(const QString &nom);

// Colour of a density at place t in the shown range (0 the lowest, 1 the
// highest), dark to bright.
QRgb couleurDensite(double t);

#endif
