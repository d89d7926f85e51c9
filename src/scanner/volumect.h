#ifndef QUARVEL_VOLUMECT_H
#define QUARVEL_VOLUMECT_H

#include <QStringList>
#include <QtGlobal>
#include <vector>

#include "model/grille.h"
#include "scanner/cadre.h"

// Outside a tilted series' slices, in 16 bits: below any scanner's HU.
constexpr qint16 huHorsCoupes = -32768;

// A CT series once read: its Hounsfield units in the phantom's frame (x
// fastest, then y, then z, each in increasing coordinates) and its geometry.
// The HU are kept in 16 bits when they are all whole and fit, as a 16-bit
// series' are, so the volume costs what its pixels do; otherwise as floats.
struct VolumeCT
{
    AxeCT axes[3];
    NombresCT entiers;
    std::vector<float> reels;
    double huMin = 0.0; // the range read
    double huMax = 0.0;
    // A tilted series resampled onto straight slices: its tilt (degrees);
    // its voxels outside the scanned region are NaN in reels, huHorsCoupes
    // in entiers, until the ramp's lower bound fills them.
    double inclinaison = 0.0;
    QStringList notes; // what the reader did that the user should know

    qint64 nombreVoxels() const { return qint64(axes[0].compte) * axes[1].compte * axes[2].compte; }
    double hu(qint64 i) const { return entiers.empty() ? double(reels[size_t(i)]) : double(entiers[size_t(i)]); }
};

#endif
