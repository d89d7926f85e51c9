#ifndef QUARVEL_LIGNES_H
#define QUARVEL_LIGNES_H

#include <QList>
#include <QString>
#include <QVector>
#include <optional>

#include "media/tablegris.h"
#include "model/materiau.h"

class ChoixNiveaux;
class Session;

// The rows of the source in use as its table shows them, from its choices
// alone: what the batch command builds from, with no table on screen.

// A level's own choice: its last, else the loaded table's (set by the
// user, as the table marks it when it shows it); none for a level never set.
std::optional<ChoixNiveau> choixRetenu(ChoixNiveaux &choix, int niveau);

// A level's row: its own choice, else the catalogue's first medium; none
// without a catalogue.
std::optional<ChoixNiveau> choixLigne(ChoixNiveaux &choix, int niveau, const QList<Milieu> &catalogue);

// The row marked "Fond": the level kept as such, else the table's, when it
// is one of the levels shown; -1 for none, the first row.
int fondLignes(const ChoixNiveaux &choix, const QVector<int> &niveaux);

// The records of the levels the session shows, in their order, the
// background's first, into the session's records: the first row's
// refusal, or an empty text.
QString materiauxChoix(Session &session);

#endif
