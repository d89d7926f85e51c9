#ifndef QUARVEL_DEGRADE_H
#define QUARVEL_DEGRADE_H

#include <QRgb>

class QLabel;

// A colour scale, from couleur(0) on the left to couleur(1) on the right,
// hauteur pixels high, stretched to the width of the labels under it.
QLabel *degrade(QRgb (*couleur)(double), int hauteur);

#endif
