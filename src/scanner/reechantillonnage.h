#ifndef QUARVEL_REECHANTILLONNAGE_H
#define QUARVEL_REECHANTILLONNAGE_H

#include <functional>
#include <vector>

#include "scanner/cadre.h"
#include "scanner/volumect.h"

// A CT voxel that a phantom voxel overlaps along one axis, and its share of
// the phantom voxel's length (the shares of one phantom voxel add up to 1).
struct Part
{
    int indice = 0;
    double poids = 0.0;
};

// The parts of every phantom voxel along an axis of the CT. A phantom voxel
// that is one CT voxel has one part of weight exactly 1; on uneven CT
// voxels the overlaps are measured in cm.
std::vector<std::vector<Part>> partsAxe(const AxeCadre &axe, const AxeCT &ct);

// Calls ligne(z, y, valeurs) for every row of the phantom in order, valeurs
// holding the cadre's dimX values of that row: each voxel's mean HU over the
// CT voxels it overlaps, weighted by the exact overlap volume, in double
// precision. A phantom voxel that is one CT voxel gets that voxel's HU as it
// is: weights of exactly 1 leave it untouched.
void reechantillonner(const VolumeCT &ct, const AxeCadre cadre[3],
                      const std::function<void(int z, int y, const double *valeurs)> &ligne);

#endif
