#include "volume/axes.h"

#include <cmath>

bool placerAxes(const EnteteAxes &entete, PlacementAxes &placement)
{
    bool pris[3] = {false, false, false};
    for (int a = 0; a < 3; ++a) {
        const double *d = entete.direction[a];
        int axe = -1;
        for (int p = 0; p < 3; ++p) {
            if (std::abs(std::abs(d[p]) - 1.0) <= 1e-6 && axe < 0)
                axe = p;
            else if (!(std::abs(d[p]) <= 1e-6))
                return false;
        }
        if (axe < 0 || pris[axe])
            return false;
        pris[axe] = true;
        placement.axe[a] = axe;
        placement.inverse[a] = d[axe] < 0;
    }
    return true;
}

QString geometrieAxes(const EnteteAxes &entete, PlacementAxes &placement)
{
    for (int a = 0; a < 3; ++a) {
        const double pas = entete.pas[a];
        if (!std::isfinite(pas) || !(pas > 0))
            return QString("espacement %1 selon l'axe %2 du fichier : un nombre fini supérieur à 0 est attendu")
                .arg(pas)
                .arg(a + 1);
    }
    for (int p = 0; p < 3; ++p)
        if (!std::isfinite(entete.origine[p]))
            return QString("origine %1 selon %2 : un nombre fini est attendu").arg(entete.origine[p]).arg(QChar('x' + p));
    for (int a = 0; a < 3; ++a) {
        const int p = placement.axe[a];
        const double pas = entete.pas[a];
        const double etendue = (entete.comptes[a] - 1) * pas;
        const double plusPetitCentre = entete.origine[p] - (placement.inverse[a] ? etendue : 0.0);
        placement.taille[p] = pas / 10.0;
        placement.origine[p] = (plusPetitCentre - pas / 2.0) / 10.0;
        if (!std::isfinite(placement.origine[p]) || !std::isfinite(placement.origine[p] + etendue / 10.0))
            return QString("origine ou étendue selon %1 hors des nombres finis").arg(QChar('x' + p));
    }
    return QString();
}
