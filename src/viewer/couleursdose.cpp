#include "viewer/couleursdose.h"

#include <QColor>

#include <algorithm>
#include <cmath>

QRgb couleurDose(double t)
{
    // Hue from 240° (blue) down to 0° (red), full saturation and value.
    const double u = t > 0 ? std::min(t, 1.0) : 0.0;
    return QColor::fromHsvF(float((1.0 - u) * 240.0 / 360.0), 1.0f, 1.0f).rgb();
}

QRgb melanger(QRgb c, QRgb w, double a)
{
    const auto canal = [a](int x, int y) { return int(std::lround(x + a * (y - x))); };
    return qRgb(canal(qRed(c), qRed(w)), canal(qGreen(c), qGreen(w)), canal(qBlue(c), qBlue(w)));
}
