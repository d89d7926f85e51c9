#include "scanner/apercuct.h"

#include <algorithm>
#include <cmath>

#include "scanner/volumect.h"

QImage coupeAxialeCT(const VolumeCT &ct, int z, double niveau, double largeur)
{
    const int nx = ct.axes[0].compte, ny = ct.axes[1].compte;
    if (z < 0 || z >= ct.axes[2].compte || nx <= 0 || ny <= 0 || !(largeur > 0))
        return QImage();
    QImage image(nx, ny, QImage::Format_Grayscale8);
    const double bas = niveau - largeur / 2.0;
    for (int y = 0; y < ny; ++y) {
        uchar *ligne = image.scanLine(y);
        const qint64 debut = (qint64(z) * ny + y) * nx;
        for (int x = 0; x < nx; ++x) {
            const double hu = ct.hu(debut + x); // NaN, or huHorsCoupes: outside a tilted series' slices, black
            ligne[x] = std::isnan(hu) ? 0 : uchar(std::lround(std::clamp((hu - bas) / largeur, 0.0, 1.0) * 255.0));
        }
    }
    return image;
}
