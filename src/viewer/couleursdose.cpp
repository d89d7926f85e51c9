#include "viewer/couleursdose.h"

#include <QColor>

#include <algorithm>
#include <array>

namespace {

// Hue from 240° (blue) down to 0° (red), full saturation and value, in 1024
// steps: a table, as a slice asks it for every voxel.
constexpr int pas = 1023;

const std::array<QRgb, pas + 1> &palette()
{
    static const std::array<QRgb, pas + 1> table = [] {
        std::array<QRgb, pas + 1> t;
        for (int i = 0; i <= pas; ++i)
            t[size_t(i)] = QColor::fromHsvF(float((1.0 - double(i) / pas) * 240.0 / 360.0), 1.0f, 1.0f).rgb();
        return t;
    }();
    return table;
}

} // namespace

QRgb couleurDose(double t)
{
    const double u = t > 0 ? std::min(t, 1.0) : 0.0;
    return palette()[size_t(u * pas + 0.5)];
}

QRgb melanger(QRgb c, QRgb w, double a)
{
    const int poids = int(a * 256 + 0.5);
    const auto canal = [poids](int x, int y) { return x + (((y - x) * poids + 128) >> 8); };
    return qRgb(canal(qRed(c), qRed(w)), canal(qGreen(c), qGreen(w)), canal(qBlue(c), qBlue(w)));
}
