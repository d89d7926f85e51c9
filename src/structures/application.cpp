// The structures' media given to a CT phantom's voxels, and their densities.
#include "structures/structures.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

#include "egsphant/egsphant.h"
#include "egsphant/reel.h"
#include "structures/remplissage.h"

namespace {

// Two z this close (cm) are one: a plane's mm / 10 and a boundary's
// origin + k × size round differently.
constexpr double ecartZ = 1e-7;

// Gives record the voxels of slice z inside the runs, or outside them.
void poser(Grille &grille, int z, const Remplissage *remplissage, bool exterieur, quint8 record)
{
    for (int y = 0; y < grille.dimY; ++y) {
        quint8 *ligne = grille.ligne(z, y);
        if (!remplissage) {
            if (exterieur)
                std::memset(ligne, record, size_t(grille.dimX));
            continue;
        }
        int x = 0;
        for (const auto &[debut, fin] : remplissage->segments(y)) {
            if (exterieur)
                std::memset(ligne + x, record, size_t(debut - x));
            else
                std::memset(ligne + debut, record, size_t(fin - debut));
            x = fin;
        }
        if (exterieur)
            std::memset(ligne + x, record, size_t(grille.dimX - x));
    }
}

// The densities of the voxels whose record a choice with a density holds.
// At the CT's own voxels, each such density becomes one more CT number past
// the table's, so the voxels stay 2 bytes; when 16 bits leave no room, the
// densities turn to codes.
void poserDensites(Grille &grille, const std::array<std::optional<double>, 256> &parRecord)
{
    DensitesVoxels &d = grille.densites;
    int fixes = 0;
    for (const auto &densite : parRecord)
        fixes += densite.has_value();
    if (fixes == 0 || d.vide())
        return;
    const qint64 prochain = qint64(d.premier) + qint64(d.table.size());
    if (!d.nombres.empty() && prochain + fixes - 1 > std::numeric_limits<qint16>::max()) {
        d.codes.resize(d.nombres.size());
        for (size_t i = 0; i < d.nombres.size(); ++i)
            d.codes[i] = codeReel(d.table[size_t(d.nombres[i] - d.premier)]);
        d.nombres = NombresCT();
        d.table.clear();
    }
    const quint8 *voxel = grille.voxels.data();
    const qint64 n = grille.nombreVoxels();
    if (!d.nombres.empty()) {
        std::array<qint32, 256> nombre;
        nombre.fill(-1);
        for (size_t r = 0; r < parRecord.size(); ++r)
            if (parRecord[r]) {
                nombre[r] = qint32(d.premier + qint64(d.table.size()));
                d.table.push_back(*parRecord[r]);
            }
        qint16 *sortie = d.nombres.data();
        for (qint64 i = 0; i < n; ++i)
            if (nombre[voxel[i]] >= 0)
                sortie[i] = qint16(nombre[voxel[i]]);
    } else {
        std::array<quint32, 256> code{};
        for (size_t r = 0; r < parRecord.size(); ++r)
            if (parRecord[r])
                code[r] = codeReel(*parRecord[r]);
        quint32 *sortie = d.codes.data();
        for (qint64 i = 0; i < n; ++i)
            if (parRecord[voxel[i]])
                sortie[i] = code[voxel[i]];
    }
}

} // namespace

const PlanContours *planContours(const RegionRT &region, const std::vector<double> &bornesZ, double z)
{
    const auto &plans = region.plans;
    if (plans.empty() || bornesZ.size() < 2 || z < bornesZ.front() - ecartZ || z > bornesZ.back() + ecartZ)
        return nullptr;
    const auto apres = std::lower_bound(plans.begin(), plans.end(), z,
                                        [](const PlanContours &p, double v) { return p.z < v; });
    const PlanContours *plan = nullptr;
    if (apres == plans.end())
        plan = &plans.back();
    else if (apres == plans.begin())
        plan = &*apres;
    else
        plan = z - (apres - 1)->z <= apres->z - z + ecartZ ? &*(apres - 1) : &*apres;
    const double bas = std::min(z, plan->z) + ecartZ, haut = std::max(z, plan->z) - ecartZ;
    const auto borne = std::upper_bound(bornesZ.begin(), bornesZ.end(), bas);
    return borne != bornesZ.end() && *borne < haut ? nullptr : plan;
}

std::vector<qint64> appliquerStructures(const JeuStructures &jeu, const QList<ChoixStructure> &choix,
                                        const std::vector<double> &bornesZ, const Geometrie &geometrie, int premier,
                                        Grille &grille)
{
    Remplissage remplissage(geometrie.origine[0], geometrie.taille[0], grille.dimX, geometrie.origine[1],
                            geometrie.taille[1], grille.dimY);
    std::array<std::optional<double>, 256> densites;
    // Outside first, then in order: each choice's voxels take its record,
    // the later over the earlier; the densities follow once the records are
    // final, so that "ct" after another choice still finds the ramp's.
    for (int k = 0; k < choix.size(); ++k) {
        const ChoixStructure &c = choix[k];
        const quint8 record = quint8(premier + k);
        densites[record] = c.densite;
        const PlanContours *trace = nullptr;
        for (int z = 0; z < grille.dimZ; ++z) {
            const double centre = geometrie.origine[2] + (z + 0.5) * geometrie.taille[2];
            const PlanContours *plan = planContours(jeu.regions[c.region], bornesZ, centre);
            if (plan && plan != trace)
                remplissage.tracer(*plan);
            trace = plan ? plan : trace;
            poser(grille, z, plan ? &remplissage : nullptr, c.exterieur, record);
        }
    }
    poserDensites(grille, densites);
    const std::array<qint64, 256> comptes = comptesVoxels(grille, premier + int(choix.size()));
    std::vector<qint64> voxels;
    for (int k = 0; k < choix.size(); ++k)
        voxels.push_back(comptes[size_t(premier + k)]);
    return voxels;
}
