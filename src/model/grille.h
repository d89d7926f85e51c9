#ifndef QUARVEL_GRILLE_H
#define QUARVEL_GRILLE_H

#include <QtGlobal>
#include <vector>

// The voxel grid of one build, indexed [z][y][x]. A voxel holds the position
// of its record in the media list (never more than 256 records, one per grey
// level), so a large phantom costs one byte per voxel.
struct Grille
{
    int dimX = 0;
    int dimY = 0;
    int dimZ = 0;
    std::vector<quint8> voxels;

    qint64 nombreVoxels() const { return qint64(dimX) * dimY * dimZ; }
    quint8 *ligne(int z, int y) { return voxels.data() + (qint64(z) * dimY + y) * dimX; }
    const quint8 *ligne(int z, int y) const { return voxels.data() + (qint64(z) * dimY + y) * dimX; }
};

#endif
