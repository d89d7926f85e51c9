#ifndef QUARVEL_MATERIAUX_H
#define QUARVEL_MATERIAUX_H

#include <QList>
#include <QString>

#include "model/materiau.h"

// Records the medium chosen for a grey level: a level seen for the first
// time is appended, a level already recorded takes the new name and density
// (the user's current choice is what a build must use).
void enregistrerChoix(QList<Materiau> &materiaux, int niveauGris, const QString &nom, double densite);

// "Matiere =N name name ... ", the summary shown after the records are made.
QString resumeMateriaux(const QList<Materiau> &materiaux);

#endif
