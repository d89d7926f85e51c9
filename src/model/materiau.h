#ifndef QUARVEL_MATERIAU_H
#define QUARVEL_MATERIAU_H

#include <QString>

// Ties a grey level to a medium. Two records are the same medium slot when
// their grey levels are equal; the other fields are not compared.
struct Materiau
{
    Materiau() = default;
    Materiau(int niveauGris, const QString &nom, double densite)
        : niveauGris(niveauGris), nom(nom), densite(densite) {}

    bool operator==(const Materiau &autre) const { return niveauGris == autre.niveauGris; }

    int niveauGris = 0;
    int numero = 0;     // 1-based position in the phantom's media list, set per build
    QString nom;
    double densite = 0.0;
};

// One medium of the PEGS4 catalogue; the name keeps the blanks it had in the file.
struct Milieu
{
    QString nom;
    double densite = 0.0;
};

#endif
