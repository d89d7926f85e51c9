#ifndef QUARVEL_LOT_CT_H
#define QUARVEL_LOT_CT_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "model/grille.h"
#include "model/materiau.h"
#include "structures/structures.h"

struct Geometrie;

// What the batch command was given for a CT: --ct, --series, --ramp,
// --crop, --size, --pegs, the output file, and the structures' media.
struct DemandeCT
{
    QString dossier;
    std::optional<QString> serie, rampe, boite, tailles, pegs;
    QString fichier;
    DemandeStructures structures;
};

// Everything before the write: the catalogue, the ramp (the default one
// without --ramp), the series, the box and sizes, the output path, then the
// grid, then the structures' media. On success the catalogue read, the
// records, the grid, its geometry and, in *plageHU, the HU range read and
// the voxels each structure gave its medium, in *notes the reader's notes
// (uneven slices, a tilt corrected); otherwise the one French line of the
// refusal.
std::optional<QString> preparerCT(const DemandeCT &demande, QList<Milieu> &catalogue, QList<Materiau> &materiaux,
                                  Grille &grille, Geometrie &geometrie, QString *plageHU,
                                  QStringList *notes = nullptr);

// The CT series of dossier, one tab-separated line each, without a header:
// UID, SeriesNumber, description, slices, PixelSpacing along x and y
// ("SX,SY", mm), the smallest and largest step along z between successive
// slices (mm), the gantry tilt (degrees), the file of the slice of smallest
// z relative to dossier; a field the headers cannot give is empty. Or the
// refusal.
std::optional<QString> listeSeries(const QString &dossier, QByteArray &texte);

// The default ramp for the catalogue of pegs, as an editable file, or the refusal.
std::optional<QString> modeleRampe(const QString &pegs, QByteArray &texte);

#endif
