#ifndef QUARVEL_CHARGEMENT_H
#define QUARVEL_CHARGEMENT_H

#include <QImage>
#include <QString>

// Loads a picture, its format detected from the file. A picture is accepted
// only if every pixel was decoded: it is decoded twice, into images filled
// beforehand with different bytes, and the two must agree (about twice the
// time of one decoding). On failure the image is null and erreur (when
// given) says so in French, naming the file.
QImage chargerImage(const QString &chemin, QString *erreur = nullptr);

// A file dialog's filter of every picture format that chargerImage reads
// on this machine: "Toutes les images lisibles (*.bmp *.png ...)".
QString filtreImagesLisibles();

#endif
