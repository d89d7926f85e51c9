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

QString geometrieAxes(const EnteteAxes &entete, PlacementAxes &placement, const ChampsGeometrie &champs)
{
    // Beyond these no scanner or segmentation has ever set a voxel, and the
    // boundaries printed with six digits would no longer increase.
    constexpr double pasMin = 1e-3, pasMax = 1e4, origineMax = 1e7;
    for (int a = 0; a < 3; ++a) {
        const double pas = entete.pas[a];
        if (!std::isfinite(pas) || !(pas > 0))
            return QString("%1 %2 selon l'axe %3 du fichier : un nombre fini supérieur à 0 est attendu")
                .arg(champs.espacement.isEmpty() ? "espacement" : champs.espacement)
                .arg(pas)
                .arg(a + 1);
        if (!(pas >= pasMin && pas <= pasMax))
            return QString("%1 %2 selon l'axe %3 du fichier : de 0.001 à 10000 mm attendu")
                .arg(champs.espacement.isEmpty() ? "espacement" : champs.espacement)
                .arg(pas)
                .arg(a + 1);
    }
    for (int p = 0; p < 3; ++p)
        if (!(std::abs(entete.origine[p]) <= origineMax))
            return QString("%1 %2 selon %3 : de -1e7 à 1e7 mm attendu")
                .arg(champs.origine.isEmpty() ? "origine" : champs.origine)
                .arg(entete.origine[p])
                .arg(QChar('x' + p));
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
