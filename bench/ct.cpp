// The CT benchmark's helper:
//   bench-ct serie DOSSIER [COUPES FORME]
//                            writes 200 (or COUPES) slices of 512 x 512 16-bit
//                            pixels (a body of water with lungs and a spine,
//                            in air, with noise) through ITK's GDCM writer;
//                            FORME droite (2 mm steps), inclinee (the same
//                            on a gantry tilted by 15°) or inegale (steps of
//                            1.5 and 2.5 mm in turn);
//   bench-ct lire DOSSIER    reads them as the batch command does, and prints
//                            the time and the HU range;
//   bench-ct structures FICHIER
//                            writes an RT Structure Set of 30 regions over
//                            that series: the body, the lungs, the spine and
//                            26 small organs, a 64-point polygon on every slice;
//   bench-ct temps-structures DOSSIER RAMPE FICHIER
//                            on 140 of the series' slices, times the reading
//                            of those 30 regions and the media they give,
//                            the outside of the body first;
//   bench-ct etapes DOSSIER RAMPE SORTIE [SX,SY,SZ]
//                            times the reading, the build and the write apart.
#include <QElapsedTimer>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "egsphant/egsphant.h"
#include "media/materiaux.h"
#include "scanner/cadre.h"
#include "scanner/fantomect.h"
#include "scanner/rampe.h"
#include "scanner/serie.h"
#include "scanner/volumect.h"
#include "structures/structures.h"
#include "seriect.h"
#include "structuresrt.h"

namespace {

// Noise of ±20 HU, the same on every run.
int bruit(int x, int y, int z)
{
    quint32 h = quint32(x) * 73856093u ^ quint32(y) * 19349663u ^ quint32(z) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return int(h % 41) - 20;
}

// A torso of 0.9765625 mm pixels and 2 mm slices.
int torse(int c, int r, int z)
{
    const double x = (c - 255.5) * 0.9765625, y = (r - 255.5) * 0.9765625;
    auto ellipse = [&](double cx, double cy, double a, double b) {
        return (x - cx) * (x - cx) / (a * a) + (y - cy) * (y - cy) / (b * b) <= 1.0;
    };
    int hu = -1000;
    if (ellipse(0, 0, 170, 120))
        hu = ellipse(-80, -10, 60, 80) || ellipse(80, -10, 60, 80) ? -800 : ellipse(0, 70, 18, 18) ? 700 : 40;
    return hu == -1000 ? hu + std::abs(bruit(c, r, z)) : hu + bruit(c, r, z);
}

// An ellipse of 64 points about (cx, cy) on each of the series' slices.
RegionEssai ellipse(int numero, const std::string &nom, double cx, double cy, double a, double b)
{
    RegionEssai r{numero, nom, "ORGAN", "255\\0\\0", {}};
    for (int k = 0; k < 200; ++k) {
        ContourEssai c;
        for (int p = 0; p < 64; ++p) {
            const double t = p * 2 * M_PI / 64;
            c.points.insert(c.points.end(), {cx + a * std::cos(t), cy + b * std::sin(t), -200.0 + 2.0 * k});
        }
        r.contours.push_back(c);
    }
    return r;
}

bool ecrireStructures(const QString &fichier)
{
    StructuresEssai jeu;
    jeu.regions = {ellipse(1, "BODY", 0, 0, 172, 122), ellipse(2, "POUMON_G", -80, -10, 60, 80),
                   ellipse(3, "POUMON_D", 80, -10, 60, 80), ellipse(4, "RACHIS", 0, 70, 18, 18)};
    for (int k = 0; k < 26; ++k)
        jeu.regions.push_back(ellipse(5 + k, "ORGANE" + std::to_string(k + 1), -125 + 10.0 * k, k % 2 ? 40 : -60, 9, 12));
    QFile f(fichier);
    const QByteArray octets = octetsStructures(jeu);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

// The series of argv[2] and the ramp of argv[3]; the reason on stderr when either is unreadable.
bool lireSerieEtRampe(char **argv, VolumeCT &ct, Rampe &rampe, QString &erreur)
{
    if (lireSerieCT(argv[2], QString(), ct, &erreur) && chargerRampe(argv[3], rampe, &erreur))
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(erreur));
    return false;
}

} // namespace

