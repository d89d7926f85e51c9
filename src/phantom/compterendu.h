#ifndef QUARVEL_COMPTERENDU_H
#define QUARVEL_COMPTERENDU_H

#include <QList>
#include <QString>
#include <QStringList>

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

#endif
