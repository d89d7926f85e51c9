#ifndef QUARVEL_INVENTAIRE_H
#define QUARVEL_INVENTAIRE_H

#include <QImage>
#include <QVector>

// Merges the grey levels found in the image into niveaux; the result is
// distinct and sorted from the lightest to the darkest. A null image adds
// nothing but the list is still put in order.
void ajouterNiveauxGris(const QImage &image, QVector<int> &niveaux);

// Grey level of every pixel, width x height, row y at offset y * width.
// Equal to niveauGrisPixel(image.pixel(x, y)) whatever the image format.
QVector<quint8> planGris(const QImage &image);

#endif
