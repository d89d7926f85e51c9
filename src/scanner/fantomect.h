#ifndef QUARVEL_FANTOMECT_H
#define QUARVEL_FANTOMECT_H

#include <QString>

#include "model/grille.h"
#include "scanner/cadre.h"

struct Geometrie;
struct Rampe;
struct VolumeCT;

// Fills grille with the phantom of a CT fitted by cadre (from cadrer): each
// voxel's value is its ramp line (the record of materiauxRampe) and it
// carries its own density from the ramp. At the CT's own voxels each CT
// number's density is worked out once; coarser voxels take the ramp at
// their mean HU. geometrie gets the phantom's sizes and first boundaries.
// False, with why, when the counts or memory do not allow the grid. The CT
// is taken by value: one that is moved in lends its numbers to the grid
// rather than having them copied.
bool construireFantomeCT(VolumeCT ct, const AxeCadre cadre[3], const Rampe &rampe, Grille &grille,
                         Geometrie &geometrie, QString *erreur);

#endif
