#ifndef QUARVEL_INVENTAIRE_H
#define QUARVEL_INVENTAIRE_H

#include <QHash>
#include <QImage>
#include <QVector>

// Merges the grey levels found in the image into niveaux; the result is
// distinct and sorted from the lightest to the darkest. A null image adds
// nothing but the list is still put in order.
void ajouterNiveauxGris(const QImage &image, QVector<int> &niveaux);

// Adds, for every grey level of the image not yet in couleurs, the opaque
// colour of its first pixel (rows top to bottom): how the level looks in the
// pictures, whatever colours they use.
void ajouterCouleursNiveaux(const QImage &image, QHash<int, QRgb> &couleurs);

// Grey level of every pixel, width x height, row y at offset y * width.
// Equal to niveauGrisPixel(image.pixel(x, y)) whatever the image format.
QVector<quint8> planGris(const QImage &image);

#endif
