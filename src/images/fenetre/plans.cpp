// The three plane choices: picture, sizes, grey-level inventory, table rows.
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include "images/apercu.h"
#include "images/chargement.h"
#include "images/inventaire.h"
#include "window/interface.h"

void Interface::selectXY()
{
    selectPlan(fichierXY, infoXY, champDimX, champDimY, choixXY);
}

void Interface::selectYZ()
{
    selectPlan(fichierYZ, infoYZ, champDimY, champDimZ, choixYZ);
}

void Interface::selectXZ()
{
    selectPlan(fichierXZ, infoXZ, champDimX, champDimZ, choixXZ);
}

void Interface::selectPlan(QLineEdit *fichier, QLabel *info, QLineEdit *champLargeur,
                           QLineEdit *champHauteur, QCheckBox *choix)
{
    const QString chemin = choisir(tr("Images (*.bmp)"));
    if (chemin.isEmpty())
        return;
    // Checked before anything changes, so an unreadable file leaves the
    // session exactly as a cancelled choice would, the table's choices included.
    QString erreur;
    const QImage image = chargerImage(chemin, &erreur);
    if (image.isNull()) {
        etat->setText(erreur);
        return;
    }
    fichier->setText(chemin);
    chargementPlan(info, image, champLargeur, champHauteur);
    choix->setChecked(true);
}

void Interface::chargementPlan(QLabel *info, QString chemin, QLineEdit *champLargeur, QLineEdit *champHauteur)
{
    QString erreur;
    const QImage image = chargerImage(chemin, &erreur);
    if (image.isNull()) {
        etat->setText(erreur);
        return;
    }
    chargementPlan(info, image, champLargeur, champHauteur);
}

void Interface::chargementPlan(QLabel *info, const QImage &image, QLineEdit *champLargeur,
                               QLineEdit *champHauteur)
{
    info->setPixmap(apercuPlan(image));
    QLabel *legende = info == infoXY ? tailleImageXY : info == infoYZ ? tailleImageYZ : tailleImageXZ;
    legende->setText(QString("%1 × %2 pixels").arg(image.width()).arg(image.height()));
    analyseNiveauxGris(image);
    champLargeur->setText(QString::number(image.width(), 10));
    champHauteur->setText(QString::number(image.height(), 10));
    constructionTable();
}

void Interface::analyseNiveauxGris(QString chemin)
{
    analyseNiveauxGris(chargerImage(chemin));
}

void Interface::analyseNiveauxGris(const QImage &image)
{
    ajouterNiveauxGris(image, niveauxGris);
    ajouterCouleursNiveaux(image, couleursNiveaux);
}

bool Interface::dimensionsImage(QString chemin, QVector<int> &taille)
{
    const QImage image = chargerImage(chemin);
    if (image.isNull())
        return false;
    taille = {image.width(), image.height()};
    return true;
}
