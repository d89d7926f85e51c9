#include "session/structuressession.h"

#include "session/constructionct.h"

QString lireStructuresSession(const StructuresSession &choisies, const QList<Milieu> &catalogue, const VolumeCT &ct,
                              const QString &referentiel, StructuresCT &structures)
{
    structures = StructuresCT{};
    if (choisies.fichier.isEmpty())
        return QString();
    StructuresCT lues{demandeDuTableau(choisies.fichier, choisies.jeu, choisies.choix), choisies.jeu, {}};
    if (const QString refus = lireChoixStructures(lues.demande, lues.jeu, catalogue, lues.choix); !refus.isEmpty())
        return refus;
    if (const QString refus = refusStructuresCT(lues, ct, referentiel); !refus.isEmpty())
        return refus;
    structures = lues;
    return QString();
}
