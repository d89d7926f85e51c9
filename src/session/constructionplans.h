#ifndef QUARVEL_CONSTRUCTIONPLANS_H
#define QUARVEL_CONSTRUCTIONPLANS_H

#include <QList>
#include <QString>

#include "model/grille.h"
#include "model/materiau.h"
#include "phantom/construction.h"

class Session;

// The planes' part of the pipeline, on the pictures the session holds.

// The counts of the planes' grid: with exactly one plane ticked, the
// session's own (typed or given); otherwise those the ticked pictures agree
// on. The refusal when they disagree, or when a ticked plane has no picture.
QString comptesPlans(const Session &session, qint64 comptes[3]);

// Fills the grid, already sized, from the plane's picture repeated along
// its missing axis.
void remplirPlan(const Session &session, PlanImage plan, Grille &grille, const QList<Materiau> &materiaux);

// Fills the grid, already sized, where the ticked pictures agree.
void remplirIntersection(const Session &session, Grille &grille, const QList<Materiau> &materiaux);

// The builder the ticks call for.
void remplirPlans(const Session &session, Grille &grille, const QList<Materiau> &materiaux);

#endif
