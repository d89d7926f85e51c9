#ifndef QUARVEL_SESSION_CONSTRUCTION_H
#define QUARVEL_SESSION_CONSTRUCTION_H

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include "media/tablegris.h"
#include "model/grille.h"
#include "model/materiau.h"

class Session;
struct Geometrie;

// The pipeline of the planes and of a label volume, the one the window and
// the batch command both call, step by step or whole.

// The records of the rows, in their order, the background's first (none
// for fond < 0): the first row's refusal, or an empty text.
QString materiauxLignes(const QList<LigneNiveau> &lignes, int fond, QList<Materiau> &materiaux);

// The background must be one of the levels in use (those of the ticked
// pictures; none: any), or it would fill the phantom unseen. The refusal, or
// an empty text.
QString refusFond(int fond, const QVector<int> &niveaux);

// Numbers the records: why they cannot be written, or an empty text.
QString verifierMateriaux(QList<Materiau> &materiaux);

// Counts given as numbers (typed, or a volume's), refused as the grid
// would refuse them, or past what an axis can hold; or an empty text.
QString refusComptesLus(const qint64 comptes[3]);

// The counts of the grid of the source in use, or the refusal.
QString comptesSource(const Session &session, qint64 comptes[3]);

// The whole of it: the records numbered, the counts, everything refused
// before the grid takes any memory (fichier is the file to write), then the
// grid and its geometry. The refusal, or an empty text.
QString construireGrille(const Session &session, const QString &fichier, QList<Materiau> &materiaux,
                         Grille &grille, Geometrie &geometrie);

// What a written phantom tells the user beside its summary: levels left
// unchosen, media with no voxel, then the readers' limits.
QStringList notesFantome(const Session &session, const QString &fichier, const QList<Materiau> &materiaux,
                         const QList<Milieu> &catalogue, const Grille &grille);

#endif
