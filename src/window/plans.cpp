// The three plane choices: picture, sizes, grey-level inventory, table rows.
#include <QCheckBox>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <algorithm>

#include "images/chargement.h"
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
    const int nombre = int(niveauxPlans.duPlan(planDe(info)).size());
    QString message = tr("%1 : %2, %3 × %4, %n niveaux", nullptr, nombre)
                          .arg(info == infoXY ? "XY" : info == infoYZ ? "YZ" : "XZ",
                               extrait(QFileInfo(chemin).fileName()))
                          .arg(image.width())
                          .arg(image.height());
    const auto retirees = std::count_if(avant.begin(), avant.end(), [this](int g) { return !niveauxGris.contains(g); });
    if (retirees > 0)
        message += tr(" ; %n niveaux de l'image remplacée retirés du tableau (leurs choix reviendront avec eux)",
                      nullptr, int(retirees));
    if (!noteFond.isEmpty())
        message += " ; " + noteFond;
    etat->setText(message);
}

QString Interface::chargementPlan(ImagePlan *info, const QImage &image, QLineEdit *champLargeur,
                                  QLineEdit *champHauteur)
{
    info->montrer(image);
    QLabel *legende = info == infoXY ? tailleImageXY : info == infoYZ ? tailleImageYZ : tailleImageXZ;
    legende->setText(tr("%1 × %2 pixels").arg(image.width()).arg(image.height()));
    analyseNiveauxGris(image, planDe(info));
    champLargeur->setText(QString::number(image.width(), 10));
    champHauteur->setText(QString::number(image.height(), 10));
    return constructionTable();
}

// The picture's levels replace those of the picture it follows in its
// group; the inventory is what the three pictures hold.
void Interface::analyseNiveauxGris(const QImage &image, PlanImage plan)
{
    niveauxPlans.remplacer(plan, image);
    niveauxGris = niveauxPlans.tous();
}

PlanImage Interface::planDe(const QLabel *info) const
{
    return info == infoXY ? PlanImage::XY : info == infoYZ ? PlanImage::YZ : PlanImage::XZ;
}

// The levels of the ticked planes' pictures, as they were chosen; another
// source's levels are all in use.
QVector<int> Interface::niveauxCoches() const
{
    if (session.source() != SourceFantome::Plans)
        return niveauxGris;
    return niveauxPlans.coches(choixXY->isChecked(), choixYZ->isChecked(), choixXZ->isChecked());
}

bool Interface::dimensionsImage(QString chemin, QVector<int> &taille)
{
    const QImage image = chargerImage(chemin);
    if (image.isNull())
        return false;
    taille = {image.width(), image.height()};
    return true;
}
