#include "images/chargement.h"

#include <QFileInfo>
#include <QImageReader>

#include "images/integrite.h"

QImage chargerImage(const QString &chemin, QString *erreur)
{
    QImage image = QImageReader(chemin).read();
    QString raison;
    if (image.isNull()) {
        raison = QFileInfo(chemin).isFile()
                     ? QString("Image illisible (format inconnu ou fichier abîmé) : \"%1\"").arg(chemin)
                     : QString("Image introuvable : \"%1\"").arg(chemin);
    } else if (const TailleBmp taille = tailleBmp(chemin); taille.reelle < taille.annoncee) {
        raison = QString("Image tronquée : \"%1\" ne compte que %2 octets sur les %3 que son en-tête annonce")
                     .arg(chemin)
                     .arg(taille.reelle)
                     .arg(taille.annoncee);
        image = QImage();
    }
    if (erreur && !raison.isEmpty())
        *erreur = raison;
    return image;
}
