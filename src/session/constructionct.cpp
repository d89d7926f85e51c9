#include "session/constructionct.h"

#include "egsphant/egsphant.h"
#include "phantom/construction.h"
#include "phantom/verifications.h"
#include "scanner/fantomect.h"
#include "scanner/rampe.h"
#include "scanner/volumect.h"

QString materiauxCT(const Rampe &rampe, const QList<Milieu> &catalogue, QList<Materiau> &materiaux)
{
    materiaux = materiauxRampe(rampe, catalogue);
    numeroterMateriaux(materiaux);
    return refusMateriaux(materiaux);
}

QString construireGrilleCT(VolumeCT ct, const std::optional<Boite> &boite,
                           const std::optional<std::array<double, 3>> &tailles, const Rampe &rampe,
                           const QString &fichier, Grille &grille, Geometrie &geometrie, AxeCadre cadre[3],
                           QStringList *notes)
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
    QString erreur;
    if (!construireFantomeCT(std::move(ct), cadre, rampe, grille, geometrie, &erreur))
        return erreur;
    return QString();
}
