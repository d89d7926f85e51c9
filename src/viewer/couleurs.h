#ifndef QUARVEL_COULEURS_H
#define QUARVEL_COULEURS_H

#include <QRgb>
#include <QString>

#include <QStringList>
#include <vector>

// Colour of a medium, from its name alone (blanks around it ignored): water
// keeps its colour from one phantom to the next, on every machine, in the
// views, the legend and the exported pictures. A CT's usual media (names
// beginning AIR, LUNG, ICRUTISSUE or TISSUE, ICRPBONE or BONE) have hues of
// their own, far apart, so bone never looks like the tissue around it.
QRgb couleurMilieu(const QString &nom);

// The colours of a phantom's media, in its order: each its couleurMilieu,
// unless that lies too near a colour given before it, when it takes the
// colour of a fixed palette farthest from those. Two media of one phantom
// thus never look alike, whatever their names.
std::vector<QRgb> couleursMilieux(const QStringList &noms);

// Colour of a density at place t in the shown range (0 the lowest, 1 the
// highest), dark to bright.
QRgb couleurDensite(double t);

#endif
