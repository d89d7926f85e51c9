// The check of the ticked planes' sizes before a build.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <optional>

#include "images/compatibilite.h"
#include "window/interface.h"

bool Interface::validationImage()
{
    // An unticked plane plays no part, whatever its path field holds.
    auto taillePlan = [this](QCheckBox *choix, QLineEdit *fichier) -> std::optional<QSize> {
        QVector<int> taille;
        if (!choix->isChecked() || !dimensionsImage(fichier->text(), taille))
            return std::nullopt;
        return QSize(taille[0], taille[1]);
    };
    const std::optional<QSize> xy = taillePlan(choixXY, fichierXY);
    const std::optional<QSize> xz = taillePlan(choixXZ, fichierXZ);
    const std::optional<QSize> yz = taillePlan(choixYZ, fichierYZ);

    const VerdictImages verdict = verifierImages(xy, xz, yz);
    if (verdict.compatible) {
        dimX = verdict.x;
        dimY = verdict.y;
        dimZ = verdict.z;
    }
    etat->setText(verdict.message);
    return verdict.compatible;
}
