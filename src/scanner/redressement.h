#ifndef QUARVEL_REDRESSEMENT_H
#define QUARVEL_REDRESSEMENT_H

#include <array>
#include <vector>

struct VolumeCT;

// A series scanned on a tilted gantry, as read: its rows run along x, its
// columns in the y–z plane, its slices one after the other along their
// normal.
struct SerieInclinee
{
    // The pixels: column fastest, then row, then slice; axes[0..2].compte
    // the columns, rows and slices.
    const VolumeCT *pixels = nullptr;
    std::vector<std::array<double, 3>> positions; // mm: each slice's first pixel centre, in slice order
    double rangees[3] = {1, 0, 0};                // cosines along a row
    double colonnes[3] = {0, 1, 0};               // cosines down a column
    double pas[2] = {1, 1};                       // mm: along a row, down a column
};

// The series resampled onto straight axial slices, into droit: x and y at
// the series' pixel spacing, z at the slices' own z, the end steps repeated
// beyond both ends, the box covering every scanned voxel centre; uneven z
// steps give boundaries halfway between. Each voxel's HU is the trilinear
// interpolation of the series at its centre, rounded to a whole HU when
// the series' own are whole (so that the phantom is built from 16-bit CT
// numbers, as a straight series is); a centre outside the scanned region
// gets NaN or huHorsCoupes, for the ramp's lower bound to take its place.
void redresser(const SerieInclinee &serie, VolumeCT &droit);

#endif
