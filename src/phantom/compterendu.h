#ifndef QUARVEL_COMPTERENDU_H
#define QUARVEL_COMPTERENDU_H

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "model/grille.h"
#include "model/materiau.h"

// « Fantôme écrit dans « chemin » : N milieux, X × Y × Z voxels », the line
// that says what a build wrote, with the absolute path.
QString resumeEcriture(const QString &nomFich, const QList<Materiau> &materiaux, int dimX, int dimY, int dimZ);

// The same line followed by the file's size, as the window shows it.
QString resumeEcritureTaille(const QString &nomFich, const QList<Materiau> &materiaux, int dimX, int dimY, int dimZ);

// Every limit of the dose codes' readers that this phantom exceeds, one note
// each, saying how to lift it, and, when a catalogue is loaded (not empty),
// every medium name it lacks. The file is written all the same: a user with
// a recompiled DOSXYZnrc, a recent egs++ or another PEGS4 file has no such
// limits.
QStringList notesLecteurs(const QString &nomFich, const QList<Materiau> &materiaux, int dimX, int dimY, int dimZ,
                          const QList<Milieu> &catalogue);

// A note naming the levels whose record holds the catalogue's first medium
// although nobody chose it for them: what a fresh table row, or a level the
// batch command is given no medium for, starts with. Empty when there is none.
QString noteMilieuParDefaut(const QList<Materiau> &materiaux, const QSet<int> &choisis,
                            const QList<Milieu> &catalogue);

// A note naming the media of the file that hold no voxel of the grid, or an empty text.
QString noteMilieuxVides(const QList<Materiau> &materiaux, const Grille &grille);

// Those two notes that apply, in that order: what a build tells about the
// choices behind it, in the window's status line as on the batch command's stderr.
QStringList notesChoix(const QList<Materiau> &materiaux, const QSet<int> &choisis, const QList<Milieu> &catalogue,
                       const Grille &grille);

#endif
