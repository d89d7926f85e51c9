#ifndef QUARVEL_STRUCTURES_TABLE_H
#define QUARVEL_STRUCTURES_TABLE_H

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include "structures/structures.h"

// The window's structures table without its widgets: one row per region of
// the set read, the choices made on them, and the table file that keeps
// those choices.

// One region's row. Ticked, its medium is given: inside the region, or
// outside it for the row chosen as the outside. The density as typed:
// empty for the catalogue's, "ct" for the ramp's, or a number.
struct LigneStructure
{
    bool cochee = false;
    QString milieu;
    QString densite;
};

// The rows in the set's order; exterieur is the row whose outside takes
// its medium (-1: none).
struct TableStructures
{
    QList<LigneStructure> lignes;
    int exterieur = -1;
};

// The choices as the batch command's options give them, so that both read
// them alike: the outside row's, then the other ticked rows' in order.
DemandeStructures demandeDuTableau(const QString &fichier, const JeuStructures &jeu, const TableStructures &table);

// The text of a table file: "#" comments, then one line per ticked row,
// "interieur|exterieur MEDIUM DENSITY NAME", the density "-" for the
// catalogue's, the name running to the end of the line.
QByteArray texteTableStructures(const JeuStructures &jeu, const TableStructures &table);

// Reads such a text onto the rows of jeu: the rows it names ticked with
// its media, the others unticked. False, with "ligne N : why" in *erreur,
// for a line of another form, a name no region bears, a second outside, a
// region named twice; table is then left as it was.
bool lireTableStructures(QByteArrayView contenu, const JeuStructures &jeu, TableStructures &table, QString *erreur);

// The same for a file, whose name the refusal gives; written whole or not at all.
bool chargerTableStructures(const QString &chemin, const JeuStructures &jeu, TableStructures &table,
                            QString *erreur);
bool enregistrerTableStructures(const QString &chemin, const JeuStructures &jeu, const TableStructures &table,
                                QString *erreur);

#endif
