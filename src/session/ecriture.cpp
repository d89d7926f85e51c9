#include "session/ecriture.h"

#include <QCoreApplication>

#include "companions/egspp.h"
#include "companions/fantomeecrit.h"
#include "model/ligne.h"
#include "phantom/compterendu.h"
#include "session/construction.h"
#include "session/session.h"

namespace {

// Each file asked beside the phantom is tried; a failure says that the
// phantom stays written, and an earlier failure becomes a note.
void ecrireCompagnons(const DemandeEcriture &demande, const FantomeEcrit &fantome, Ecriture &ecriture)
{
    const auto echec = [&](const QString &erreur) {
        if (!ecriture.refus.isEmpty())
            ecriture.lignes << LigneCompteRendu{true, ecriture.refus};
        ecriture.refus = QCoreApplication::translate("session", "%1 ; le fantôme « %2 » reste écrit")
                             .arg(erreur, extrait(fantome.chemin));
    };
    // Each as it goes: its summary, or the failure.
    const auto dire = [&](bool ecrit, const QString &texte) {
        if (ecrit)
            ecriture.lignes << LigneCompteRendu{false, texte};
        else
            echec(texte);
    };
    QString texte;
    if (demande.egsinp)
        dire(ecrireEntree(*demande.egsinp, fantome, demande.dosxyz, texte), texte);
    if (demande.egspp)
        dire(ecrireGeometrie(*demande.egspp, fantome, texte), texte);
}

} // namespace

bool ecrireEntree(const QString &chemin, const FantomeEcrit &fantome, const ParametresDosxyz &parametres,
                  QString &texte)
{
    const bool ecrite = ecrireEntreeDosxyz(chemin, fantome, parametres, &texte);
    if (ecrite)
        texte = resumeEntreeDosxyz(chemin);
    return ecrite;
}

bool ecrireGeometrie(const QString &chemin, const FantomeEcrit &fantome, QString &texte)
{
    int lignes = 0;
    const bool ecrite = ecrireGeometrieEgspp(chemin, fantome, &texte, &lignes);
    if (ecrite)
        texte = resumeGeometrieEgspp(chemin, lignes);
    return ecrite;
}

QString refusCompagnons(const Session &session, const DemandeEcriture &demande)
{
    if (!demande.egspp)
        return QString();
    const QString refus = refusCatalogueEgspp(milieuxRampe(session.materiaux(), session.catalogue()),
                                              !session.catalogue().isEmpty());
    return refus.isEmpty() ? refus : QCoreApplication::translate("session", "Géométrie egs++ : ") + refus;
}

Ecriture ecrireFantome(const Session &session, const DemandeEcriture &demande, const Grille &grille,
                       const Geometrie &geometrie)
{
    const QList<Materiau> &materiaux = session.materiaux();
    Ecriture ecriture;
    Progression progression;
    if (demande.suivi)
        progression = demande.suivi([&] { return tailleTexteEgsphant(materiaux, grille, geometrie); });
    const bool ecrit = enregistrerEgsphant(demande.fichier, materiaux, grille, geometrie, &ecriture.refus, progression);
    progression = Progression(); // waits for the size if it is still being counted
    if (demande.finSuivi)
        demande.finSuivi();
    if (!ecrit)
        return ecriture;
    const QString resume = resumeEcriture(demande.fichier, materiaux, grille.dimX, grille.dimY, grille.dimZ);
    ecriture.lignes << LigneCompteRendu{false, demande.complement.isEmpty() ? resume : resume + ", " + demande.complement};
    // The window's notes on the same choices: levels given no medium, media
    // with no voxel, the readers' limits.
    for (const QString &note : notesFantome(session, demande.fichier, materiaux, session.catalogue(), grille))
        ecriture.lignes << LigneCompteRendu{true, note};
    if (demande.egsinp || demande.egspp)
        ecrireCompagnons(demande,
                         decrireFantome(demande.fichier, materiaux, grille, geometrie, session.catalogue()),
                         ecriture);
    if (ecriture.refus.isEmpty())
        for (const QString &note : demande.notes)
            ecriture.lignes << LigneCompteRendu{true, ligneNote(note)};
    return ecriture;
}

Ecriture construireEtEcrire(Session &session, const DemandeEcriture &demande)
{
    Ecriture refusee;
    // The media are refused before the egs++ geometry, as they always were.
    refusee.refus = verifierMateriaux(session.materiaux());
    if (refusee.refus.isEmpty())
        refusee.refus = refusCompagnons(session, demande);
    Grille grille;
    Geometrie geometrie;
    if (refusee.refus.isEmpty())
        refusee.refus = construireGrille(session, demande.fichier, session.materiaux(), grille, geometrie);
    if (!refusee.refus.isEmpty())
        return refusee;
    // Its voxels are in the grid: the writing gets their memory back.
    if (session.source() == SourceFantome::Volume)
        session.choisirVolume(nullptr, QString(), false);
    return ecrireFantome(session, demande, grille, geometrie);
}
