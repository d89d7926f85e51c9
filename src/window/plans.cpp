// The three plane choices: picture, sizes, grey-level inventory, table rows.
#include <QCheckBox>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <algorithm>

#include "images/chargement.h"
#include "images/inventaire.h"
#include "model/ligne.h"
#include "window/imageplan.h"
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

void Interface::selectPlan(QLineEdit *fichier, ImagePlan *info, QLineEdit *champLargeur,
                           QLineEdit *champHauteur, QCheckBox *choix)
{
    const QString chemin = choisir(tr("Images (*.bmp)") + ";;" + filtreImagesLisibles());
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
    // A plane's picture chosen: the planes are the source again, as if the
    // volume's or the CT's box had been unticked first.
    choixVolume->setChecked(false);
    choixScanner->setChecked(false);
    fichier->setText(chemin);
    const QVector<int> avant = niveauxGris;
    const QString noteFond = chargementPlan(info, image, champLargeur, champHauteur);
    choix->setChecked(true);
    // What the picture brought, and what left the table with the picture it replaced.
    const int nombre = int(niveauxDuPlan(info).size());
    QString message = QString("%1 : %2, %3 × %4, %5 niveau%6")
                          .arg(info == infoXY ? "XY" : info == infoYZ ? "YZ" : "XZ",
                               extrait(QFileInfo(chemin).fileName()))
                          .arg(image.width())
                          .arg(image.height())
                          .arg(nombre)
                          .arg(nombre > 1 ? "x" : "");
    const auto retirees = std::count_if(avant.begin(), avant.end(), [this](int g) { return !niveauxGris.contains(g); });
    if (retirees > 0)
        message += QString(" ; %1 niveau%2 de l'image remplacée retiré%3 du tableau (leurs choix reviendront avec eux)")
                       .arg(retirees)
                       .arg(retirees > 1 ? "x" : "")
                       .arg(retirees > 1 ? "s" : "");
    if (!noteFond.isEmpty())
        message += " ; " + noteFond;
    etat->setText(message);
}

QString Interface::chargementPlan(ImagePlan *info, const QImage &image, QLineEdit *champLargeur,
                                  QLineEdit *champHauteur)
{
    info->montrer(image);
    QLabel *legende = info == infoXY ? tailleImageXY : info == infoYZ ? tailleImageYZ : tailleImageXZ;
    legende->setText(QString("%1 × %2 pixels").arg(image.width()).arg(image.height()));
    analyseNiveauxGris(image, niveauxDuPlan(info));
    champLargeur->setText(QString::number(image.width(), 10));
    champHauteur->setText(QString::number(image.height(), 10));
    return constructionTable();
}

// The picture's levels replace those of the picture it follows in its
// group; the inventory is what the three pictures hold.
void Interface::analyseNiveauxGris(const QImage &image, QVector<int> &niveauxPlan)
{
    niveauxPlan.clear();
    ajouterNiveauxGris(image, niveauxPlan);
    niveauxGris = niveauxXY;
    ajouterNiveauxGris(QImage(), niveauxGris << niveauxYZ << niveauxXZ);
    // A level that comes back takes its colour from the picture that brings it.
    for (auto it = couleursNiveaux.begin(); it != couleursNiveaux.end();)
        it = niveauxGris.contains(it.key()) ? std::next(it) : couleursNiveaux.erase(it);
    ajouterCouleursNiveaux(image, couleursNiveaux);
}

QVector<int> &Interface::niveauxDuPlan(const QLabel *info)
{
    return info == infoXY ? niveauxXY : info == infoYZ ? niveauxYZ : niveauxXZ;
}

// The levels of the ticked planes' pictures, as they were chosen; another
// source's levels are all in use.
QVector<int> Interface::niveauxCoches() const
{
    if (session.source() != SourceFantome::Plans)
        return niveauxGris;
    QVector<int> niveaux;
    if (choixXY->isChecked())
        niveaux << niveauxXY;
    if (choixYZ->isChecked())
        niveaux << niveauxYZ;
    if (choixXZ->isChecked())
        niveaux << niveauxXZ;
    ajouterNiveauxGris(QImage(), niveaux);
    return niveaux;
}

bool Interface::dimensionsImage(QString chemin, QVector<int> &taille)
{
    const QImage image = chargerImage(chemin);
    if (image.isNull())
        return false;
    taille = {image.width(), image.height()};
    return true;
}
