#ifndef QUARVEL_EGSPHANT_H
#define QUARVEL_EGSPHANT_H

#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "model/materiau.h"
#include "model/grille.h"

class QIODevice;

// Voxel sizes and lower corner of the grid along x, y, z (cm). An axis of
// uneven voxels (a CT's slices at their own positions) lists its
// boundaries one by one in bornes, taille and origine then being their mean
// and first.
struct Geometrie
{
    double taille[3] = {1.0, 1.0, 1.0};
    double origine[3] = {-15.0, -15.0, 0.0};
    std::vector<double> bornes[3];

    // Boundary i along axe, each from its own index so no error accumulates.
    double borne(int axe, qint64 i) const
    {
        return bornes[axe].empty() ? origine[axe] + double(i) * taille[axe] : bornes[axe][size_t(i)];
    }
};

// The medium map has one character per voxel, so only as many media as the
// key below has characters after '0' can be written.
constexpr int nombreMilieuxMax = 61;
constexpr char cleMilieux[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Why these media and this grid cannot be written, or an empty text when
// they can. Cheap: the build asks it before it allocates a grid.
QString refusEcriture(const QList<Materiau> &materiaux, const Grille &grille);

// Writes the phantom text: media, densities, counts, voxel boundaries, medium
// map and density map. Voxel value k stands for the record materiaux[k]: its
// medium's number in the map (records of one name share a medium) and its own
// density in the density map.
bool ecrireEgsphant(QIODevice &sortie, const QList<Materiau> &materiaux, const Grille &grille,
                    const Geometrie &geometrie, QString *erreur);

// How many voxels of the grid hold each record, every voxel being below
// nombreRecords.
std::array<qint64, 256> comptesVoxels(const Grille &grille, int nombreRecords);

// The exact size in bytes of the phantom text (uncompressed) of these
// media, grid and geometry, for media and a grid found writable (0 for a
// grid with fewer voxels than its counts; any figure for other refusals).
qint64 tailleTexteEgsphant(const QList<Materiau> &materiaux, const Grille &grille, const Geometrie &geometrie);

// Told, each time a block of text goes to the file, how many bytes of text
// have gone so far; answering false stops the write.
using Progression = std::function<bool(qint64 octets)>;

// Writes the phantom to nomFich whole or not at all: a failure or a stop
// asked by progression leaves any earlier file as it was and says why in
// *erreur, in French. A name ending in ".gz" gets the same text
// gzip-compressed.
bool enregistrerEgsphant(const QString &nomFich, const QList<Materiau> &materiaux, const Grille &grille,
                         const Geometrie &geometrie, QString *erreur, const Progression &progression = {});

#endif
