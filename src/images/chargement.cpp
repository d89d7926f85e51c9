#include "images/chargement.h"

#include <QImageReader>

QImage chargerImage(const QString &chemin, QString *erreur)
{
    QImageReader lecteur(chemin);
    QImage image = lecteur.read();
    if (image.isNull() && erreur)
        *erreur = QString("Impossible de lire l'image \"%1\" : %2").arg(chemin, lecteur.errorString());
    return image;
}
