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

VerdictImages verifierImages(std::optional<QSize> xy, std::optional<QSize> xz, std::optional<QSize> yz)
{
    VerdictImages verdict;
    verdict.x = axe(largeur(xy), largeur(xz));
    verdict.y = axe(hauteur(xy), largeur(yz));
    verdict.z = axe(hauteur(xz), hauteur(yz));
    if (!xy && !xz)
        verdict.message += " badX ";
    if (!xy && !yz)
        verdict.message += " badY ";
    if (!xz && !yz)
        verdict.message += " badZ ";
    verdict.compatible = verdict.x != -1 && verdict.y != -1 && verdict.z != -1;
    verdict.message += verdict.compatible ? QCoreApplication::translate("Interface", "Image compatible : ")
                                          : QCoreApplication::translate("Interface", "Image incompatible : ");
    verdict.message += QString("%1 %2 %3").arg(verdict.x).arg(verdict.y).arg(verdict.z);
    return verdict;
}
