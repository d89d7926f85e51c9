// The window's side of the build: hands the ticks and the numbers typed to
// the session, runs its pipeline step by step, and reports in the status line.
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <iostream>

#include "model/ligne.h"
#include "companions/fantomeecrit.h"
#include "phantom/compterendu.h"
#include "phantom/construction.h"
#include "egsphant/egsphant.h"
#include "egsphant/reel.h"
#include "phantom/verifications.h"
#include "session/construction.h"
#include "session/constructionplans.h"
#include "session/saisie.h"
#include "window/champnombre.h"
#include "window/groupeplan.h"
#include "window/configuration.h"
#include "window/interface.h"
#include "window/suivi.h"

namespace {

// Busy cursor for as long as a build runs.
struct CurseurOccupe
{
    CurseurOccupe() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurOccupe() { QApplication::restoreOverrideCursor(); }
};

// For as long as a build runs, the window's groups take no input, so that
// nothing changes the build under way or starts a second one.
class ConstructionEnCours
{
public:
    ConstructionEnCours(Interface &fenetre, Session &session) : session(session)
    {
        session.marquerConstruction(true);
        for (QGroupBox *groupe : fenetre.findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly))
            if (groupe->isEnabled()) {
                groupe->setEnabled(false);
                groupes << groupe;
            }
    }
    ~ConstructionEnCours()
    {
        for (QGroupBox *groupe : groupes)
            groupe->setEnabled(true);
        session.marquerConstruction(false);
    }

private:
    Session &session;
    QList<QGroupBox *> groupes;
};

// From this many bytes of text on, a write shows its progress and can be stopped.
constexpr qint64 texteSuivi = 200'000'000;

} // namespace

bool Interface::constructionEgsphant(QString nomFich)
{
    if (session.constructionEnCours())
        return false;
    ConstructionEnCours enCours(*this, session);
    CurseurOccupe curseur;
    nomSortie = nomFich;
    if (session.source() == SourceFantome::Scanner)
        return constructionScanner(nomFich);
    Grille grille;
    if (const QString refus = verifierMateriaux(session.materiaux()); !refus.isEmpty()) {
        etat->setText(refus);
        return false;
    }
    Geometrie geometrie;
    if (!lectureGeometrie(geometrie))
        return false;
    bool construite = false;
    switch (session.source()) {
    case SourceFantome::Plans: construite = remplissagePlansCoches(grille); break;
    case SourceFantome::Volume: construite = remplissageVolume(grille); break;
    case SourceFantome::Scanner: break; // its own build, above
    }
    return construite && ecritureEgsphant(grille, geometrie, nomFich);
}

// The builder that the session's ticked planes call for.
bool Interface::remplissagePlansCoches(Grille &grille)
{
    const PlanSession &xy = session.plan(PlanImage::XY), &xz = session.plan(PlanImage::XZ),
                      &yz = session.plan(PlanImage::YZ);
    switch (choixConstructeur(xy.coche, xz.coche, yz.coche)) {
    case Constructeur::PlanXY: return remplissagePlanXY(grille);
    case Constructeur::PlanXZ: return remplissagePlanXZ(grille);
    case Constructeur::PlanYZ: return remplissagePlanYZ(grille);
    case Constructeur::Plans: return remplissagePlans(grille);
    }
    return false;
}

bool Interface::initialisationGrille(Grille &grille)
{
    QString erreur;
    if (!verificationAvantGrille())
        return false;
    const std::array<int, 3> &n = session.dimensions();
    if (!initialiserGrille(grille, n[0], n[1], n[2], &erreur)) {
        etat->setText(erreur);
        return false;
    }
    return true;
}

