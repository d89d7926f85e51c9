#ifndef QUARVEL_CONSTRUCTIONCT_H
#define QUARVEL_CONSTRUCTIONCT_H

#include <QList>
#include <QString>
#include <array>
#include <optional>

#include "model/grille.h"
#include "model/materiau.h"
#include "scanner/cadre.h"

struct Geometrie;
struct Rampe;
struct VolumeCT;

// The CT's pipeline, the one the window and the batch command both call,
// in two steps so that each reads its own input in between.

// The records of the ramp's lines, numbered as the file gives them; the
// refusal when they cannot be written.
QString materiauxCT(const Rampe &rampe, const QList<Milieu> &catalogue, QList<Materiau> &materiaux);

// The phantom of ct in the box and at the sizes asked (none: the CT's own),
// checked against fichier before the grid takes any memory: the grid, its
// geometry and the fitted axes in cadre, or the refusal; notes gets what
// the fitting should tell the user. The CT is taken by value, as the
// builder takes it.
QString construireGrilleCT(VolumeCT ct, const std::optional<Boite> &boite,
                           const std::optional<std::array<double, 3>> &tailles, const Rampe &rampe,
                           const QString &fichier, Grille &grille, Geometrie &geometrie, AxeCadre cadre[3],
                           QStringList *notes = nullptr);

#endif
