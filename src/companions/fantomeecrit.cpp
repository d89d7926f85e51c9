#include "companions/fantomeecrit.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <iterator>

#include "egsphant/reel.h"
#include "media/materiaux.h"

namespace {

// The distinct densities, with their media, of voxels that carry their own
// density. A CT's own numbers index a table of a few thousand densities, so
// a mark per (record, number) finds them in one pass; averaged voxels hold
// six-digit codes, sorted and merged a piece at a time so that only the
// distinct pairs are ever held whole.
void densitesPropres(const Grille &grille, const std::vector<int> &numeros, std::vector<DensiteMilieu> &densites)
{
    const DensitesVoxels &propres = grille.densites;
    const size_t n = grille.voxels.size();
    if (!propres.nombres.empty()) {
        const size_t largeur = propres.table.size();
        std::vector<bool> vus(largeur * 256, false);
        for (size_t v = 0; v < n; ++v) {
            const size_t place = size_t(propres.nombres[v] - propres.premier);
            const size_t marque = size_t(grille.voxels[v]) * largeur + place;
            if (!vus[marque]) {
                vus[marque] = true;
                densites.push_back({densiteLue(propres.table[place]), numeros[grille.voxels[v]] - 1});
            }
        }
        return;
    }
    std::vector<quint64> tenus, morceau, fusion; // code << 8 | record
    constexpr size_t taille = size_t(1) << 20;
    for (size_t debut = 0; debut < n; debut += taille) {
        morceau.clear();
        for (size_t v = debut; v < std::min(n, debut + taille); ++v)
            morceau.push_back(quint64(propres.codes[v]) << 8 | grille.voxels[v]);
        std::sort(morceau.begin(), morceau.end());
        morceau.erase(std::unique(morceau.begin(), morceau.end()), morceau.end());
        fusion.clear();
        std::set_union(tenus.begin(), tenus.end(), morceau.begin(), morceau.end(), std::back_inserter(fusion));
        tenus.swap(fusion);
    }
    for (const quint64 tenu : tenus) {
        char texte[longueurReelMax];
        const int longueur = formatCode(quint32(tenu >> 8), texte);
        // The text the file holds, read as egs++ reads it.
        densites.push_back({QByteArray(texte, longueur).toFloat(), numeros[tenu & 0xff] - 1});
    }
}

} // namespace

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
    const std::vector<int> numeros = numerosMilieux(materiaux);
    if (!grille.densites.vide()) {
        densitesPropres(grille, numeros, fantome.densites);
        return fantome;
    }
    // Only the records some voxel holds: a level the planes never agree on
    // brings no density to the file.
    bool tenus[256] = {};
    for (const quint8 voxel : grille.voxels)
        tenus[voxel] = true;
    for (size_t k = 0; k < numeros.size(); ++k)
        if (tenus[k])
            fantome.densites.push_back({densiteLue(materiaux[qsizetype(k)].densite), numeros[k] - 1});
    return fantome;
}

QString refusCatalogueEgspp(const QList<MilieuRampe> &milieux, bool catalogue)
{
    if (!catalogue)
        return QCoreApplication::translate("companions",
            "aucun fichier PEGS4 chargé : la rampe d'egs++ prend la densité de chaque milieu dans ce fichier");
    return refusMilieuxRampe(milieux);
}
