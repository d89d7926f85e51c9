#include "viewer/couleurs.h"

#include <QColor>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Hues of a CT's usual media, 55 degrees apart or more: blue air, violet
// lung, red tissue, yellow bone.
struct Famille
{
    const char *prefixes[2];
    int teinte, saturation, valeur;
};
const Famille familles[] = {{{"AIR", nullptr}, 210, 170, 235},
                            {{"LUNG", nullptr}, 285, 150, 215},
                            {{"ICRUTISSUE", "TISSUE"}, 0, 170, 225},
                            {{"ICRPBONE", "BONE"}, 55, 200, 245}};

// Below this distance (CIE 1976 L*a*b*) two colours of one phantom are too
// alike to tell apart at a glance.
constexpr double distanceMin = 30.0;

// sRGB to CIE L*a*b* (D65), the space where distances follow the eye.
std::array<double, 3> lab(QRgb c)
{
    auto lineaire = [](int v) {
        const double u = v / 255.0;
        return u <= 0.04045 ? u / 12.92 : std::pow((u + 0.055) / 1.055, 2.4);
    };
    const double r = lineaire(qRed(c)), g = lineaire(qGreen(c)), b = lineaire(qBlue(c));
    const double xyz[3] = {(0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047, 0.2126 * r + 0.7152 * g + 0.0722 * b,
                           (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883};
    double f[3];
    for (int k = 0; k < 3; ++k)
        f[k] = xyz[k] > 216.0 / 24389.0 ? std::cbrt(xyz[k]) : (24389.0 / 27.0 * xyz[k] + 16.0) / 116.0;
    return {116.0 * f[1] - 16.0, 500.0 * (f[0] - f[1]), 200.0 * (f[1] - f[2])};
}

double distance(QRgb a, QRgb b)
{
    const auto p = lab(a), q = lab(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

// The nearest of the colours given to c.
double plusProche(QRgb c, const std::vector<QRgb> &donnees)
{
    double d = INFINITY;
    for (QRgb autre : donnees)
        d = std::min(d, distance(c, autre));
    return d;
}

// Every 15 degrees of hue, bright and deep: what a medium takes when its own colour is taken.
const std::vector<QRgb> &palette()
{
    static const std::vector<QRgb> couleurs = [] {
        std::vector<QRgb> p;
        for (int v : {240, 160})
            for (int teinte = 0; teinte < 360; teinte += 15)
                p.push_back(QColor::fromHsv(teinte, v == 240 ? 200 : 255, v).rgb());
        return p;
    }();
    return couleurs;
}

} // namespace

QRgb couleurMilieu(const QString &nom)
{
    const QString net = nom.trimmed().toUpper();
    for (const Famille &f : familles)
        for (const char *prefixe : f.prefixes)
            if (prefixe && net.startsWith(QLatin1String(prefixe)))
                return QColor::fromHsv(f.teinte, f.saturation, f.valeur).rgb();
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

std::vector<QRgb> couleursMilieux(const QStringList &noms)
{
    std::vector<QRgb> couleurs;
    for (const QString &nom : noms) {
        QRgb c = couleurMilieu(nom);
        if (plusProche(c, couleurs) < distanceMin) {
            double meilleure = -1.0;
            for (QRgb candidate : palette())
                if (const double d = plusProche(candidate, couleurs); d > meilleure) {
                    meilleure = d;
                    c = candidate;
                }
        }
        couleurs.push_back(c);
    }
    return couleurs;
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