int etapes(char **argv, const char *tailles)
{
    QElapsedTimer t;
    t.start();
    VolumeCT ct;
    Rampe rampe;
    QString erreur;
    if (!lireSerieEtRampe(argv, ct, rampe, erreur))
        return 1;
    const double lecture = t.nsecsElapsed() / 1e9;
    std::optional<std::array<double, 3>> t3;
    if (tailles)
        t3 = std::array<double, 3>{}, std::sscanf(tailles, "%lf,%lf,%lf", &(*t3)[0], &(*t3)[1], &(*t3)[2]);
    AxeCadre cadre[3];
    Grille grille;
    Geometrie geometrie;
    QList<Materiau> materiaux = materiauxRampe(rampe, {});
    if (!cadrer(ct.axes, std::nullopt, t3, cadre).isEmpty() || !construireFantomeCT(std::move(ct), cadre, rampe, grille, geometrie, &erreur))
        return 1;
    const double construction = t.nsecsElapsed() / 1e9 - lecture;
    if (!enregistrerEgsphant(argv[4], materiaux, grille, geometrie, &erreur)) {
        std::fprintf(stderr, "%s\n", qPrintable(erreur));
        return 1;
    }
    const double ecriture = t.nsecsElapsed() / 1e9 - lecture - construction;
    std::printf("%.3f %.3f %.3f\n", lecture, construction, ecriture);
    return 0;
}

int tempsStructures(char **argv)
{
    VolumeCT ct;
    Rampe rampe;
    QString erreur;
    if (!lireSerieEtRampe(argv, ct, rampe, erreur))
        return 1;
    std::vector<double> bornes;
    for (int k = 0; k <= ct.axes[2].compte; ++k)
        bornes.push_back(ct.axes[2].origine + k * ct.axes[2].taille);
    AxeCadre cadre[3];
    Grille grille;
    Geometrie geometrie;
    if (!cadrer(ct.axes, Boite{{-25, -25, -20.1}, {25, 25, 7.9}}, std::nullopt, cadre).isEmpty()
        || !construireFantomeCT(std::move(ct), cadre, rampe, grille, geometrie, &erreur))
        return 1;
    QElapsedTimer t;
    t.start();
    JeuStructures jeu;
    QList<ChoixStructure> choix;
    DemandeStructures demande{argv[4], "BODY=AIR:0.0012", {}};
    if (!lireStructures(argv[4], jeu, &erreur))
        return 1;
    for (int k = 1; k < jeu.regions.size(); ++k)
        demande.interieurs << jeu.regions[k].nom + "=TITANE:4.5";
    if (!lireChoixStructures(demande, jeu, {}, choix).isEmpty())
        return 1;
    const double lecture = t.nsecsElapsed() / 1e9;
    appliquerStructures(jeu, choix, bornes, geometrie, int(rampe.paliers.size()), grille);
    std::printf("%d %.3f %.3f\n", grille.dimZ, lecture, t.nsecsElapsed() / 1e9 - lecture);
    return 0;
}

int main(int argc, char **argv)
{
    if (argc == 5 && QString(argv[1]) == "temps-structures")
        return tempsStructures(argv);
    if (argc >= 5 && QString(argv[1]) == "etapes")
        return etapes(argv, argc > 5 ? argv[5] : nullptr);
    const QString mode = argc > 1 ? argv[1] : "", dossier = argc > 2 ? argv[2] : "";
    if (mode == "structures" && argc == 3)
        return ecrireStructures(dossier) ? 0 : 1;
    if (mode == "serie" && (argc == 3 || argc == 5)) {
        SerieEssai s;
        s.colonnes = s.rangees = 512;
        s.coupes = argc == 5 ? std::atoi(argv[3]) : 200;
        s.pas[0] = s.pas[1] = 0.9765625;
        s.pas[2] = 2.0;
        s.premier[0] = s.premier[1] = -255.5 * 0.9765625;
        s.premier[2] = -200.0;
        s.hu = torse;
        const QString forme = argc == 5 ? argv[4] : "droite";
        const double a = 15.0 * M_PI / 180.0;
        return ecrireSerie(dossier, s, [&](int z, CoupeEssai &c) {
            if (forme == "inclinee")
                c.orientation = "1\\0\\0\\" + texte(0, std::cos(a), std::sin(a));
            if (forme == "inegale")
                c.position[2] = s.premier[2] + 2.0 * z + (z % 2 ? -0.5 : 0.0);
        }) ? 0 : 1;
    }
    if (argc != 3)
        return 2;
    QElapsedTimer t;
    t.start();
    VolumeCT ct;
    QString erreur;
    if (!lireSerieCT(dossier, QString(), ct, &erreur)) {
        std::fprintf(stderr, "%s\n", qPrintable(erreur));
        return 1;
    }
    std::printf("%.3f %g %g\n", t.nsecsElapsed() / 1e9, ct.huMin, ct.huMax);
    return 0;
}
