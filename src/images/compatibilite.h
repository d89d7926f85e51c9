#ifndef QUARVEL_COMPATIBILITE_H
#define QUARVEL_COMPATIBILITE_H

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// Outcome of the plane-size check: the phantom counts (-1 where the planes
// disagree or none gives the axis) and the line shown to the user.
struct VerdictImages
{
    bool compatible = false;
    int x = -1, y = -1, z = -1;
    QString message;
};

// Sizes of the ticked, loaded planes (std::nullopt for a plane not ticked or
// not loaded). An incompatible verdict says which image is wrong and what
// size it should have; illisibles, why ticked planes did not load, leads it.
VerdictImages verifierImages(std::optional<QSize> xy, std::optional<QSize> xz, std::optional<QSize> yz,
                             const QStringList &illisibles = {});

#endif
