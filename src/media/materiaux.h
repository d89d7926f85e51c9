#ifndef QUARVEL_MATERIAUX_H
#define QUARVEL_MATERIAUX_H

#include <QList>
#include <QString>
#include <vector>

#include "model/materiau.h"

// Records the medium chosen for a grey level: a level seen for the first
// time is appended, a level already recorded takes the new name and density
// (the user's current choice is what a build must use).
void enregistrerChoix(QList<Materiau> &materiaux, int niveauGris, const QString &nom, double densite);

// Why the choice typed for a grey level cannot be written, or an empty text:
// the name must not be blank and the density must be a finite number above 0.
// On success *densite holds the density read from texteDensite.
QString refusChoix(int niveauGris, const QString &nom, const QString &texteDensite, double *densite);

// Moves the first record of niveauGris to the front, the others keeping their
// order: the first record's medium fills every voxel that gets no other.
// Nothing moves when no record has that level.
void placerFond(QList<Materiau> &materiaux, int niveauGris);

// The phantom's medium number (1, 2, ...) of every record: records whose
// names are equal once their outer blanks are removed share one medium,
// numbered in order of first appearance.
std::vector<int> numerosMilieux(const QList<Materiau> &materiaux);

// How many distinct media the records name.
int nombreMilieux(const QList<Materiau> &materiaux);

// "Matiere =N name name ... ", the summary shown after the records are made.
QString resumeMateriaux(const QList<Materiau> &materiaux);

#endif
