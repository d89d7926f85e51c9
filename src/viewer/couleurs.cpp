#include "viewer/couleurs.h"

#include <QColor>
#include <QString>

#include <algorithm>
#include <cmath>

QRgb couleurMilieu(const QString &nom)
{
    // FNV-1a over the name's bytes, then mixed so that names a letter apart
    // land far apart: a fixed rule, unlike QHash and its per-run seed.
    quint32 h = 2166136261u;
    for (const char c : nom.trimmed().toUtf8()) {
        h ^= quint8(c);
        h *= 16777619u;
    }
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    const int teinte = int(h % 360);
    const int saturation = (h >> 9) % 2 ? 150 : 230;
    const int valeur = 240 - 50 * int((h >> 10) % 3);
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
