// Times the viewer on a phantom file, offscreen: opening it, then moving each
// slider through every slice with a redraw each time.
//   bench-vue FICHIER
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QElapsedTimer>
#include <QSlider>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "viewer/fenetrevue.h"

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage : bench-vue FICHIER\n");
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
    const char *noms[3] = {"XY", "XZ", "YZ"};
    for (int coloration = 0; coloration < 2; ++coloration) {
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
                        coloration ? "densite" : "milieux", int(ms.size()), fenetre.vues[i]->width(),
                        fenetre.vues[i]->height(), ms[ms.size() / 2], ms.back());
        }
    }
    return 0;
}
