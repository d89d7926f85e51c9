// Writes the pictures of the large-phantom benchmark into a folder: a
// 512 x 512 XY plane, 512 x 256 XZ and YZ planes, the same at twice the size
// (xl-*.bmp), and a 4096 x 4096 picture for the inventory, each with a
// handful of grey levels.
#include <QDir>
#include <QImage>
#include <cstdio>

namespace {

// Concentric bands, so that the three planes agree on many voxels.
QImage bandes(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    const int niveaux[] = {0, 60, 120, 180, 240};
    for (int r = 0; r < hauteur; ++r) {
        QRgb *ligne = reinterpret_cast<QRgb *>(image.scanLine(r));
        for (int c = 0; c < largeur; ++c) {
            const int dx = c - largeur / 2, dy = r - hauteur / 2;
            const int g = niveaux[(dx * dx + dy * dy) / 4096 % 5];
            ligne[c] = qRgb(g, g, g);
        }
    }
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage : bench-images DOSSIER\n");
        return 2;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    const bool ok = bandes(512, 512).save(dossier.filePath("xy.bmp"))
                    && bandes(512, 256).save(dossier.filePath("xz.bmp"))
                    && bandes(512, 256).save(dossier.filePath("yz.bmp"))
                    && bandes(4096, 4096).save(dossier.filePath("grande.bmp"))
                    && bandes(1024, 1024).save(dossier.filePath("xl-xy.bmp"))
                    && bandes(1024, 512).save(dossier.filePath("xl-xz.bmp"))
                    && bandes(1024, 512).save(dossier.filePath("xl-yz.bmp"));
    if (!ok)
        std::fprintf(stderr, "impossible d'écrire les images dans %s\n", argv[1]);
    return ok ? 0 : 1;
}
