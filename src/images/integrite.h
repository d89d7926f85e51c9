#ifndef QUARVEL_INTEGRITE_H
#define QUARVEL_INTEGRITE_H

#include <QImage>
#include <QString>

// chargerImage, but a BMP file shorter than the pixel rows its header
// announces is refused too: Qt's reader stops at the end of such a file
// without reporting anything and hands back a partly blank picture. On
// failure the image is null and erreur (when given) says why in French.
QImage chargerImageComplete(const QString &chemin, QString *erreur = nullptr);

#endif
