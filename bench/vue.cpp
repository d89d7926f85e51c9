// Times the viewer on a phantom file, offscreen: opening it, then moving each
// slider through every slice with a redraw each time.
//   bench-vue FICHIER [DOSE]
// With a dose: its opening, the slices again with its wash and isodoses, and
// the profiles following the cursor along a diagonal.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QElapsedTimer>
#include <QSlider>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "viewer/fenetrevue.h"
#include "viewer/profils.h"

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage : bench-vue FICHIER [DOSE]\n");
        return 2;
    }
    FenetreVue fenetre;
    fenetre.resize(1200, 1000);
    fenetre.show();
    QElapsedTimer t;
    t.start();
    if (!fenetre.ouvrir(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "%s\n", qPrintable(fenetre.etat->text()));
        return 1;
    }
    fenetre.grab();
    std::printf("ouverture %.3f s\n", t.nsecsElapsed() / 1e9);
    const bool dose = argc == 3;
    if (dose) {
        t.restart();
        if (!fenetre.ouvrirDose(QString::fromLocal8Bit(argv[2]))) {
            std::fprintf(stderr, "%s\n", qPrintable(fenetre.etat->text()));
            return 1;
        }
        fenetre.grab();
        std::printf("ouverture de la dose %.3f s\n", t.nsecsElapsed() / 1e9);
        // The profiles and the histograms' mark following the cursor, each drawn.
        fenetre.onglets->setCurrentWidget(fenetre.profils);
        std::vector<double> ms;
        const int n = std::min(
            {fenetre.curseurs[0]->maximum(), fenetre.curseurs[1]->maximum(), fenetre.curseurs[2]->maximum()});
        for (int k = 0; k <= n; ++k) {
            t.restart();
            fenetre.profils->suivre({k, k, k});
            fenetre.profils->grab();
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        std::sort(ms.begin(), ms.end());
        std::printf("profils (%d voxels) mediane %.2f ms, max %.2f ms\n", int(ms.size()), ms[ms.size() / 2], ms.back());
    }
    const char *noms[3] = {"XY", "XZ", "YZ"};
    for (int coloration = 0; coloration < (dose ? 1 : 2); ++coloration) {
        fenetre.choixColoration->setCurrentIndex(coloration);
        for (int i = 0; i < 3; ++i) {
            std::vector<double> ms;
            for (int p = 0; p <= fenetre.curseurs[i]->maximum(); ++p) {
                t.restart();
                fenetre.curseurs[i]->setValue(p);
                fenetre.vues[i]->grab(); // the whole paint, as the screen would get it
                ms.push_back(t.nsecsElapsed() / 1e6);
            }
            std::sort(ms.begin(), ms.end());
            std::printf("curseur %s (%s, %d coupes %dx%d px) mediane %.2f ms, max %.2f ms\n", noms[i],
                        dose ? "dose" : coloration ? "densite" : "milieux", int(ms.size()), fenetre.vues[i]->width(),
                        fenetre.vues[i]->height(), ms[ms.size() / 2], ms.back());
        }
    }
    return 0;
}
