#include "companions/fantomeecrit.h"

#include <QFileInfo>

#include "media/materiaux.h"

QList<MilieuRampe> milieuxRampe(const QList<Materiau> &materiaux, const QList<Milieu> &catalogue)
{
    QList<MilieuRampe> milieux;
    const std::vector<int> numeros = numerosMilieux(materiaux);
    for (size_t k = 0; k < numeros.size(); ++k) {
        if (numeros[k] <= milieux.size())
            continue;
        MilieuRampe milieu{materiaux[qsizetype(k)].nom.trimmed(), std::nullopt};
        for (const Milieu &m : catalogue)
            if (!milieu.densitePegs && m.nom.trimmed() == milieu.nom)
                milieu.densitePegs = m.densite;
        milieux << milieu;
    }
    return milieux;
}

FantomeEcrit decrireFantome(const QString &chemin, const QList<Materiau> &materiaux, const Grille &grille,
                            const Geometrie &geometrie, const QList<Milieu> &catalogue)
{
    FantomeEcrit fantome;
    fantome.chemin = QFileInfo(chemin).absoluteFilePath();
    fantome.geometrie = geometrie;
    fantome.dim[0] = grille.dimX;
    fantome.dim[1] = grille.dimY;
    fantome.dim[2] = grille.dimZ;
    fantome.milieux = milieuxRampe(materiaux, catalogue);
    fantome.catalogue = !catalogue.isEmpty();
    // Only the records some voxel holds: a level the planes never agree on
    // brings no density to the file.
    bool tenus[256] = {};
    for (const quint8 voxel : grille.voxels)
        tenus[voxel] = true;
    const std::vector<int> numeros = numerosMilieux(materiaux);
    for (size_t k = 0; k < numeros.size(); ++k)
        if (tenus[k])
            fantome.densites.push_back({densiteLue(materiaux[qsizetype(k)].densite), numeros[k] - 1});
    return fantome;
}

QString refusCatalogueEgspp(const QList<MilieuRampe> &milieux, bool catalogue)
{
    if (!catalogue)
        return "aucun fichier PEGS4 chargé : la rampe d'egs++ prend la densité de chaque milieu dans ce fichier";
    return refusMilieuxRampe(milieux);
}
