#include "scanner/reechantillonnage.h"

#include <algorithm>
#include <cmath>

namespace {

// An overlap this small (in CT voxels) is a rounding sliver, not a neighbour.
constexpr double sliver = 1e-9;

} // namespace

namespace {

// On an axis of uneven CT voxels: the overlaps in cm, each phantom voxel's
// shares made to add up to 1.
std::vector<std::vector<Part>> partsInegales(const AxeCadre &axe, const AxeCT &ct)
{
    std::vector<std::vector<Part>> parts(size_t(axe.compte));
    int i = axe.premier;
    for (int j = 0; j < axe.compte; ++j) {
        const double bas = axe.origine + j * axe.taille;
        const double haut = j + 1 == axe.compte ? ct.borne(axe.fin) : axe.origine + (j + 1) * axe.taille;
        while (i + 1 < axe.fin && ct.borne(i + 1) <= bas)
            ++i;
        double total = 0.0;
        for (int k = i; k < axe.fin && ct.borne(k) < haut; ++k) {
            const double recouvrement = std::min(ct.borne(k + 1), haut) - std::max(ct.borne(k), bas);
            if (recouvrement > sliver * (ct.borne(k + 1) - ct.borne(k))) {
                parts[size_t(j)].push_back({k, recouvrement});
                total += recouvrement;
            }
        }
        for (Part &p : parts[size_t(j)])
            p.poids /= total;
    }
    return parts;
}

} // namespace

std::vector<std::vector<Part>> partsAxe(const AxeCadre &axe, const AxeCT &ct)
{
    std::vector<std::vector<Part>> parts(size_t(axe.compte));
    if (axe.memesVoxels()) {
        for (int j = 0; j < axe.compte; ++j)
            parts[size_t(j)] = {Part{axe.premier + j, 1.0}};
        return parts;
    }
    if (!ct.bornes.empty())
        return partsInegales(axe, ct);
    // In CT voxel units: phantom voxel j spans [premier + j r, premier + (j + 1) r].
    const double r = double(axe.fin - axe.premier) / axe.compte;
    for (int j = 0; j < axe.compte; ++j) {
        const double bas = axe.premier + j * r;
        const double haut = j + 1 == axe.compte ? double(axe.fin) : axe.premier + (j + 1) * r;
        double total = 0.0;
        for (int i = int(std::floor(bas)); i < axe.fin && i < haut; ++i) {
            const double recouvrement = std::min(i + 1.0, haut) - std::max(double(i), bas);
            if (recouvrement > sliver) {
                parts[size_t(j)].push_back({i, recouvrement});
                total += recouvrement;
            }
        }
        for (Part &p : parts[size_t(j)])
            p.poids /= total;
    }
    return parts;
}

void reechantillonner(const VolumeCT &ct, const AxeCadre cadre[3],
                      const std::function<void(int z, int y, const double *valeurs)> &ligne)
{
    const auto px = partsAxe(cadre[0], ct.axes[0]), py = partsAxe(cadre[1], ct.axes[1]),
               pz = partsAxe(cadre[2], ct.axes[2]);
    const int nx = cadre[0].compte, ny = cadre[1].compte;
    const int ctY0 = cadre[1].premier, ctY1 = cadre[1].fin;
    const qint64 ligneCT = ct.axes[0].compte, trancheCT = ligneCT * ct.axes[1].compte;
    // Separable: each CT row is first averaged along x, then those rows along
    // y and z into the phantom slice.
    std::vector<double> lignesX(size_t(ctY1 - ctY0) * size_t(nx));
    std::vector<double> tranche(size_t(ny) * size_t(nx));
    for (int z = 0; z < cadre[2].compte; ++z) {
        std::fill(tranche.begin(), tranche.end(), 0.0);
        for (const Part &partZ : pz[size_t(z)]) {
            for (int iy = ctY0; iy < ctY1; ++iy) {
                const qint64 debut = partZ.indice * trancheCT + iy * ligneCT;
                double *sortie = lignesX.data() + size_t(iy - ctY0) * size_t(nx);
                for (int x = 0; x < nx; ++x) {
                    double somme = 0.0;
                    for (const Part &partX : px[size_t(x)])
                        somme += partX.poids * ct.hu(debut + partX.indice);
                    sortie[x] = somme;
                }
            }
            for (int y = 0; y < ny; ++y) {
                double *cible = tranche.data() + size_t(y) * size_t(nx);
                for (const Part &partY : py[size_t(y)]) {
                    const double poids = partZ.poids * partY.poids;
                    const double *source = lignesX.data() + size_t(partY.indice - ctY0) * size_t(nx);
                    for (int x = 0; x < nx; ++x)
                        cible[x] += poids * source[x];
                }
            }
        }
        for (int y = 0; y < ny; ++y)
            ligne(z, y, tranche.data() + size_t(y) * size_t(nx));
    }
}
