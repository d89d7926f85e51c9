// Helper of ./bench.sh: phantoms of one grid, one with few densities as
// planes give, one with a density per voxel as a CT gives, and a dose for
// them as DOSXYZnrc writes it (26 characters a number, one line of doses,
// one of uncertainties).
//   bench-dose DOSSIER NX NY NZ
// or times the read of a dose file alone:
//   bench-dose lire FICHIER.3ddose
#include <QElapsedTimer>
#include <QFile>

#include <cmath>
#include <cstdio>
#include <string>

#include "dose/dose.h"
#include "egsphant/egsphant.h"
#include "egsphant/reel.h"

namespace {

bool ecrire(const QString &chemin, const std::string &texte)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(texte.data(), qint64(texte.size())) == qint64(texte.size());
}

// A smooth density over the grid, with a little noise, as CT numbers give.
double densite(int x, int y, int z)
{
    const double r = std::hypot(x - 128.0, y - 128.0) / 128.0;
    const double bruit = ((x * 7919 + y * 104729 + z * 1299709) % 1000) / 1000.0;
    return r > 0.9 ? 0.0012 + 0.001 * bruit : 1.0 + 0.8 * std::fabs(std::sin(r * 9 + z * 0.01)) + 0.01 * bruit;
}

std::string entete(int n[3], bool fantome)
{
    std::string t = fantome ? "3\nAIR\nEAU\nOS\n0.0012 1.0 1.85\n" : "";
    t += std::to_string(n[0]) + ' ' + std::to_string(n[1]) + ' ' + std::to_string(n[2]) + '\n';
    char nombre[64];
    for (int a = 0; a < 3; ++a) {
        for (int i = 0; i <= n[a]; ++i) {
            std::snprintf(nombre, sizeof nombre, fantome ? "%.4f " : "%16.8f ", i * 0.1);
            t += nombre;
        }
        t += '\n';
    }
    return t;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::string(argv[1]) == "lire") {
        QElapsedTimer t;
        t.start();
        Dose dose;
        QString erreur;
        if (!lireDose(QString::fromLocal8Bit(argv[2]), dose, &erreur)) {
            std::fprintf(stderr, "%s\n", qPrintable(erreur));
            return 1;
        }
        std::printf("%.3f\n", t.nsecsElapsed() / 1e9);
        return 0;
    }
    if (argc != 5)
        return 2;
    const QString dossier = QString::fromLocal8Bit(argv[1]);
    int n[3] = {std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4])};
    std::string carte, plan, ct;
    for (int z = 0; z < n[2]; ++z) {
        for (int y = 0; y < n[1]; ++y) {
            for (int x = 0; x < n[0]; ++x) {
                const double d = densite(x, y, z);
                carte += d < 0.5 ? '1' : d < 1.4 ? '2' : '3';
            }
            carte += '\n';
        }
        carte += '\n';
    }
    char texte[longueurReelMax + 1];
    for (int z = 0; z < n[2]; ++z) {
        for (int y = 0; y < n[1]; ++y) {
            for (int x = 0; x < n[0]; ++x) {
                const double d = densite(x, y, z);
                plan.append(texte, size_t(formatReel(d < 0.5 ? 0.0012 : d < 1.4 ? 1.0 : 1.85, texte)));
                plan += ' ';
                ct.append(texte, size_t(formatReel(d, texte)));
                ct += ' ';
            }
            plan += '\n';
            ct += '\n';
        }
        plan += '\n';
        ct += '\n';
    }
    std::string dose = entete(n, false);
    const long voxels = long(n[0]) * n[1] * n[2];
    char nombre[64];
    for (long v = 0; v < voxels; ++v) {
        std::snprintf(nombre, sizeof nombre, "%26.16E", 1e-10 * (1 + std::sin(v * 0.001)));
        dose += nombre;
    }
    dose += '\n';
    for (long v = 0; v < voxels; ++v) {
        std::snprintf(nombre, sizeof nombre, "%26.16E", 0.01 + 0.4 * ((v * 7919) % 1000) / 1000.0);
        dose += nombre;
    }
    dose += '\n';
    const std::string tete = entete(n, true);
    const bool ecrits = ecrire(dossier + "/plan.egsphant", tete + carte + plan)
                        && ecrire(dossier + "/ct.egsphant", tete + carte + ct) && ecrire(dossier + "/dose.3ddose", dose);
    return ecrits ? 0 : 1;
}
