#include "scanner/cadre.h"

#include <algorithm>
#include <cmath>

namespace {

// A typed edge a hair off a CT boundary is on it: 0.1 typed is not 0.1 read.
constexpr double jeu = 1e-9;

QString texte(double v)
{
    return QString::number(v, 'g', 6);
}

QString cadrerAxe(const AxeCT &ct, int axe, const Boite *boite, const double *taille, AxeCadre &cadre)
{
    const QChar nom('X' + axe);
    const double fin = ct.origine + ct.compte * ct.taille;
    cadre.premier = 0;
    cadre.fin = ct.compte;
    if (boite) {
        const double bas = boite->bas[axe], haut = boite->haut[axe];
        if (!(haut > bas))
            return QString("Boîte selon %1 : de %2 à %3 cm, sans épaisseur ; la seconde borne doit dépasser la "
                           "première").arg(nom).arg(texte(bas), texte(haut));
        if (!(haut > ct.origine && bas < fin))
            return QString("Boîte selon %1 : de %2 à %3 cm, hors du scanner, qui va de %4 à %5 cm")
                .arg(nom)
                .arg(texte(bas), texte(haut), texte(ct.origine), texte(fin));
        // Clamped as reals first, so that no far edge overflows an int.
        const double premier = std::floor(std::max(0.0, (bas - ct.origine) / ct.taille) + jeu);
        const double dernier = std::ceil(std::min(double(ct.compte), (haut - ct.origine) / ct.taille) - jeu);
        cadre.premier = int(premier);
        cadre.fin = std::max(int(dernier), cadre.premier + 1);
    }
    const int voxels = cadre.fin - cadre.premier;
    cadre.origine = ct.origine + cadre.premier * ct.taille;
    if (!taille) {
        cadre.compte = voxels;
        cadre.taille = ct.taille;
        return QString();
    }
    if (!(std::isfinite(*taille) && *taille > 0.0))
        return QString("Taille selon %1 : %2, un nombre supérieur à 0 est attendu").arg(nom).arg(texte(*taille));
    // A size typed to six digits of the CT's own is the CT's own.
    if (*taille < ct.taille * (1.0 - 1e-5))
        return QString("Taille selon %1 : %2 cm, plus petite que les voxels du scanner (%3 cm)")
            .arg(nom)
            .arg(texte(*taille), texte(ct.taille));
    const double longueur = voxels * ct.taille;
    cadre.compte = int(std::max(1.0, std::floor(longueur / *taille + jeu)));
    // One voxel per CT voxel keeps the CT's own size, not a quotient a hair off it.
    cadre.taille = cadre.memesVoxels() ? ct.taille : longueur / cadre.compte;
    return QString();
}

} // namespace

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
