#ifndef QUARVEL_APERCUCT_H
#define QUARVEL_APERCUCT_H

#include <QImage>

struct VolumeCT;

// The usual soft-tissue window of a CT display (HU).
constexpr double niveauFenetreCT = 40.0;
constexpr double largeurFenetreCT = 400.0;

// Axial slice z of a CT in grey through a display window: niveau - largeur / 2
// HU and below black, niveau + largeur / 2 and above white, linear between.
// Pixel (x, y) is voxel (x, y). A null picture for a slice the CT lacks.
QImage coupeAxialeCT(const VolumeCT &ct, int z, double niveau = niveauFenetreCT, double largeur = largeurFenetreCT);

#endif
