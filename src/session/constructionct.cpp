#include "session/constructionct.h"

#include <QCoreApplication>

#include "egsphant/egsphant.h"
#include "model/ligne.h"
#include "phantom/construction.h"
#include "phantom/verifications.h"
#include "scanner/fantomect.h"
#include "scanner/rampe.h"
#include "scanner/volumect.h"
#include "session/session.h"

std::vector<double> tranchesCT(const VolumeCT &ct)
{
    std::vector<double> bornes;
    for (int k = 0; k <= ct.axes[2].compte; ++k)
        bornes.push_back(ct.axes[2].borne(k));
    return bornes;
}

QString lireStructuresCT(const DemandeStructures &demande, const QList<Milieu> &catalogue, StructuresCT &structures)
{
    structures = StructuresCT{demande, {}, {}};
    if (demande.fichier.isEmpty())
        return QString();
    QString erreur;
    if (!lireStructures(demande.fichier, structures.jeu, &erreur))
        return erreur;
    return lireChoixStructures(demande, structures.jeu, catalogue, structures.choix);
}

QString materiauxCT(const Rampe &rampe, const QList<Milieu> &catalogue, const StructuresCT &structures,
                    QList<Materiau> &materiaux)
{
    materiaux = materiauxRampe(rampe, catalogue);
    ajouterMateriauxStructures(structures.choix, materiaux);
    numeroterMateriaux(materiaux);
    return refusMateriaux(materiaux);
}

QString materiauxScanner(Session &session, const Rampe &rampe, const StructuresCT &structures)
{
    if (const QString refus = materiauxCT(rampe, session.catalogue(), structures, session.materiaux()); !refus.isEmpty())
        return refus;
    for (const Materiau &m : session.materiaux())
        session.choix().marquerChoisi(m.niveauGris);
    return QString();
}

QString refusStructuresCT(const StructuresCT &structures, const VolumeCT &ct, const QString &referentiel)
{
    if (structures.demande.fichier.isEmpty())
        return QString();
    // A tilted series is resampled onto straight slices, off the planes its
    // contours were drawn on.
    if (ct.inclinaison != 0.0)
        return QCoreApplication::translate("session", "Structures « %1 » : série à statif incliné, rééchantillonnée hors des plans de ses contours")
            .arg(extrait(structures.demande.fichier));
    return refusReferentiel(structures.demande, structures.jeu, structures.choix, referentiel);
}

QString construireGrilleCT(VolumeCT ct, const std::optional<Boite> &boite,
                           const std::optional<std::array<double, 3>> &tailles, const Rampe &rampe,
                           const StructuresCT &structures, const QString &fichier, Grille &grille,
                           Geometrie &geometrie, AxeCadre cadre[3], QStringList *notes, QString *resume)
{
    if (const QString refus = cadrer(ct.axes, boite, tailles, cadre); !refus.isEmpty())
        return refus;
    if (notes)
        *notes << notesCadre(ct.axes, boite, tailles, cadre);
    const qint64 comptes[3] = {cadre[0].compte, cadre[1].compte, cadre[2].compte};
    for (int a = 0; a < 3; ++a) {
        geometrie.taille[a] = cadre[a].taille;
        geometrie.origine[a] = cadre[a].origine;
        geometrie.bornes[a] = cadre[a].bornes;
    }
    // Without records: each voxel's own density text may be the shortest.
    if (const QString refus = refusAvantGrille(fichier, {}, geometrie, comptes); !refus.isEmpty())
        return refus;
    const std::vector<double> tranches = tranchesCT(ct);
    QString erreur;
    if (!construireFantomeCT(std::move(ct), cadre, rampe, grille, geometrie, &erreur))
        return erreur;
    if (!structures.choix.isEmpty()) {
        const std::vector<qint64> voxels = appliquerStructures(structures.jeu, structures.choix, tranches, geometrie,
                                                               int(rampe.paliers.size()), grille);
        if (resume)
            *resume = resumeStructures(structures.jeu, structures.choix, voxels);
    }
    return QString();
}
