#ifndef QUARVEL_AXES_H
#define QUARVEL_AXES_H

#include <QString>

// What a 3-D image's header says of its axes, as ITK reports it (mm, LPS):
// file axis a (0 the fastest) has comptes[a] voxels spaced pas[a] apart,
// along direction[a] (its components along x, y, z); origine is the
// centre of voxel (0, 0, 0).
struct EnteteAxes
{
    int comptes[3] = {0, 0, 0};
    double pas[3] = {1.0, 1.0, 1.0};
    double origine[3] = {0.0, 0.0, 0.0};
    double direction[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
};

// Where the file's axes lie in the phantom: file axis a runs along the
// phantom's axe[a], from the highest coordinate down when inverse[a]; the
// phantom's voxel sizes and first boundaries (cm) along x, y, z.
struct PlacementAxes
{
    int axe[3] = {0, 1, 2};
    bool inverse[3] = {false, false, false};
    double taille[3] = {1.0, 1.0, 1.0};
    double origine[3] = {0.0, 0.0, 0.0};
};

// Each file axis must be one of the physical axes, either way (every cosine
// 0 or ±1 within 1e-6): false for any other, oblique, direction.
bool placerAxes(const EnteteAxes &entete, PlacementAxes &placement);

// Physical sense: no scanner or segmentation has voxels finer than a micron
// or wider than 10 m, nor lies 10 km from its origin (mm); past these, the
// boundaries printed with six digits would collapse.
constexpr double pasMin = 1e-3, pasMax = 1e4, origineMax = 1e7;

// The names of a format's geometry fields, for the refusals (empty: the generic words used today).
struct ChampsGeometrie { QString espacement, origine; };

// Sizes and first boundaries of axes already placed: spacing / 10, and the
// smallest voxel centre along each axis less half a voxel, / 10. Why not
// (a count below 1, a spacing outside 1e-3 to 1e4 mm, an origin outside
// ±1e7 mm, NaN or infinite), naming the field, or an empty text.
QString geometrieAxes(const EnteteAxes &entete, PlacementAxes &placement, const ChampsGeometrie &champs = {});

#endif
