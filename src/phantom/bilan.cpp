#include "phantom/bilan.h"

#include <cmath>

#include "phantom/lecture.h"

namespace {

std::vector<double> largeurs(const std::vector<double> &bornes)
{
    std::vector<double> l;
    for (size_t i = 0; i + 1 < bornes.size(); ++i)
        l.push_back(std::fabs(bornes[i + 1] - bornes[i]));
    return l;
}

template <typename Densite>
void sommer(const Fantome &f, std::vector<BilanMilieu> &bilan, Densite densite)
{
    const std::vector<double> lx = largeurs(f.bornes[0]), ly = largeurs(f.bornes[1]), lz = largeurs(f.bornes[2]);
    const quint8 *milieux = f.milieux.get();
    qint64 v = 0;
    for (int z = 0; z < f.dim[2]; ++z) {
        for (int y = 0; y < f.dim[1]; ++y) {
            const double section = ly[size_t(y)] * lz[size_t(z)];
            for (int x = 0; x < f.dim[0]; ++x, ++v) {
                BilanMilieu &b = bilan[milieux[v]];
                const double volume = lx[size_t(x)] * section;
                ++b.voxels;
                b.volume += volume;
                b.masse += densite(v) * volume;
            }
        }
    }
}

} // namespace

std::vector<BilanMilieu> bilanMilieux(const Fantome &f)
{
    std::vector<BilanMilieu> bilan(size_t(f.noms.size()));
    if (f.nombreVoxels() == 0 || !f.milieux || !f.densitesVoxels)
        return bilan;
    if (f.densitesDirectes) {
        const float *valeurs = static_cast<const float *>(f.densitesVoxels.get());
        sommer(f, bilan, [valeurs](qint64 v) { return double(valeurs[v]); });
    } else {
        const quint16 *places = static_cast<const quint16 *>(f.densitesVoxels.get());
        const double *table = f.valeursDensite.data();
        sommer(f, bilan, [places, table](qint64 v) { return table[places[v]]; });
    }
    return bilan;
}
