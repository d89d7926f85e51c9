#include "scanner/cadre.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// A typed edge a hair off a CT boundary is on it: 0.1 typed is not 0.1 read.
constexpr double jeu = 1e-9;

QString texte(double v)
{
    return QString::number(v, 'g', 6);
}

// The CT voxels [premier, fin) that the box's edges bas and haut touch,
// widened outwards, on an axis of uneven voxels.
void bornesInegales(const AxeCT &ct, double bas, double haut, AxeCadre &cadre)
{
    const std::vector<double> &b = ct.bornes;
    const double tolerance = jeu * (b.back() - b.front()) / ct.compte;
    const int premier = int(std::upper_bound(b.begin(), b.end(), bas + tolerance) - b.begin()) - 1;
    const int fin = int(std::lower_bound(b.begin(), b.end(), haut - tolerance) - b.begin());
    cadre.premier = std::clamp(premier, 0, ct.compte - 1);
    cadre.fin = std::clamp(fin, cadre.premier + 1, ct.compte);
}

// The smallest CT voxel of [premier, fin).
double plusPetitVoxel(const AxeCT &ct, const AxeCadre &cadre)
{
    if (ct.bornes.empty())
        return ct.taille;
    double plus = INFINITY;
    for (int i = cadre.premier; i < cadre.fin; ++i)
        plus = std::min(plus, ct.bornes[size_t(i) + 1] - ct.bornes[size_t(i)]);
    return plus;
}

// The CT voxels [premier, fin) that the box's edges touch, widened outwards,
// on an axis of even voxels. Clamped as reals first, so that no far edge
// overflows an int.
void bornesEgales(const AxeCT &ct, double bas, double haut, AxeCadre &cadre)
{
    const double premier = std::floor(std::max(0.0, (bas - ct.origine) / ct.taille) + jeu);
    const double dernier = std::ceil(std::min(double(ct.compte), (haut - ct.origine) / ct.taille) - jeu);
    cadre.premier = int(premier);
    cadre.fin = std::max(int(dernier), cadre.premier + 1);
}

QString cadrerAxe(const AxeCT &ct, int axe, const Boite *boite, const double *taille, AxeCadre &cadre)
{
    const QChar nom('X' + axe);
    const double fin = ct.borne(ct.compte);
    cadre.premier = 0;
    cadre.fin = ct.compte;
    if (boite) {
        const double bas = boite->bas[axe], haut = boite->haut[axe];
        if (!(haut > bas))
            return QCoreApplication::translate("scanner",
                "Boîte selon %1 : de %2 à %3 cm, sans épaisseur ; la seconde borne doit dépasser la "
                "première")
                .arg(nom)
                .arg(texte(bas), texte(haut));
        if (!(haut > ct.origine && bas < fin))
            return QCoreApplication::translate(
                "scanner", "Boîte selon %1 : de %2 à %3 cm, hors du scanner, qui va de %4 à %5 cm")
                .arg(nom)
                .arg(texte(bas), texte(haut), texte(ct.origine), texte(fin));
        if (ct.bornes.empty())
            bornesEgales(ct, bas, haut, cadre);
        else
            bornesInegales(ct, bas, haut, cadre);
    }
    const int voxels = cadre.fin - cadre.premier;
    cadre.origine = ct.borne(cadre.premier);
    const double longueur = ct.bornes.empty() ? voxels * ct.taille : ct.borne(cadre.fin) - cadre.origine;
    const double plusPetit = plusPetitVoxel(ct, cadre);
    if (!taille) {
        cadre.compte = voxels;
    } else {
        if (!(std::isfinite(*taille) && *taille > 0.0))
            return QCoreApplication::translate("scanner", "Taille selon %1 : %2, un nombre supérieur à 0 est attendu")
                .arg(nom)
                .arg(texte(*taille));
        // A size typed to six digits of the CT's own is the CT's own.
        if (*taille < plusPetit * (1.0 - 1e-5))
            return QCoreApplication::translate(
                "scanner", "Taille selon %1 : %2 cm, plus petite que les voxels du scanner (%3 cm)")
                .arg(nom)
                .arg(texte(*taille), texte(plusPetit));
        cadre.compte = int(std::max(1.0, std::floor(longueur / *taille + jeu)));
    }
    // One voxel per CT voxel keeps the CT's own size, not a quotient a hair
    // off it, and uneven ones their own boundaries.
    cadre.taille = cadre.memesVoxels() && ct.bornes.empty() ? ct.taille : longueur / cadre.compte;
    if (cadre.memesVoxels() && !ct.bornes.empty())
        cadre.bornes.assign(ct.bornes.begin() + cadre.premier, ct.bornes.begin() + cadre.fin + 1);
    return QString();
}

} // namespace

