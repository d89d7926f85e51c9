#include "scanner/redressement.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

#include "scanner/cadre.h"
#include "scanner/volumect.h"

namespace {

// A centre this close outside the scanned region (in steps or pixels) is on its edge.
constexpr double jeu = 1e-6;

// The z of the straight slices: the slices' own z, then the end steps
// repeated until they reach bas and haut, the lowest and highest z of any
// scanned voxel centre.
std::vector<double> centresZ(const SerieInclinee &s, double bas, double haut)
{
    std::vector<double> z;
    for (const auto &p : s.positions)
        z.push_back(p[2]);
    std::sort(z.begin(), z.end());
    const size_t n = z.size();
    const double pasBas = n > 1 ? z[1] - z[0] : s.pas[1], pasHaut = n > 1 ? z[n - 1] - z[n - 2] : s.pas[1];
    const int avant = int(std::max(0.0, std::ceil((z.front() - bas) / pasBas - jeu)));
    const int apres = int(std::max(0.0, std::ceil((haut - z.back()) / pasHaut - jeu)));
    std::vector<double> centres;
    for (int i = avant; i > 0; --i)
        centres.push_back(z.front() - i * pasBas);
    centres.insert(centres.end(), z.begin(), z.end());
    for (int i = 1; i <= apres; ++i)
        centres.push_back(z.back() + i * pasHaut);
    return centres;
}

// One straight row at (y, z): the two tilted slices about it along their
// normal, in each the two rows about it, blended; false when the centre
// lies outside the scanned region.
struct Voisins
{
    int coupe[2] = {0, 0};
    int rangee[2] = {0, 0};
    double poids[2][2] = {{0, 0}, {0, 0}}; // [slice][row]
};

bool voisins(const SerieInclinee &s, const std::vector<double> &hauteurs, const double normale[3], double y, double z,
             Voisins &v)
{
    const int nk = int(hauteurs.size()), nr = s.pixels->axes[1].compte;
    const double h = y * normale[1] + z * normale[2];
    const double tolerance = jeu * (nk > 1 ? (hauteurs.back() - hauteurs.front()) / (nk - 1) : s.pas[1]);
    if (h < hauteurs.front() - tolerance || h > hauteurs.back() + tolerance)
        return false;
    int k = int(std::upper_bound(hauteurs.begin(), hauteurs.end(), h) - hauteurs.begin()) - 1;
    k = std::clamp(k, 0, std::max(0, nk - 2));
    const double t = nk > 1 ? std::clamp((h - hauteurs[size_t(k)]) / (hauteurs[size_t(k) + 1] - hauteurs[size_t(k)]), 0.0, 1.0)
                            : 0.0;
    for (int c = 0; c < 2; ++c) {
        const int coupe = std::min(k + c, nk - 1);
        const auto &p = s.positions[size_t(coupe)];
        const double rangee = ((y - p[1]) * s.colonnes[1] + (z - p[2]) * s.colonnes[2]) / s.pas[1];
        if (rangee < -jeu || rangee > nr - 1 + jeu)
            return false;
        const int j = std::clamp(int(std::floor(rangee)), 0, std::max(0, nr - 2));
        const double f = nr > 1 ? std::clamp(rangee - j, 0.0, 1.0) : 0.0;
        const double w = c == 0 ? 1.0 - t : t;
        v.coupe[c] = coupe;
        v.rangee[c] = j;
        v.poids[c][0] = w * (1.0 - f);
        v.poids[c][1] = w * f;
    }
    return true;
}

} // namespace

