#include "session/demandect.h"

#include <QCoreApplication>

#include "scanner/rampe.h"
#include "scanner/serie.h"
#include "scanner/volumect.h"
#include "session/constructionct.h"
#include "session/session.h"

namespace {

QString nombreHU(double v)
{
    return QString::number(v, 'g', 6);
}

// Everything before the write; the grid, its geometry and what to say
// beside the summary go into ecriture. The refusal, or an empty text.
QString construireCT(Session &session, const DemandeCT &demande, Grille &grille, Geometrie &geometrie,
                     DemandeEcriture &ecriture)
{
    Rampe rampe;
    QString erreur;
    if (demande.rampe ? !chargerRampe(*demande.rampe, rampe, &erreur)
                      : !rampeParDefaut(session.catalogue(), rampe, &erreur))
        return erreur;
    StructuresCT structures;
    if (const QString refus = lireStructuresCT(demande.structures, session.catalogue(), structures); !refus.isEmpty())
        return refus;
    if (const QString refus = materiauxScanner(session, rampe, structures); !refus.isEmpty())
        return refus;
    VolumeCT ct;
    SerieCT lue;
    if (!lireSerieCT(demande.dossier, demande.serie, ct, &erreur, &lue))
        return erreur;
    ecriture.notes = ct.notes;
    if (const QString refus = refusStructuresCT(structures, ct, lue.referentiel); !refus.isEmpty())
        return refus;
    ecriture.complement = QCoreApplication::translate("session", "HU lus de %1 à %2%3")
                              .arg(nombreHU(ct.huMin), nombreHU(ct.huMax), imagesEcartees(lue));
    AxeCadre cadre[3];
    QString resume;
    if (const QString refus = construireGrilleCT(std::move(ct), demande.boite, demande.tailles, rampe, structures,
                                                 ecriture.fichier, grille, geometrie, cadre, &ecriture.notes, &resume);
        !refus.isEmpty())
        return refus;
    if (!resume.isEmpty())
        ecriture.complement += ", " + resume;
    return QString();
}

} // namespace

Ecriture construireEtEcrireCT(Session &session, const DemandeCT &demande, DemandeEcriture ecriture)
{
    Grille grille;
    Geometrie geometrie;
    Ecriture refusee;
    refusee.refus = construireCT(session, demande, grille, geometrie, ecriture);
    if (refusee.refus.isEmpty())
        refusee.refus = refusCompagnons(session, ecriture);
    if (!refusee.refus.isEmpty())
        return refusee;
    return ecrireFantome(session, ecriture, grille, geometrie);
}
