#ifndef QUARVEL_RAMPESAISIE_H
#define QUARVEL_RAMPESAISIE_H

#include <QList>
#include <QString>
#include <QStringList>

struct Rampe;

// A CT's ramp as typed in the window: the lower bound's text and each row's
// four cells (name, HU max, density min, density max). Texts, not numbers:
// a cell the build refuses stays as typed until it is mended.
struct RampeSaisie
{
    QString huMin = "-1024";
    QList<QStringList> lignes;

    bool vide() const { return lignes.isEmpty(); }
    bool operator==(const RampeSaisie &autre) const { return huMin == autre.huMin && lignes == autre.lignes; }
};

// A ramp read (a file, the default one) as the table shows it: the bound
// with 6 significant digits, each line's numbers exact.
RampeSaisie saisieDeRampe(const Rampe &rampe);

// The ramp the texts give, or why not in *erreur (the row or the bound named).
bool lireRampeSaisie(const RampeSaisie &saisie, Rampe &rampe, QString *erreur);

#endif
