// Dose per medium: means, maxima, Dx and the cumulative histograms. Dx are
// found in one pass over a fine histogram of each medium, then only the
// voxels of the bin where the running volume crosses its mark are sorted.
#include "dose/bilandose.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QString>

#include "dose/dose.h"
#include "egsphant/lecture.h"

namespace {

// Running volumes compared with a share of a sum of the same volumes: what
// rounding takes off the sum must not move the mark by a voxel.
constexpr double marge = 1e-9;

constexpr int casesFines = 4096;

std::vector<double> largeurs(const std::vector<double> &bornes)
{
    std::vector<double> l;
    for (size_t i = 0; i + 1 < bornes.size(); ++i)
        l.push_back(bornes[i + 1] - bornes[i]);
    return l;
}

// Calls f(voxel, medium, volume) for every voxel, in file order.
template <typename F>
void parcourir(const Fantome &fantome, const Dose &dose, F f)
{
    const std::vector<double> lx = largeurs(dose.bornes[0]), ly = largeurs(dose.bornes[1]);
    const std::vector<double> lz = largeurs(dose.bornes[2]);
    qint64 v = 0;
    for (int z = 0; z < dose.dim[2]; ++z)
        for (int y = 0; y < dose.dim[1]; ++y) {
            const double section = ly[size_t(y)] * lz[size_t(z)];
            for (int x = 0; x < dose.dim[0]; ++x, ++v)
                f(v, fantome.milieu(v), lx[size_t(x)] * section);
        }
}

int caseFine(double d, double maximum)
{
    return maximum > 0 ? std::min(casesFines - 1, int(d / maximum * casesFines)) : 0;
}

// A mark to find in one medium: the bin it falls in and the volume above that bin.
struct Repere
{
    double part;      // of the medium's volume, 0 to 1
    double *resultat; // where its Dx goes
    int case_ = -1;
    double dessus = 0.0;
};

void calculerDx(const Fantome &fantome, const Dose &dose, std::vector<BilanDoseMilieu> &bilan)
{
    const size_t milieux = bilan.size();
    std::vector<double> fin(milieux * casesFines, 0.0);
    parcourir(fantome, dose, [&](qint64 v, int m, double volume) {
        fin[size_t(m) * casesFines + size_t(caseFine(dose.dose(v), bilan[size_t(m)].maximum))] += volume;
    });
    std::vector<std::vector<Repere>> reperes(milieux);
    for (size_t m = 0; m < milieux; ++m) {
        BilanDoseMilieu &b = bilan[m];
        if (b.voxels == 0)
            continue;
        for (auto [part, resultat] : {std::pair{0.98, &b.d98}, {0.50, &b.d50}, {0.02, &b.d2}}) {
            Repere r{part, resultat};
            const double cible = part * b.volume * (1 - marge);
            double cumul = 0.0;
            for (int c = casesFines - 1; c >= 0; --c) {
                const double suivant = cumul + fin[m * casesFines + size_t(c)];
                if (suivant >= cible || c == 0) {
                    r.case_ = c;
                    r.dessus = cumul;
                    break;
                }
                cumul = suivant;
            }
            reperes[m].push_back(r);
        }
    }
    // The voxels of the bins that hold a mark, sorted by decreasing dose.
    std::vector<std::vector<std::pair<float, double>>> tries(milieux * 3);
    parcourir(fantome, dose, [&](qint64 v, int m, double volume) {
        const int c = caseFine(dose.dose(v), bilan[size_t(m)].maximum);
        for (size_t k = 0; k < reperes[size_t(m)].size(); ++k)
            if (reperes[size_t(m)][k].case_ == c)
                tries[size_t(m) * 3 + k].push_back({dose.doses.get()[v], volume});
    });
    for (size_t m = 0; m < milieux; ++m)
        for (size_t k = 0; k < reperes[m].size(); ++k) {
            const Repere &r = reperes[m][k];
            auto &voxels = tries[m * 3 + k];
            std::sort(voxels.begin(), voxels.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
            const double cible = r.part * bilan[m].volume * (1 - marge);
            double cumul = r.dessus;
            *r.resultat = voxels.empty() ? 0.0 : double(voxels.back().first);
            for (const auto &[d, volume] : voxels) {
                cumul += volume;
                if (cumul >= cible) {
                    *r.resultat = double(d);
                    break;
                }
            }
        }
}

} // namespace

double doseMaximale(const Dose &dose)
{
    const float *d = dose.doses.get();
    return d ? double(*std::max_element(d, d + dose.nombreVoxels())) : 0.0;
}

std::vector<BilanDoseMilieu> bilanDose(const Fantome &fantome, const Dose &dose)
{
    std::vector<BilanDoseMilieu> bilan(size_t(fantome.noms.size()));
    std::vector<double> sommeDose(bilan.size()), sommeIncertitude(bilan.size()), volumeHaut(bilan.size());
    const double moitie = 0.5 * doseMaximale(dose);
    parcourir(fantome, dose, [&](qint64 v, int m, double volume) {
        BilanDoseMilieu &b = bilan[size_t(m)];
        const double d = dose.dose(v);
        ++b.voxels;
        b.volume += volume;
        sommeDose[size_t(m)] += d * volume;
        b.maximum = std::max(b.maximum, d);
        if (dose.aIncertitudes() && d >= moitie) {
            sommeIncertitude[size_t(m)] += dose.incertitude(v) * volume;
            volumeHaut[size_t(m)] += volume;
        }
    });
    for (size_t m = 0; m < bilan.size(); ++m) {
        if (bilan[m].voxels > 0)
            bilan[m].moyenne = sommeDose[m] / bilan[m].volume;
        if (volumeHaut[m] > 0)
            bilan[m].incertitude = 100.0 * sommeIncertitude[m] / volumeHaut[m];
    }
    calculerDx(fantome, dose, bilan);
    return bilan;
}

std::vector<std::vector<double>> histogrammeCumule(const Fantome &fantome, const Dose &dose, double doseMax, int pas)
{
    const size_t milieux = size_t(fantome.noms.size());
    std::vector<std::vector<double>> volumes(milieux, std::vector<double>(size_t(pas) + 1, 0.0));
    std::vector<double> total(milieux, 0.0);
    const auto seuil = [&](int k) { return k * doseMax / pas; };
    parcourir(fantome, dose, [&](qint64 v, int m, double volume) {
        const double d = dose.dose(v);
        // The highest k whose dose the voxel reaches, as the rows print it.
        int k = doseMax > 0 ? std::clamp(int(d / doseMax * pas), 0, pas) : pas;
        while (k < pas && d >= seuil(k + 1))
            ++k;
        while (k > 0 && d < seuil(k))
            --k;
        volumes[size_t(m)][size_t(k)] += volume;
        total[size_t(m)] += volume;
    });
    for (size_t m = 0; m < milieux; ++m) {
        double cumul = 0.0;
        for (int k = pas; k >= 0; --k) {
            cumul += volumes[m][size_t(k)];
            volumes[m][size_t(k)] = total[m] > 0 ? 100.0 * cumul / total[m] : 0.0;
        }
    }
    return volumes;
}

QString nombreDose(double v)
{
    return QString::asprintf("%.6g", v);
}

QByteArray texteHistogrammeCumule(const Fantome &fantome, const Dose &dose)
{
    const double maximum = doseMaximale(dose);
    const std::vector<std::vector<double>> hdv = histogrammeCumule(fantome, dose, maximum, pasHistogramme);
    QString texte = "dose";
    for (const QString &nom : fantome.noms)
        texte += ',' + nom.trimmed();
    texte += '\n';
    for (int k = 0; k <= pasHistogramme; ++k) {
        texte += nombreDose(k * maximum / pasHistogramme);
        for (const std::vector<double> &milieu : hdv)
            texte += ',' + nombreDose(milieu[size_t(k)]);
        texte += '\n';
    }
    return texte.toUtf8();
}

