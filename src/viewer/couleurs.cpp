#include "viewer/couleurs.h"

#include <QColor>

#include <algorithm>
#include <cmath>

QRgb couleurMilieu(int m)
{
    // Ten well-told-apart colours first, then hues a golden angle apart.
    static const QRgb premieres[] = {0x1f77b4, 0xff7f0e, 0x2ca02c, 0xd62728, 0x9467bd,
                                     0x8c564b, 0xe377c2, 0x7f7f7f, 0xbcbd22, 0x17becf};
    if (m >= 0 && m < 10)
        return premieres[m] | 0xff000000;
    const int k = m - 10;
    const int teinte = int(std::fmod(k * 137.508 + 20.0, 360.0));
    const int saturation = k % 2 ? 150 : 230;
    const int valeur = k % 3 == 0 ? 240 : k % 3 == 1 ? 170 : 110;
    return QColor::fromHsv(teinte, saturation, valeur).rgb();
}

QRgb couleurDensite(double t)
{
    static const int arrets[][3] = {{0, 0, 4}, {87, 16, 110}, {188, 55, 84}, {249, 142, 9}, {252, 255, 164}};
    if (!(t > 0))
        t = 0;
    t = std::min(t, 1.0) * 4;
    const int i = std::min(int(t), 3);
    const double f = t - i;
    int c[3];
    for (int k = 0; k < 3; ++k)
        c[k] = int(std::lround(arrets[i][k] + f * (arrets[i + 1][k] - arrets[i][k])));
    return qRgb(c[0], c[1], c[2]);
}