AxeCT axeDesCentres(const std::vector<double> &centres)
{
    AxeCT axe;
    const size_t n = centres.size();
    axe.compte = int(n);
    if (n < 2)
        return axe;
    const double moyen = (centres.back() - centres.front()) / double(n - 1);
    bool egaux = true;
    for (size_t i = 0; i + 1 < n; ++i)
        egaux = egaux && std::abs(centres[i + 1] - centres[i] - moyen) <= 0.01 * moyen;
    axe.taille = moyen / 10.0;
    axe.origine = (centres.front() - moyen / 2.0) / 10.0;
    if (egaux)
        return axe;
    axe.bornes.resize(n + 1);
    axe.bornes[0] = (centres[0] - (centres[1] - centres[0]) / 2.0) / 10.0;
    for (size_t i = 1; i < n; ++i)
        axe.bornes[i] = (centres[i - 1] + centres[i]) / 20.0;
    axe.bornes[n] = (centres[n - 1] + (centres[n - 1] - centres[n - 2]) / 2.0) / 10.0;
    axe.origine = axe.bornes[0];
    axe.taille = (axe.bornes[n] - axe.bornes[0]) / double(n);
    return axe;
}

QString cadrer(const AxeCT ct[3], const std::optional<Boite> &boite, const std::optional<std::array<double, 3>> &tailles,
               AxeCadre cadre[3])
{
    for (int axe = 0; axe < 3; ++axe) {
        const QString refus = cadrerAxe(ct[axe], axe, boite ? &*boite : nullptr,
                                        tailles ? &(*tailles)[size_t(axe)] : nullptr, cadre[axe]);
        if (!refus.isEmpty())
            return refus;
    }
    return QString();
}

QStringList notesCadre(const AxeCT ct[3], const std::optional<Boite> &boite,
                       const std::optional<std::array<double, 3>> &tailles, const AxeCadre cadre[3])
{
    QStringList notes;
    for (int axe = 0; axe < 3; ++axe) {
        const QChar nom('X' + axe);
        const AxeCT &c = ct[axe];
        const double tolerance = jeu * (c.borne(c.compte) - c.origine);
        if (boite && (boite->bas[axe] < c.origine - tolerance || boite->haut[axe] > c.borne(c.compte) + tolerance))
            notes << QCoreApplication::translate(
                         "scanner", "Boîte selon %1 : de %2 à %3 cm demandés, ramenée au scanner : de %4 à %5 cm")
                         .arg(nom)
                         .arg(texte(boite->bas[axe]), texte(boite->haut[axe]), texte(c.borne(cadre[axe].premier)),
                              texte(c.borne(cadre[axe].fin)));
        // A box one CT voxel thick asked for one: only a size merging voxels is told.
        if (tailles && cadre[axe].compte < 2 && cadre[axe].fin - cadre[axe].premier >= 2)
            notes << QCoreApplication::translate("scanner",
                                                    "Taille selon %1 : %2 cm, un seul voxel de %3 cm dans la boîte")
                         .arg(nom)
                         .arg(texte((*tailles)[size_t(axe)]), texte(cadre[axe].taille));
    }
    return notes;
}
