#ifndef QUARVEL_CONSTRUCTION_H
#define QUARVEL_CONSTRUCTION_H

#include <QImage>
#include <QList>
#include <QString>
#include <array>

#include "model/materiau.h"
#include "model/grille.h"

struct Volume;

// Which builder the ticked planes call for: exactly one plane is extruded
// along its missing axis; none, two or three are intersected.
enum class Constructeur { PlanXY, PlanXZ, PlanYZ, Plans };
Constructeur choixConstructeur(bool choixXY, bool choixXZ, bool choixYZ);

// The images that the intersection reads at (x, z) and at (y, z). With only
// two planes ticked one of them serves twice, as it always has.
enum class PlanImage { XY, XZ, YZ };
PlanImage planA(bool choixXZ);
PlanImage planB(bool choixYZ);

// Gives each record its medium number: records of one name share a medium,
// numbered from 1 in order of first appearance.
void numeroterMateriaux(QList<Materiau> &materiaux);

// Place in the list of the first record of each grey level, -1 for none.
using TableNiveaux = std::array<int, 256>;
TableNiveaux tableNiveaux(const QList<Materiau> &materiaux);

// Why a build with these records cannot be written, or an empty text.
QString refusMateriaux(const QList<Materiau> &materiaux);

// Why a grid of these counts cannot be built, or an empty text: every count
// must be positive, and the grid (one byte per voxel) must fit comfortably
// in this machine's memory.
QString refusComptes(qint64 dimX, qint64 dimY, qint64 dimZ);

// Sizes the grid and fills it with the first medium, the background. False,
// with the reason, when the counts are refused or memory runs out.
bool initialiserGrille(Grille &grille, int dimX, int dimY, int dimZ, QString *erreur);

// Fills the grid from one plane's image, repeated along the missing axis.
// A pixel whose grey level has no record, or that lies outside the image,
// leaves its voxels at the first medium.
void extruderPlan(Grille &grille, PlanImage plan, const QImage &image, const TableNiveaux &table);

// Gives a voxel a medium only where the XY image at (x, y), image A at (x, z)
// and image B at (y, z) show the same grey level and that level has a record.
void intersecterPlans(Grille &grille, const QImage &imageXY, const QImage &imageA, const QImage &imageB,
                      const TableNiveaux &table);

// Sizes the grid to the volume's counts and fills it: each voxel takes the
// first record of its value, or the first medium when its value has none.
// False, with the reason, as initialiserGrille.
bool construireVolume(Grille &grille, const Volume &volume, const QList<Materiau> &materiaux, QString *erreur);

#endif
