#include "images/compatibilite.h"

#include <QCoreApplication>

namespace {

// One axis seen by two planes: the first plane's side wins when both agree,
// a lone plane gives its side, none or a disagreement gives -1.
int axe(std::optional<int> premier, std::optional<int> second)
{
    if (premier && second)
        return *premier == *second ? *premier : -1;
    if (premier)
        return *premier;
    if (second)
        return *second;
    return -1;
}

std::optional<int> largeur(const std::optional<QSize> &taille)
{
    return taille ? std::optional<int>(taille->width()) : std::nullopt;
}

std::optional<int> hauteur(const std::optional<QSize> &taille)
{
    return taille ? std::optional<int>(taille->height()) : std::nullopt;
}

} // namespace

namespace {

QString taille(int largeur, int hauteur)
{
    return QString("%1 × %2").arg(largeur).arg(hauteur);
}

// The planes that the counts taken from the others do not fit, each with its
// size and the size it should have: XY gives x and y when it is there, XZ
// gives z, and YZ fills what they leave.
QStringList desaccords(const std::optional<QSize> &xy, const std::optional<QSize> &xz,
                       const std::optional<QSize> &yz)
{
    const std::optional<int> x = xy ? largeur(xy) : largeur(xz);
    const std::optional<int> y = xy ? hauteur(xy) : largeur(yz);
    const std::optional<int> z = xz ? hauteur(xz) : hauteur(yz);
    QStringList details;
    auto comparer = [&](const char *plan, const std::optional<QSize> &vue, std::optional<int> l, std::optional<int> h) {
        if (vue && l && h && (vue->width() != *l || vue->height() != *h))
            details << QCoreApplication::translate("images", "%1 fait %2 pixels, %3 attendus")
                           .arg(plan, taille(vue->width(), vue->height()), taille(*l, *h));
    };
    comparer("XZ", xz, x, z);
    comparer("YZ", yz, y, z);
    return details;
}

} // namespace

VerdictImages verifierImages(std::optional<QSize> xy, std::optional<QSize> xz, std::optional<QSize> yz,
                             const QStringList &illisibles)
{
    VerdictImages verdict;
    verdict.x = axe(largeur(xy), largeur(xz));
    verdict.y = axe(hauteur(xy), largeur(yz));
    verdict.z = axe(hauteur(xz), hauteur(yz));
    QStringList absents;
    if (!xy && !xz) {
        verdict.message += " badX ";
        absents << "X";
    }
    if (!xy && !yz) {
        verdict.message += " badY ";
        absents << "Y";
    }
    if (!xz && !yz) {
        verdict.message += " badZ ";
        absents << "Z";
    }
    verdict.compatible = verdict.x != -1 && verdict.y != -1 && verdict.z != -1;
    if (verdict.compatible) {
        verdict.message += QCoreApplication::translate("Interface", "Image compatible : ");
        verdict.message += QString("%1 %2 %3").arg(verdict.x).arg(verdict.y).arg(verdict.z);
        return verdict;
    }
    // Which image is at fault, and how, rather than bare counts.
    QStringList details = illisibles;
    details << desaccords(xy, xz, yz);
    if (!xy && !xz && !yz && illisibles.isEmpty())
        details << QCoreApplication::translate("images", "aucun plan coché");
    else if (absents.size() == 1)
        details << QCoreApplication::translate("images", "aucune image cochée ne donne l'axe %1").arg(absents[0]);
    else if (absents.size() > 1)
        details << QCoreApplication::translate("images", "aucune image cochée ne donne les axes %1 et %2")
                       .arg(absents.mid(0, absents.size() - 1).join(", "), absents.last());
    verdict.message += QCoreApplication::translate("Interface", "Image incompatible : ");
    verdict.message += details.join(" ; ");
    return verdict;
}
