#include "scanner/redressement.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

#include "model/partage.h"
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

// A voxel outside the scanned region, until the ramp's lower bound takes its place.
template <typename Sortie>
constexpr Sortie horsCoupes()
{
    if constexpr (std::is_same_v<Sortie, qint16>)
        return huHorsCoupes;
    else
        return std::numeric_limits<Sortie>::quiet_NaN();
}

// What every straight row needs to find its neighbours.
struct Rangees
{
    const SerieInclinee &serie;
    const std::vector<double> &hauteurs;
    const double *normale;
    double yBas;
    const std::vector<double> &z;
    int ny;
};

// Whole HU interpolated stay whole: between two of them, the nearest, half
// away from zero as std::round, but without a call or a branch on the
// fraction, which no predictor guesses. HU fit in 32 bits.
inline double arrondi(double h)
{
    const double a = std::abs(h), entier = double(qint32(a));
    return std::copysign(entier + double(a - entier >= 0.5), h);
}

// On x86-64, a row is blended four doubles at a time where the processor
// has AVX2, two elsewhere: the same operations in the same order, so the
// same bits (AVX2 alone brings no fused multiply-add, rounded once).
#if defined(__x86_64__) && defined(__GNUC__)
#define QUARVEL_AVX2 __attribute__((target_clones("avx2", "default")))
#else
#define QUARVEL_AVX2
#endif

// One straight row from its M weighing neighbours; widens [bas, haut] to
// its HU. Whole HU find their range apart, as integers, so that neither
// loop waits on a comparison of doubles.
template <int M, typename Hu, typename Sortie>
QUARVEL_AVX2 void remplirRangee(const Hu *const source[4], const double poids[4], Sortie *sortie, int nc, double &bas, double &haut)
{
    constexpr bool entiers = std::is_same_v<Sortie, qint16>;
    double b = bas, h = haut;
    for (int i = 0; i < nc; ++i) {
        double v = 0.0;
        for (int q = 0; q < M; ++q)
            v += poids[q] * double(source[q][i]);
        if constexpr (entiers) {
            sortie[i] = Sortie(arrondi(v));
        } else {
            sortie[i] = Sortie(v);
            b = std::min(b, v);
            h = std::max(h, v);
        }
    }
    if constexpr (entiers) {
        qint16 plus = sortie[0], moins = sortie[0];
        for (int i = 1; i < nc; ++i) {
            moins = std::min(moins, sortie[i]);
            plus = std::max(plus, sortie[i]);
        }
        b = std::min(b, double(moins));
        h = std::max(h, double(plus));
    }
    bas = b;
    haut = h;
}

// The straight rows [debut, fin) (y fastest, then z): along a row only x
// varies, so its neighbours and their weights are found once per row.
template <typename Hu, typename Sortie>
void remplir(const Rangees &g, const Hu *hu, Sortie *volume, qint64 debut, qint64 fin, double &bas, double &haut)
{
    const SerieInclinee &s = g.serie;
    const int nc = s.pixels->axes[0].compte;
    const qint64 rangee = nc, tranche = rangee * s.pixels->axes[1].compte;
    for (qint64 l = debut; l < fin; ++l) {
        Voisins v;
        if (!voisins(s, g.hauteurs, g.normale, g.yBas + int(l % g.ny) * s.pas[1], g.z[size_t(l / g.ny)], v)) {
            std::fill(volume + l * nc, volume + (l + 1) * nc, horsCoupes<Sortie>());
            continue;
        }
        // Only the neighbours that weigh: a row of one pixel has no second
        // row, its weight 0 and its index outside the slice.
        const Hu *source[4];
        double poids[4];
        int m = 0;
        for (int q = 0; q < 4; ++q)
            if (v.poids[q / 2][q % 2] != 0.0) {
                source[m] = hu + v.coupe[q / 2] * tranche + (v.rangee[q / 2] + q % 2) * rangee;
                poids[m++] = v.poids[q / 2][q % 2];
            }
        Sortie *sortie = volume + l * nc;
        switch (m) {
        case 4: remplirRangee<4>(source, poids, sortie, nc, bas, haut); break;
        case 3: remplirRangee<3>(source, poids, sortie, nc, bas, haut); break;
        case 2: remplirRangee<2>(source, poids, sortie, nc, bas, haut); break;
        default: remplirRangee<1>(source, poids, sortie, nc, bas, haut); break;
        }
        // Rows running towards -x: the straight x increase the other way.
        if (s.rangees[0] < 0)
            std::reverse(sortie, sortie + nc);
    }
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
    // Every row is written below, those outside the scanned region too:
    // the 16-bit volume is not filled first.
    if (pile.entiers.empty())
        droit.reels.resize(n);
    else
        droit.entiers.resize(n);
    // Rows in fixed pieces between the cores; each voxel depends on the
    // series alone, so the volume is the same whatever their number.
    const qint64 rangees = qint64(ny) * nz;
    const int pieces = nombrePieces(qint64(n));
    std::vector<double> bas(size_t(pieces), INFINITY), haut(size_t(pieces), -INFINITY);
    const Rangees lignes{s, hauteurs, normale, yBas, z, ny};
    enPieces(rangees, pieces, [&](qint64 debut, qint64 fin, int p) {
        if (!pile.entiers.empty())
            remplir(lignes, pile.entiers.data(), droit.entiers.data(), debut, fin, bas[size_t(p)], haut[size_t(p)]);
        else
            remplir(lignes, pile.reels.data(), droit.reels.data(), debut, fin, bas[size_t(p)], haut[size_t(p)]);
    });
    droit.huMin = *std::min_element(bas.begin(), bas.end());
    droit.huMax = *std::max_element(haut.begin(), haut.end());
}