void redresser(const SerieInclinee &s, VolumeCT &droit)
{
    const VolumeCT &pile = *s.pixels;
    const int nc = pile.axes[0].compte, nr = pile.axes[1].compte;
    const double *r = s.rangees, *c = s.colonnes;
    const double normale[3] = {r[1] * c[2] - r[2] * c[1], r[2] * c[0] - r[0] * c[2], r[0] * c[1] - r[1] * c[0]};
    double yBas = INFINITY, yHaut = -INFINITY, zBas = INFINITY, zHaut = -INFINITY;
    std::vector<double> hauteurs;
    for (const auto &p : s.positions) {
        hauteurs.push_back(p[0] * normale[0] + p[1] * normale[1] + p[2] * normale[2]);
        for (int j : {0, nr - 1}) {
            yBas = std::min(yBas, p[1] + j * s.pas[1] * c[1]);
            yHaut = std::max(yHaut, p[1] + j * s.pas[1] * c[1]);
            zBas = std::min(zBas, p[2] + j * s.pas[1] * c[2]);
            zHaut = std::max(zHaut, p[2] + j * s.pas[1] * c[2]);
        }
    }
    // The rows' own x: the straight voxels along x are the series' pixels.
    const double xBas = s.positions[0][0] + (r[0] < 0 ? -(nc - 1) * s.pas[0] : 0.0);
    const int ny = int(std::floor((yHaut - yBas) / s.pas[1] + jeu)) + 1;
    const std::vector<double> z = centresZ(s, zBas, zHaut);
    droit = VolumeCT();
    droit.axes[0] = AxeCT{nc, s.pas[0] / 10.0, (xBas - s.pas[0] / 2.0) / 10.0, {}};
    droit.axes[1] = AxeCT{ny, s.pas[1] / 10.0, (yBas - s.pas[1] / 2.0) / 10.0, {}};
    droit.axes[2] = axeDesCentres(z);
    if (z.size() == 1)
        droit.axes[2] = AxeCT{1, s.pas[1] / 10.0, (z[0] - s.pas[1] / 2.0) / 10.0, {}};
    const int nz = droit.axes[2].compte;
    const size_t n = size_t(nc) * size_t(ny) * size_t(nz);
    if (pile.entiers.empty())
        droit.reels.assign(n, std::numeric_limits<float>::quiet_NaN());
    else
        droit.entiers.assign(n, huHorsCoupes);
    double bas = INFINITY, haut = -INFINITY;
    const qint64 rangee = nc, tranche = qint64(nc) * nr;
    auto remplir = [&](const auto *hu, auto *sortieVolume) {
        for (int kz = 0; kz < nz; ++kz)
            for (int jy = 0; jy < ny; ++jy) {
                Voisins v;
                if (!voisins(s, hauteurs, normale, yBas + jy * s.pas[1], z[size_t(kz)], v))
                    continue;
                decltype(hu) source[4];
                double poids[4];
                for (int q = 0; q < 4; ++q) {
                    source[q] = hu + v.coupe[q / 2] * tranche + (v.rangee[q / 2] + q % 2) * rangee;
                    poids[q] = v.poids[q / 2][q % 2];
                }
                auto *sortie = sortieVolume + (qint64(kz) * ny + jy) * nc;
                for (int m = 0; m < nc; ++m) {
                    const int i = r[0] > 0 ? m : nc - 1 - m;
                    // A row of one pixel has no second row: its weight is 0, the index stays in the slice.
                    double h = 0.0;
                    for (int q = 0; q < 4; ++q)
                        if (poids[q] != 0.0)
                            h += poids[q] * double(source[q][i]);
                    // Whole HU interpolated stay whole: between two of them, the nearest.
                    if constexpr (std::is_same_v<std::remove_pointer_t<decltype(sortie)>, qint16>)
                        h = std::round(h);
                    sortie[m] = std::remove_pointer_t<decltype(sortie)>(h);
                    bas = std::min(bas, h);
                    haut = std::max(haut, h);
                }
            }
    };
    if (!pile.entiers.empty())
        remplir(pile.entiers.data(), droit.entiers.data());
    else
        remplir(pile.reels.data(), droit.reels.data());
    droit.huMin = bas;
    droit.huMax = haut;
}
