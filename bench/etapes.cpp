// Times the inner steps on the benchmark's inputs and prints, for each, the
// median and the spread of several runs in milliseconds:
//   bench-etapes GRANDE_IMAGE PEGS4_FILE XY XZ YZ
#include <QElapsedTimer>
#include <QFile>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sstream>
#include <vector>

#include "images/chargement.h"
#include "images/inventaire.h"
#include "media/pegs.h"
#include "phantom/construction.h"
#include "egsphant/egsphant.h"

namespace {

void mesurer(const char *nom, int fois, const std::function<void()> &etape)
{
    std::vector<double> ms;
    for (int i = 0; i < fois; ++i) {
        QElapsedTimer t;
        t.start();
        etape();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s median %8.2f ms   min %8.2f   max %8.2f   (%d runs)\n", nom, ms[ms.size() / 2], ms.front(),
                ms.back(), fois);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage : bench-etapes GRANDE_IMAGE PEGS4 XY XZ YZ\n");
        return 2;
    }
    const QImage grande = chargerImage(QString::fromLocal8Bit(argv[1]));
    mesurer("inventaire 4096 x 4096", 7, [&] {
        QVector<int> niveaux;
        ajouterNiveauxGris(grande, niveaux);
    });

    const QString pegs = QString::fromLocal8Bit(argv[2]);
    mesurer("lecture PEGS4", 7, [&] {
        QList<Milieu> milieux;
        std::ostringstream trace;
        lireFichierPegs(pegs, milieux, trace, nullptr);
    });

    const QImage xy = chargerImage(QString::fromLocal8Bit(argv[3]));
    const QImage xz = chargerImage(QString::fromLocal8Bit(argv[4]));
    const QImage yz = chargerImage(QString::fromLocal8Bit(argv[5]));
    QList<Materiau> materiaux;
    for (int g : {240, 180, 120, 60, 0})
        materiaux << Materiau(g, "MILIEU" + QString::number(g), 1.0 + g / 100.0);
    numeroterMateriaux(materiaux);
    Grille grille;
    mesurer("grille 512 x 512 x 256", 5, [&] {
        grille = Grille();
        initialiserGrille(grille, 512, 512, 256, nullptr);
        intersecterPlans(grille, xy, xz, yz, tableNiveaux(materiaux));
    });
    mesurer("taille du texte", 5, [&] { tailleTexteEgsphant(materiaux, grille, Geometrie()); });
    mesurer("texte egsphant (sans disque)", 5, [&] {
        QFile nulle("/dev/null");
        nulle.open(QIODevice::WriteOnly);
        ecrireEgsphant(nulle, materiaux, grille, Geometrie(), nullptr);
    });
    return 0;
}
