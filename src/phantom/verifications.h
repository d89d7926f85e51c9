#ifndef QUARVEL_VERIFICATIONS_H
#define QUARVEL_VERIFICATIONS_H

#include <QList>
#include <QString>

#include "model/materiau.h"

struct Geometrie;

// Why these sizes and origin give no sound boundaries for these counts, or
// an empty text: every size must be a finite number greater than 0, and
// every boundary origin + i × size (i up to the count) finite.
QString refusGeometrie(const Geometrie &geometrie, const qint64 comptes[3]);

// The fewest bytes the phantom text of these media and counts can take:
// each boundary at least "0.00000 ", each voxel its key and the shortest of
// the media's density texts.
qint64 tailleTexteMinimale(const QList<Materiau> &materiaux, const qint64 comptes[3]);

// Everything refused before a grid is made, for the window and the batch
// command alike: the counts, the geometry, the output path, and a text that
// cannot fit the free space of the target's file system.
QString refusAvantGrille(const QString &nomFich, const QList<Materiau> &materiaux, const Geometrie &geometrie,
                         const qint64 comptes[3]);

#endif
