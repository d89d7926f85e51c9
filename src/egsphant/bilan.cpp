#include "egsphant/bilan.h"

#include <QSemaphore>
#include <QThreadPool>
#include <QtAlgorithms>

#include <algorithm>
#include <cmath>
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

// One row of a density per voxel, as a CT gives, which makes runs of one:
// its lengths and masses per medium, summed voxel by voxel in a run; the
// media met, as bits. A run of one medium sums in registers: going through
// memory at each voxel waited on the store before.
quint64 sommerRangee(const quint8 *m, const float *d, int n, const double *lx, double *longueur, double *masse,
                     qint64 *voxels)
{
    quint64 presents = 0;
    for (int debut = 0, x = 0; debut < n; debut = x) {
        const int k = m[debut];
        const bool vu = presents >> k & 1;
        double l = vu ? longueur[k] : 0.0, s = vu ? masse[k] : 0.0;
        for (x = debut; x < n && m[x] == k; ++x) {
            l += lx[x];
            s += double(d[x]) * lx[x];
        }
        voxels[k] += x - debut;
        longueur[k] = l;
        masse[k] = s;
        presents |= quint64(1) << k;
    }
    return presents;
}

// Rows summed apart, each its own sums, then met in row order: a row's sums
// are the same on any thread, so the rows of each stretch go half to a
// second thread, kept for the whole walk, and the totals stay bit for bit.
void sommerVoxels(const Fantome &f, std::vector<BilanMilieu> &bilan, const float *densites)
{
    const std::vector<double> lx = largeurs(f.bornes[0]), ly = largeurs(f.bornes[1]), lz = largeurs(f.bornes[2]);
    const int n = f.dim[0], milieux = int(bilan.size());
    const qint64 rangees = qint64(f.dim[1]) * f.dim[2];
    // A stretch's sums within half a megabyte, whatever the media.
    const qint64 etendue = std::max<qint64>(2, (qint64(1) << 15) / milieux);
    std::vector<double> longueurs(size_t(etendue * milieux)), masses(longueurs.size());
    std::vector<quint64> presents(static_cast<size_t>(etendue));
    std::vector<qint64> voxels[2] = {std::vector<qint64>(size_t(milieux)), std::vector<qint64>(size_t(milieux))};
    const auto sommer = [&](qint64 r0, qint64 debut, qint64 fin, int fil) {
        for (qint64 r = debut; r < fin; ++r) {
            const qint64 i = r - r0, ligne = r * n;
            presents[size_t(i)] = sommerRangee(f.milieux.get() + ligne, densites + ligne, n, lx.data(),
                                               &longueurs[size_t(i * milieux)], &masses[size_t(i * milieux)],
                                               voxels[fil].data());
        }
    };
    QThreadPool second;
    second.setMaxThreadCount(1);
    second.setExpiryTimeout(-1);
    const bool deux = f.nombreVoxels() >= (qint64(1) << 20);
    for (qint64 r0 = 0; r0 < rangees; r0 += etendue) {
        const qint64 r1 = std::min(rangees, r0 + etendue), moitie = deux ? r0 + (r1 - r0) / 2 : r1;
        QSemaphore fait;
        if (deux)
            second.start([&] {
                sommer(r0, moitie, r1, 1);
                fait.release();
            });
        sommer(r0, r0, moitie, 0);
        if (deux)
            fait.acquire();
        for (qint64 r = r0; r < r1; ++r) {
            const double section = ly[size_t(r % f.dim[1])] * lz[size_t(r / f.dim[1])];
            const qint64 i = r - r0;
            // A medium not in the row would add 0 to its sums: no change.
            for (quint64 bits = presents[size_t(i)]; bits; bits &= bits - 1) {
                const int m = int(qCountTrailingZeroBits(bits));
                bilan[size_t(m)].volume += longueurs[size_t(i * milieux + m)] * section;
                bilan[size_t(m)].masse += masses[size_t(i * milieux + m)] * section;
            }
        }
    }
    for (int m = 0; m < milieux; ++m)
        bilan[size_t(m)].voxels = voxels[0][size_t(m)] + voxels[1][size_t(m)];
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
