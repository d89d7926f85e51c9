#ifndef QUARVEL_CONSTRUCTIONCT_H
#define QUARVEL_CONSTRUCTIONCT_H

#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "model/grille.h"
#include "model/materiau.h"
#include "scanner/cadre.h"
#include "structures/structures.h"

class Session;
struct Geometrie;
struct Rampe;
struct VolumeCT;

// The CT's pipeline, the one the window and the batch command both call,
// in steps so that each reads its own input in between.

// The structures chosen for a CT: what was asked, the set read and the
// choices read on it; no choice without a file.
struct StructuresCT
{
    DemandeStructures demande;
    JeuStructures jeu;
    QList<ChoixStructure> choix;
};

// The CT's slab boundaries along z (cm, increasing), where the contours'
// planes must lie.
std::vector<double> tranchesCT(const VolumeCT &ct);

// Reads the set of demande.fichier, if any, and the choices against it and
// the catalogue into structures; the refusal, or an empty text.
QString lireStructuresCT(const DemandeStructures &demande, const QList<Milieu> &catalogue, StructuresCT &structures);

// The records of the ramp's lines, numbered as the file gives them, then
// one per structure chosen; the refusal when they cannot be written.
QString materiauxCT(const Rampe &rampe, const QList<Milieu> &catalogue, const StructuresCT &structures,
                    QList<Materiau> &materiaux);

// The same records as the session's, all set by the user: the ramp chose
// every record's medium, none is a default.
QString materiauxScanner(Session &session, const Rampe &rampe, const StructuresCT &structures);

// Why the structures cannot be laid on this CT, of FrameOfReferenceUID
// referentiel, or an empty text: a tilted series, another frame.
QString refusStructuresCT(const StructuresCT &structures, const VolumeCT &ct, const QString &referentiel);

// The phantom of ct in the box and at the sizes asked (none: the CT's own),
// checked against fichier before the grid takes any memory, then the
// structures' media laid on it: the grid, its geometry and the fitted axes
// in cadre, or the refusal; notes gets what the fitting should tell the
// user, resume the voxels each structure gave its medium. The CT is taken
// by value, as the builder takes it.
QString construireGrilleCT(VolumeCT ct, const std::optional<Boite> &boite,
                           const std::optional<std::array<double, 3>> &tailles, const Rampe &rampe,
                           const StructuresCT &structures, const QString &fichier, Grille &grille,
                           Geometrie &geometrie, AxeCadre cadre[3], QStringList *notes = nullptr,
                           QString *resume = nullptr);

#endif
