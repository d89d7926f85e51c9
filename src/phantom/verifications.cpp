#include "phantom/verifications.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "model/ligne.h"
#include "phantom/construction.h"
#include "egsphant/egsphant.h"
#include "io/fichierentier.h"
#include "streams/gzip.h"
#include "egsphant/reel.h"

QString refusGeometrie(const Geometrie &geometrie, const qint64 comptes[3])
{
    for (int axe = 0; axe < 3; ++axe) {
        const QChar nom('X' + axe);
        const double taille = geometrie.taille[axe], origine = geometrie.origine[axe];
        if (!(std::isfinite(taille) && taille > 0.0))
            return QCoreApplication::translate("phantom",
                "Taille %1 : %2, la taille d'un voxel doit être un nombre fini supérieur à 0.")
                .arg(nom)
                .arg(taille);
        // Sizes are positive, so the boundaries grow with i: the last one is
        // the largest in magnitude unless the origin is.
        if (!std::isfinite(origine) || !std::isfinite(origine + double(comptes[axe]) * taille))
            return QCoreApplication::translate("phantom",
                "Selon %1 : la dernière limite des voxels, origine %2 + %3 × taille %4, "
                "n'est pas un nombre fini.")
                .arg(nom)
                .arg(origine)
                .arg(comptes[axe])
                .arg(taille);
    }
    return QString();
}

qint64 tailleTexteMinimale(const QList<Materiau> &materiaux, const qint64 comptes[3])
{
    // "%#.6g" writes at least six digits and a point.
    constexpr qint64 reelMin = 7;
    qint64 densiteMin = reelMin;
    char texte[longueurReelMax];
    for (int k = 0; k < materiaux.size(); ++k) {
        const qint64 n = formatReel(materiaux[k].densite, texte);
        densiteMin = k == 0 ? n : std::min(densiteMin, n);
    }
    const qint64 x = std::max<qint64>(comptes[0], 0), y = std::max<qint64>(comptes[1], 0),
                 z = std::max<qint64>(comptes[2], 0);
    qint64 octets = (x + y + z + 3) * (reelMin + 1) + 3;
    // Medium map, then density map: a line per row, an empty line per slice.
    const double voxels = double(x) * double(y) * double(z);
    const double cartes = voxels * double(1 + densiteMin + 1) + 2.0 * double(z) * double(y + 1);
    // Past what a disk holds, the exact figure no longer matters.
    return cartes > 9e18 ? qint64(9e18) : octets + qint64(cartes);
}

QString refusAvantGrille(const QString &nomFich, const QList<Materiau> &materiaux, const Geometrie &geometrie,
                         const qint64 comptes[3])
{
    QString refus = refusComptes(comptes[0], comptes[1], comptes[2]);
    if (refus.isEmpty())
        refus = refusGeometrie(geometrie, comptes);
    if (!refus.isEmpty())
        return refus;
    QString raison;
    const QString cible = cheminCible(nomFich, &raison);
    if (!cible.isEmpty()) {
        // Deflate shrinks a text at most 1032-fold: a bound that never refuses a .gz that would fit.
        const qint64 texte = tailleTexteMinimale(materiaux, comptes);
        raison = refusPlace(cible, nomCompresse(nomFich) ? texte / 1032 : texte);
    }
    return raison.isEmpty() ? QString()
                            : QCoreApplication::translate("phantom",
                                "Fichier \"%1\" non écrit : %2").arg(extrait(nomFich), raison);
}
