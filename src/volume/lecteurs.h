#ifndef QUARVEL_LECTEURS_H
#define QUARVEL_LECTEURS_H

#include <QString>

struct Volume;

// The two sources of a volume, read into its voxels, counts, axes and (for
// a file) geometry; its values are left to the caller. False, with one
// French line in *erreur naming the file or picture at fault.

// A 3-D image file, through ITK.
bool lireFichierVolume(const QString &chemin, Volume &volume, QString *erreur);

// A folder of 2-D pictures, one slice each, in the natural order of their names.
bool lireDossierCoupes(const QString &chemin, Volume &volume, QString *erreur);

// Whether voxels of this size and the grid built from them (one byte per
// voxel) fit this machine's memory; false with the reason.
bool placePourVolume(qint64 voxels, int octetsParVoxel, QString *raison);

#endif
