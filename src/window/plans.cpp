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
#include "window/groupeplan.h"
#include "window/configuration.h"
#include "window/interface.h"

void Interface::selectXY()
{
    selectPlan(planXY, 0, 1);
}

void Interface::selectYZ()
{
    selectPlan(planYZ, 1, 2);
}

void Interface::selectXZ()
{
    selectPlan(planXZ, 0, 2);
}

void Interface::selectPlan(GroupePlan *groupe, int axeLargeur, int axeHauteur)
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
    configuration->choixVolume()->setChecked(false);
    configuration->choixScanner()->setChecked(false);
    session.choisirPlan(planDe(groupe), chemin, image); // the group shows it
    const QVector<int> avant = session.niveaux();
    const QString noteFond = chargementPlan(groupe, image, axeLargeur, axeHauteur);
    session.cocherPlan(planDe(groupe), true);
    // What the picture brought, and what left the table with the picture it replaced.
    const int nombre = int(session.niveauxDesPlans().duPlan(planDe(groupe)).size());
    QString message = tr("%1 : %2, %3 × %4, %n niveaux", nullptr, nombre)
                          .arg(groupe == planXY ? "XY" : groupe == planYZ ? "YZ" : "XZ",
                               extrait(QFileInfo(chemin).fileName()))
                          .arg(image.width())
                          .arg(image.height());
    const auto retirees = std::count_if(avant.begin(), avant.end(), [this](int g) { return !session.niveaux().contains(g); });
    if (retirees > 0)
        message += tr(" ; %n niveaux de l'image remplacée retirés du tableau (leurs choix reviendront avec eux)",
                      nullptr, int(retirees));
    if (!noteFond.isEmpty())
        message += " ; " + noteFond;
    etat->setText(message);
}

// The picture's levels and its size as counts; the table and the fields
// follow the session. What the table's rebuild has to tell.
QString Interface::chargementPlan(GroupePlan *groupe, const QImage &image, int axeLargeur, int axeHauteur)
{
    analyseNiveauxGris(planDe(groupe));
    GeometrieSource nombres = session.geometrie();
    for (const auto &[axe, compte] : {std::pair{axeLargeur, image.width()}, {axeHauteur, image.height()}}) {
        nombres.comptes[axe] = compte;
        nombres.refuses[6 + axe] = std::nullopt;
    }
    session.changerGeometrie(nombres);
    return constructionTable();
}

// The picture's levels replace those of the picture it follows in its
// group; the inventory is what the three pictures hold, the table's rows.
void Interface::analyseNiveauxGris(PlanImage plan)
{
    session.inventorierPlan(plan);
    session.montrerNiveaux(session.niveauxDesPlans().tous());
}

PlanImage Interface::planDe(const GroupePlan *groupe) const
{
    return groupe == planXY ? PlanImage::XY : groupe == planYZ ? PlanImage::YZ : PlanImage::XZ;
}

// The levels of the ticked planes' pictures, as they were chosen; another
// source's levels are all in use.
QVector<int> Interface::niveauxCoches() const
{
    if (session.source() != SourceFantome::Plans)
        return session.niveaux();
    return session.niveauxDesPlans().coches(session.plan(PlanImage::XY).coche, session.plan(PlanImage::YZ).coche,
                                            session.plan(PlanImage::XZ).coche);
}
