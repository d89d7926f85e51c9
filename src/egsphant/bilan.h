#ifndef QUARVEL_BILAN_H
#define QUARVEL_BILAN_H

#include <QtGlobal>
#include <vector>

struct Fantome;

// What one medium fills in a phantom: voxel count, volume (cm³, from the
// boundaries) and mass (g, the sum of each voxel's density times its volume).
struct BilanMilieu
{
    qint64 voxels = 0;
    double volume = 0.0;
    double masse = 0.0;
};

// One entry per medium of the file, in file order.
std::vector<BilanMilieu> bilanMilieux(const Fantome &fantome);

#endif
