#include "egsphant/bilan.h"

#include <cmath>
#include <algorithm>
#include <cstring>

#include "egsphant/lecture.h"

namespace {

std::vector<double> largeurs(const std::vector<double> &bornes)
{
    std::vector<double> l;
    for (size_t i = 0; i + 1 < bornes.size(); ++i)
        l.push_back(std::fabs(bornes[i + 1] - bornes[i]));
    return l;
}

// Sum of the widths before each edge: a run of voxels from a to b spans
// debuts[b] - debuts[a].
std::vector<double> debuts(const std::vector<double> &l)
{
    std::vector<double> d{0.0};
    for (double w : l)
        d.push_back(d.back() + w);
    return d;
}

quint64 huit(const quint8 *p)
{
    quint64 w;
    std::memcpy(&w, p, 8);
    return w;
}

template <typename Cle>
bool pareils(const Cle *c, Cle valeur)
{
    bool oui = true;
    for (int i = 0; i < 8; ++i)
        oui &= c[i] == valeur;
    return oui;
}

// Rows go by runs of voxels of one medium and one density: a run adds its
// length, its width times the row's section, and that times its density.
template <typename Cle, typename Densite>
void sommer(const Fantome &f, std::vector<BilanMilieu> &bilan, const Cle *cles, Densite densite)
{
    const std::vector<double> px = debuts(largeurs(f.bornes[0]));
    const std::vector<double> ly = largeurs(f.bornes[1]), lz = largeurs(f.bornes[2]);
    const quint8 *milieux = f.milieux.get();
    const int n = f.dim[0];
    for (int z = 0; z < f.dim[2]; ++z) {
        for (int y = 0; y < f.dim[1]; ++y) {
            const double section = ly[size_t(y)] * lz[size_t(z)];
            const qint64 ligne = (qint64(z) * f.dim[1] + y) * n;
            const quint8 *m = milieux + ligne;
            const Cle *c = cles + ligne;
            int debut = 0;
            for (int x = 1; x <= n; ++x) {
                // Eight voxels at a time while the run goes on.
                const quint64 m8 = quint64(m[debut]) * 0x0101010101010101u;
                while (x + 8 <= n && huit(m + x) == m8 && pareils(c + x, c[debut]))
                    x += 8;
                if (x < n && m[x] == m[debut] && c[x] == c[debut])
                    continue;
                BilanMilieu &b = bilan[m[debut]];
                const double volume = (px[size_t(x)] - px[size_t(debut)]) * section;
                b.voxels += x - debut;
                b.volume += volume;
                b.masse += densite(c[debut]) * volume;
                debut = x;
            }
        }
    }
}

// A density per voxel, as a CT gives, makes runs of one: voxel by voxel,
// each row's masses summed per medium before they meet the others. A run
// of one medium sums in registers, in the same order: going through memory
// at each voxel waited on the store before.
void sommerVoxels(const Fantome &f, std::vector<BilanMilieu> &bilan, const float *densites)
{
    const std::vector<double> lx = largeurs(f.bornes[0]), ly = largeurs(f.bornes[1]), lz = largeurs(f.bornes[2]);
    const quint8 *milieux = f.milieux.get();
    const int n = f.dim[0];
    std::vector<double> longueur(bilan.size()), masse(bilan.size());
    std::vector<qint64> voxels(bilan.size());
    for (int z = 0; z < f.dim[2]; ++z) {
        for (int y = 0; y < f.dim[1]; ++y) {
            const double section = ly[size_t(y)] * lz[size_t(z)];
            const qint64 ligne = (qint64(z) * f.dim[1] + y) * n;
            const quint8 *m = milieux + ligne;
            const float *d = densites + ligne;
            std::fill(longueur.begin(), longueur.end(), 0.0);
            std::fill(masse.begin(), masse.end(), 0.0);
            for (int debut = 0, x = 0; debut < n; debut = x) {
                double l = longueur[m[debut]], s = masse[m[debut]];
                for (x = debut; x < n && m[x] == m[debut]; ++x) {
                    l += lx[size_t(x)];
                    s += double(d[x]) * lx[size_t(x)];
                }
                voxels[m[debut]] += x - debut;
                longueur[m[debut]] = l;
                masse[m[debut]] = s;
            }
            for (size_t m = 0; m < bilan.size(); ++m) {
                bilan[m].volume += longueur[m] * section;
                bilan[m].masse += masse[m] * section;
            }
        }
    }
    for (size_t m = 0; m < bilan.size(); ++m)
        bilan[m].voxels = voxels[m];
}

} // namespace

std::vector<BilanMilieu> bilanMilieux(const Fantome &f)
{
    std::vector<BilanMilieu> bilan(size_t(f.noms.size()));
    if (f.nombreVoxels() == 0 || !f.milieux || !f.densitesVoxels)
        return bilan;
    if (f.densitesDirectes) {
        sommerVoxels(f, bilan, static_cast<const float *>(f.densitesVoxels.get()));
    } else {
        const double *table = f.valeursDensite.data();
        sommer(f, bilan, static_cast<const quint16 *>(f.densitesVoxels.get()), [table](quint16 p) { return table[p]; });
    }
    return bilan;
}
