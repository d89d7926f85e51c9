#include "volume/axes.h"

#include <QCoreApplication>

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

namespace {

QString nombre(double v)
{
    return QString::number(v, 'g', 10);
}

} // namespace

QString geometrieAxes(const EnteteAxes &entete, PlacementAxes &placement, const ChampsGeometrie &champs)
{
    for (int a = 0; a < 3; ++a)
        if (entete.comptes[a] < 1)
            return QCoreApplication::translate("volume", "%1 voxels selon l'axe %2 du fichier, au moins 1 attendu")
                .arg(entete.comptes[a])
                .arg(a + 1);
    for (int a = 0; a < 3; ++a) {
        const double pas = entete.pas[a];
        if (!(pas >= pasMin && pas <= pasMax)) {
            const QString champ = champs.espacement.isEmpty() ? QCoreApplication::translate("volume", "espacement")
                                                              : champs.espacement + " :";
            return QCoreApplication::translate(
                "volume", "%1 %2 selon l'axe %3 du fichier : un nombre de %4 à %5 mm est attendu")
                .arg(champ, nombre(pas))
                .arg(a + 1)
                .arg(pasMin)
                .arg(pasMax);
        }
    }
    for (int p = 0; p < 3; ++p) {
        const double origine = entete.origine[p];
        if (!(std::abs(origine) <= origineMax)) {
            const QString champ =
                champs.origine.isEmpty() ? QCoreApplication::translate("volume", "origine") : champs.origine + " :";
            return QCoreApplication::translate("volume", "%1 %2 selon %3 : un nombre de -%4 à %4 mm est attendu")
                .arg(champ, nombre(origine), QChar('x' + p))
                .arg(QString::number(origineMax, 'f', 0));
        }
    }
    for (int a = 0; a < 3; ++a) {
        const int p = placement.axe[a];
        const double pas = entete.pas[a];
        const double etendue = (entete.comptes[a] - 1) * pas;
        const double plusPetitCentre = entete.origine[p] - (placement.inverse[a] ? etendue : 0.0);
        placement.taille[p] = pas / 10.0;
        placement.origine[p] = (plusPetitCentre - pas / 2.0) / 10.0;
    }
    return QString();
}
