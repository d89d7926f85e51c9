// The window's side of the build: reads the widgets, runs the shared
// builders and writer, and reports in the status line.
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <climits>
#include <iostream>

#include "images/chargement.h"
#include "model/ligne.h"
#include "model/nombre.h"
#include "companions/fantomeecrit.h"
#include "phantom/compterendu.h"
#include "phantom/construction.h"
#include "egsphant/egsphant.h"
#include "egsphant/reel.h"
#include "phantom/verifications.h"
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
    explicit ConstructionEnCours(Interface &fenetre) : enCours(fenetre.constructionEnCours)
    {
        enCours = true;
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
        enCours = false;
    }

private:
    bool &enCours;
    QList<QGroupBox *> groupes;
};

// From this many bytes of text on, a write shows its progress and can be stopped.
constexpr qint64 texteSuivi = 200'000'000;

} // namespace

bool Interface::constructionEgsphant(QString nomFich)
{
    if (constructionEnCours)
        return false;
    ConstructionEnCours enCours(*this);
    CurseurOccupe curseur;
    nomSortie = nomFich;
    if (session.source() == SourceFantome::Scanner)
        return constructionScanner(nomFich);
    Grille grille;
    numeroterMateriaux(materiaux);
    const QString refus = refusMateriaux(materiaux);
    if (!refus.isEmpty()) {
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

// The builder that the ticked planes call for.
bool Interface::remplissagePlansCoches(Grille &grille)
{
    switch (choixConstructeur(planXY->choix()->isChecked(), planXZ->choix()->isChecked(),
                              planYZ->choix()->isChecked())) {
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
    if (!initialiserGrille(grille, dimX, dimY, dimZ, &erreur)) {
        etat->setText(erreur);
        return false;
    }
    return true;
}

// Everything that would make the file unsound or unwritable is refused
// before the grid takes any memory.
bool Interface::verificationAvantGrille()
{
    Geometrie geometrie;
    if (!lectureGeometrie(geometrie))
        return false;
    const qint64 comptes[3] = {dimX, dimY, dimZ};
    const QString erreur = refusAvantGrille(nomSortie, materiaux, geometrie, comptes);
    if (!erreur.isEmpty())
        etat->setText(erreur);
    return erreur.isEmpty();
}

bool Interface::rechercheMateriau(int niveauGris, int &index)
{
    index = niveauGris >= 0 && niveauGris < 256 ? tableNiveaux(materiaux)[niveauGris] : -1;
    return index >= 0;
}

bool Interface::remplissagePlanXY(Grille &grille)
{
    return remplissagePlan(grille, planXY->fichier(), PlanImage::XY);
}

bool Interface::remplissagePlanXZ(Grille &grille)
{
    return remplissagePlan(grille, planXZ->fichier(), PlanImage::XZ);
}

bool Interface::remplissagePlanYZ(Grille &grille)
{
    return remplissagePlan(grille, planYZ->fichier(), PlanImage::YZ);
}

bool Interface::remplissagePlan(Grille &grille, QLineEdit *fichier, PlanImage plan)
{
    if (!lectureComptes())
        return false;
    std::cout << dimX << " " << dimY << " " << dimZ << "\n";
    if (!initialisationGrille(grille))
        return false;
    QString erreur;
    const QImage image = chargerImage(fichier->text(), &erreur);
    if (image.isNull()) {
        etat->setText(erreur);
        return false;
    }
    extruderPlan(grille, plan, image, tableNiveaux(materiaux));
    return true;
}

bool Interface::remplissagePlans(Grille &grille)
{
    if (!validationImage() || !initialisationGrille(grille))
        return false;
    const GroupePlan *groupeA = planA(planXZ->choix()->isChecked()) == PlanImage::XZ ? planXZ : planYZ;
    const GroupePlan *groupeB = planB(planYZ->choix()->isChecked()) == PlanImage::YZ ? planYZ : planXZ;
    QString erreur;
    const QImage imageXY = chargerImage(planXY->fichier()->text(), &erreur);
    const QImage imageA = imageXY.isNull() ? QImage() : chargerImage(groupeA->fichier()->text(), &erreur);
    const QImage imageB = imageA.isNull() ? QImage() : chargerImage(groupeB->fichier()->text(), &erreur);
    if (imageB.isNull()) {
        etat->setText(erreur);
        return false;
    }
    intersecterPlans(grille, imageXY, imageA, imageB, tableNiveaux(materiaux));
    return true;
}

// A size or origin that is not a number is refused: read as 0 it would give
// a file with the wrong geometry and no word of it.
bool Interface::lectureGeometrie(Geometrie &geometrie)
{
    const QLineEdit *champs[6] = {configuration->taille(0),  configuration->taille(1),  configuration->taille(2),
                                  configuration->origine(0), configuration->origine(1), configuration->origine(2)};
    const char *noms[6] = {"Taille X", "Taille Y", "Taille Z", "Origine X", "Origine Y", "Origine Z"};
    double *valeurs[6] = {&geometrie.taille[0], &geometrie.taille[1], &geometrie.taille[2],
                          &geometrie.origine[0], &geometrie.origine[1], &geometrie.origine[2]};
    for (int i = 0; i < 6; ++i) {
        if (!lireReelVirgule(texteNombre(champs[i]), *valeurs[i])) {
            const QString texte = champs[i]->text();
            etat->setText(texte.trimmed().isEmpty()
                              ? QString("%1 : champ vide, un nombre est attendu.").arg(noms[i])
                              : QString("%1 : « %2 » n'est pas un nombre.").arg(noms[i], extrait(texte)));
            return false;
        }
    }
    return true;
}

// A count that is not a whole number is refused as typed: read as 0 it
// would be reported as a count of 0 that nobody typed.
bool Interface::lectureComptes()
{
    const QLineEdit *champs[3] = {configuration->compte(0), configuration->compte(1), configuration->compte(2)};
    int *comptes[3] = {&dimX, &dimY, &dimZ};
    for (int i = 0; i < 3; ++i) {
        bool entier = false;
        const qint64 valeur = champs[i]->text().trimmed().toLongLong(&entier, 10);
        if (!entier || valeur > INT_MAX) {
            etat->setText(QString("Nombre de voxels invalide : « %1 » en %2 (chaque compte doit être un entier "
                                  "positif, au plus %3).")
                              .arg(extrait(champs[i]->text()), QChar('X' + i))
                              .arg(INT_MAX));
            return false;
        }
        *comptes[i] = int(valeur);
    }
    return true;
}

bool Interface::ecritureEgsphant(const Grille &grille, const Geometrie &geometrie, QString nomFich)
{
    QString erreur;
    const auto ecrire = [&](const Progression &progression) {
        return enregistrerEgsphant(nomFich, materiaux, grille, geometrie, &erreur, progression);
    };
    // The exact size costs a pass over the grid: only for grids that may reach the mark.
    qint64 taille = 0;
    if (grille.nombreVoxels() * (longueurReelMax + 2) > texteSuivi)
        taille = tailleTexteEgsphant(materiaux, grille, geometrie);
    bool ecrit = false, annulee = false;
    if (taille > texteSuivi) {
        etat->setText(QString("Écriture de « %1 » (%2)…")
                          .arg(extrait(QFileInfo(nomFich).absoluteFilePath()),
                               QLocale(QLocale::French).formattedDataSize(taille, 1, QLocale::DataSizeSIFormat)));
        ecrit = suiviEcriture->ecrire(this, taille, ecrire, &annulee);
    } else {
        ecrit = ecrire({});
    }
    if (!ecrit) {
        etat->setText(annulee ? QString("Écriture annulée") : erreur);
        return false;
    }
    QStringList lignes{resumeEcritureTaille(nomFich, materiaux, grille.dimX, grille.dimY, grille.dimZ)};
    lignes << notesChoix(materiaux, session.choix().niveauxChoisis(), *milieux, grille);
    lignes << notesLecteurs(nomFich, materiaux, grille.dimX, grille.dimY, grille.dimZ, *milieux);
    etat->setText(lignes.join('\n'));
    dernierFantome = QFileInfo(nomFich).absoluteFilePath();
    fantomeEcrit = std::make_shared<const FantomeEcrit>(decrireFantome(nomFich, materiaux, grille, geometrie, *milieux));
    return true;
}
