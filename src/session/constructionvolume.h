#ifndef QUARVEL_CONSTRUCTIONVOLUME_H
#define QUARVEL_CONSTRUCTIONVOLUME_H

#include <QList>
#include <QString>

#include "model/grille.h"
#include "model/materiau.h"

class Session;

// The label volume's part of the pipeline, on the volume the session holds.

// Its counts, whatever a field shows: zeros when none is read, which the
// checks refuse.
void comptesVolume(const Session &session, qint64 comptes[3]);

// Sizes and fills the grid: each voxel takes its value's record. The
// refusal when memory runs out.
QString remplirVolume(const Session &session, Grille &grille, const QList<Materiau> &materiaux);

#endif