// The session's counts for its source, and everything that would make the
// file unsound or unwritable, refused before the grid takes any memory.
bool Interface::verificationAvantGrille()
{
    qint64 comptes[3] = {0, 0, 0};
    QString erreur = comptesSource(session, comptes);
    if (erreur.isEmpty())
        erreur = refusAvantGrille(nomSortie, session.materiaux(), session.geometrie().geometrie, comptes);
    if (!erreur.isEmpty()) {
        etat->setText(erreur);
        return false;
    }
    // Typed counts past INT_MAX are refused as typed; pictures and volumes give ints.
    session.poserDimensions(int(comptes[0]), int(comptes[1]), int(comptes[2]));
    return true;
}

bool Interface::rechercheMateriau(int niveauGris, int &index)
{
    index = niveauGris >= 0 && niveauGris < 256 ? tableNiveaux(session.materiaux())[niveauGris] : -1;
    return index >= 0;
}

bool Interface::remplissagePlanXY(Grille &grille)
{
    return remplissagePlan(grille, PlanImage::XY);
}

bool Interface::remplissagePlanXZ(Grille &grille)
{
    return remplissagePlan(grille, PlanImage::XZ);
}

bool Interface::remplissagePlanYZ(Grille &grille)
{
    return remplissagePlan(grille, PlanImage::YZ);
}

bool Interface::remplissagePlan(Grille &grille, PlanImage plan)
{
    if (!lectureComptes())
        return false;
    const std::array<int, 3> &n = session.dimensions();
    std::cout << n[0] << " " << n[1] << " " << n[2] << "\n";
    if (!initialisationGrille(grille))
        return false;
    remplirPlan(session, plan, grille, session.materiaux());
    return true;
}

bool Interface::remplissagePlans(Grille &grille)
{
    if (!initialisationGrille(grille))
        return false;
    remplirIntersection(session, grille, session.materiaux());
    return true;
}

// The session's numbers for the source in use; a text that is no number
// is refused in the status line.
bool Interface::lectureGeometrie(Geometrie &geometrie)
{
    const QString refus = refusGeometrie(session.geometrie());
    if (!refus.isEmpty())
        etat->setText(refus);
    geometrie = session.geometrie().geometrie;
    return refus.isEmpty();
}

bool Interface::lectureComptes()
{
    const QString refus = refusComptes(session.geometrie());
    if (!refus.isEmpty()) {
        etat->setText(refus);
        return false;
    }
    const qint64 *n = session.geometrie().comptes;
    session.poserDimensions(int(n[0]), int(n[1]), int(n[2]));
    return true;
}

bool Interface::ecritureEgsphant(const Grille &grille, const Geometrie &geometrie, QString nomFich)
{
    QString erreur;
    const auto ecrire = [&](const Progression &progression) {
        return enregistrerEgsphant(nomFich, session.materiaux(), grille, geometrie, &erreur, progression);
    };
    // The exact size costs a pass over the grid: only for grids that may reach the mark.
    qint64 taille = 0;
    if (grille.nombreVoxels() * (longueurReelMax + 2) > texteSuivi)
        taille = tailleTexteEgsphant(session.materiaux(), grille, geometrie);
    bool ecrit = false, annulee = false;
    if (taille > texteSuivi) {
        etat->setText(tr("Écriture de « %1 » (%2)…")
                          .arg(extrait(QFileInfo(nomFich).absoluteFilePath()),
                               QLocale(QLocale::French).formattedDataSize(taille, 1, QLocale::DataSizeSIFormat)));
        ecrit = suiviEcriture->ecrire(this, taille, ecrire, &annulee);
    } else {
        ecrit = ecrire({});
    }
    if (!ecrit) {
        etat->setText(annulee ? tr("Écriture annulée") : erreur);
        return false;
    }
    QStringList lignes{resumeEcritureTaille(nomFich, session.materiaux(), grille.dimX, grille.dimY, grille.dimZ)};
    lignes << notesFantome(session, nomFich, session.materiaux(), session.catalogue(), grille);
    etat->setText(lignes.join('\n'));
    dernierFantome = QFileInfo(nomFich).absoluteFilePath();
    fantomeEcrit = std::make_shared<const FantomeEcrit>(decrireFantome(nomFich, session.materiaux(), grille, geometrie, session.catalogue()));
    return true;
}
