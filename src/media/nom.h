#ifndef QUARVEL_NOM_H
#define QUARVEL_NOM_H

#include <QList>
#include <QString>

#include "model/materiau.h"

// Why a medium name cannot go into a phantom, or an empty text. A control
// character (below 32, or 127) would break the file's lines: a newline
// splits the names. A character beyond Latin-1 cannot be written as itself.
// Every name is asked: from the catalogue, typed in the
// table or on the command line, or read from a table file.
QString refusNom(const QString &nom);

// The first record whose name is refused, as « Niveau de gris N : ... », or
// an empty text.
QString refusNoms(const QList<Materiau> &materiaux);

#endif
