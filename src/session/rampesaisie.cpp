#include "session/rampesaisie.h"

#include <QLocale>

#include "scanner/rampe.h"

namespace {

QString exact(double v)
{
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

} // namespace

RampeSaisie saisieDeRampe(const Rampe &rampe)
{
    RampeSaisie saisie{QString::number(rampe.huMin, 'g', 6), {}};
    for (const PalierRampe &p : rampe.paliers)
        saisie.lignes << QStringList{p.nom, exact(p.huMax), exact(p.densiteMin), exact(p.densiteMax)};
    return saisie;
}

bool lireRampeSaisie(const RampeSaisie &saisie, Rampe &rampe, QString *erreur)
{
    return rampeDuTableau(saisie.huMin, saisie.lignes, rampe, erreur);
}
