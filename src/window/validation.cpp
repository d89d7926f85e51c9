// The check of the ticked planes' sizes before a build.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <optional>

#include "images/chargement.h"
#include "images/compatibilite.h"
#include "window/groupeplan.h"
#include "window/interface.h"

bool Interface::validationImage()
{
    // An unticked plane plays no part, whatever its path field holds.
    QStringList illisibles;
    auto taillePlan = [&](const char *plan, QCheckBox *choix, QLineEdit *fichier) -> std::optional<QSize> {
        QVector<int> taille;
        if (!choix->isChecked())
            return std::nullopt;
        if (!dimensionsImage(fichier->text(), taille)) {
            QString raison;
            chargerImage(fichier->text(), &raison);
            illisibles << QString("%1 : %2").arg(plan, raison);
            return std::nullopt;
        }
        return QSize(taille[0], taille[1]);
    };
    const std::optional<QSize> xy = taillePlan("XY", planXY->choix(), planXY->fichier());
    const std::optional<QSize> xz = taillePlan("XZ", planXZ->choix(), planXZ->fichier());
    const std::optional<QSize> yz = taillePlan("YZ", planYZ->choix(), planYZ->fichier());

    const VerdictImages verdict = verifierImages(xy, xz, yz, illisibles);
    if (verdict.compatible) {
        dimX = verdict.x;
        dimY = verdict.y;
        dimZ = verdict.z;
    }
    etat->setText(verdict.message);
    return verdict.compatible;
}
