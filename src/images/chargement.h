#ifndef QUARVEL_CHARGEMENT_H
#define QUARVEL_CHARGEMENT_H

#include <QImage>
#include <QString>

// Loads a picture, its format detected from the file; a BMP cut short is
// refused. On failure the image is null and erreur (when given) says so in
// French, naming the file.
QImage chargerImage(const QString &chemin, QString *erreur = nullptr);

#endif
