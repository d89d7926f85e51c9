// The window's side of a label volume: choosing the file or the folder,
// its fields, its values in the table, its middle slice in the XY group,
// and the grid built by the session's pipeline.
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <iterator>

#include "model/ligne.h"
#include "session/constructionvolume.h"
#include "volume/volume.h"
#include "window/champnombre.h"
#include "window/groupeplan.h"
#include "window/configuration.h"
#include "window/interface.h"

namespace {

// Labels from a segmentation are small numbers side by side: greys would
// hardly tell them apart. 0, the usual outside, is black; the others take
// these hues in increasing order, darker on each new round.
QHash<int, QRgb> couleursEtiquettes(const QVector<int> &valeurs)
{
    static const QRgb teintes[] = {qRgb(31, 119, 180), qRgb(255, 127, 14), qRgb(44, 160, 44),  qRgb(214, 39, 40),
                                   qRgb(148, 103, 189), qRgb(140, 86, 75),  qRgb(227, 119, 194), qRgb(188, 189, 34),
                                   qRgb(23, 190, 207),  qRgb(255, 255, 255)};
    constexpr int nombreTeintes = int(std::size(teintes));
    QHash<int, QRgb> couleurs;
    int rang = 0;
    for (auto v = valeurs.crbegin(); v != valeurs.crend(); ++v) {
        if (*v == 0) {
            couleurs.insert(0, qRgb(0, 0, 0));
            continue;
        }
        const QColor teinte = QColor(teintes[rang % nombreTeintes]).darker(100 + 40 * (rang / nombreTeintes % 4));
        couleurs.insert(*v, teinte.rgb());
        ++rang;
    }
    return couleurs;
}

// What was read, for the status line: « Volume : tete.nrrd, 256 × 256 × 120, 5 valeurs ».
QString description(const Volume &volume, const QString &chemin, bool fichier)
{
    const int n = int(volume.valeurs.size());
    QString texte = QCoreApplication::translate("window", "%1 : %2, %3 × %4 × %5, %n valeurs", nullptr, n)
                        .arg(fichier ? QCoreApplication::translate("window", "Volume")
                                     : QCoreApplication::translate("window", "Coupes"),
                             extrait(QFileInfo(chemin).fileName()))
                        .arg(volume.comptes[0])
                        .arg(volume.comptes[1])
                        .arg(volume.comptes[2]);
    if (!volume.geometrieConnue)
        texte += QCoreApplication::translate("window", " ; taille et origine : celles des champs");
    return texte;
}

struct CurseurOccupe
{
    CurseurOccupe() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurOccupe() { QApplication::restoreOverrideCursor(); }
};

} // namespace

void Interface::selectVolume()
{
    const QString chemin = choisirFichier(this, tr("Choisir un volume"), ".",
                                          tr("Volumes (*.nrrd *.nhdr *.nii *.nii.gz *.mha *.mhd);;Tous les fichiers (*)"));
    if (!chemin.isEmpty())
        chargementVolume(chemin, true);
}

void Interface::selectCoupes()
{
    const QString chemin = choisirDossier(this, tr("Choisir un dossier de coupes"), ".");
    if (!chemin.isEmpty())
        chargementVolume(chemin, false);
}

// Read whole before anything changes: a refused volume leaves the window as it was.
void Interface::chargementVolume(const QString &chemin, bool fichier)
{
    auto lu = std::make_shared<Volume>();
    QString erreur;
    bool charge = false;
    {
        CurseurOccupe curseur;
        charge = chargerVolume(chemin, *lu, &erreur);
    }
    if (!charge) {
        etat->setText(erreur);
        return;
    }
    QHash<int, QRgb> couleurs = fichier ? couleursEtiquettes(lu->valeurs) : QHash<int, QRgb>();
    for (int v : lu->valeurs) // a folder's values are the pictures' grey levels
        couleurs.insert(v, couleurs.value(v, qRgb(v, v, v)));
    session.choisirVolume(lu, chemin, fichier, couleurs);

    // Its geometry: the file's sizes and origin (a folder has none: it takes
    // those of the source in use), and its own counts.
    GeometrieSource nombres = session.geometrie();
    for (int a = 0; a < 3; ++a) {
        if (lu->geometrieConnue) {
            nombres.geometrie.taille[a] = lu->taille[a];
            nombres.geometrie.origine[a] = lu->origine[a];
            nombres.refuses[a] = nombres.refuses[3 + a] = std::nullopt;
        }
        nombres.comptes[a] = lu->comptes[a];
        nombres.refuses[6 + a] = std::nullopt;
    }
    session.changerGeometrie(SourceFantome::Volume, nombres);

    QString note;
    if (session.source() == SourceFantome::Volume) {
        montrerVolume();
        note = constructionTable();
    } else {
        configuration->choixVolume()->setChecked(true); // makes it the source
    }
    QString message = description(*lu, chemin, fichier);
    if (!note.isEmpty())
        message += " ; " + note;
    etat->setText(message);
}

// The tick: the volume read last in place of the planes, or the planes back.
void Interface::volumeCoche(bool coche)
{
    basculeSource(SourceFantome::Volume, coche, configuration->choixScanner(),
                  coche ? description(*session.volume().volume, session.volume().chemin, session.volume().fichier) : QString());
}

void Interface::montrerVolume()
{
    const VolumeSession &lu = session.volume();
    session.montrerNiveaux(lu.volume->valeurs);
    planXY->preter(coupeMilieu(*lu.volume, lu.couleurs), tr("Coupe du milieu, z = %1 : %2 × %3 voxels")
                                                             .arg(lu.volume->comptes[2] / 2)
                                                             .arg(lu.volume->comptes[0])
                                                             .arg(lu.volume->comptes[1]));
}

// The session's grid for the volume and the records; the counts are the
// volume's, whatever the fields show.
bool Interface::remplissageVolume(Grille &grille)
{
    if (!verificationAvantGrille())
        return false;
    if (const QString erreur = remplirVolume(session, grille, session.materiaux()); !erreur.isEmpty()) {
        etat->setText(erreur);
        return false;
    }
    return true;
}
