#include "images/chargement.h"

#include <QFileInfo>
#include <QImageReader>

QImage chargerImage(const QString &chemin, QString *erreur)
{
    QImage image = QImageReader(chemin).read();
    if (image.isNull() && erreur) {
        *erreur = QFileInfo(chemin).isFile()
                      ? QString("Image illisible (format inconnu ou fichier abîmé) : \"%1\"").arg(chemin)
                      : QString("Image introuvable : \"%1\"").arg(chemin);
    }
    return image;
}
