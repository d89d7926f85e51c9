#ifndef QUARVEL_PEGS_H
#define QUARVEL_PEGS_H

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <iosfwd>

#include "model/materiau.h"

// Scans PEGS4 text (Latin-1 bytes): every line holding "MEDIUM" names a
// medium, the line after it gives its density. Appends one Milieu per
// well-formed block to milieux, writes one trace line per medium to trace,
// and returns how many media were appended. A block whose density is not a
// number (a Fortran D exponent is read as E) or whose name holds a control
// character is left out.
int analysePegs(QByteArrayView contenu, QList<Milieu> &milieux, std::ostream &trace);

// The largest PEGS4 file read: the real ones hold a few MB.
constexpr qint64 taillePegsMax = qint64(64) << 20;

// Appends one Milieu per medium block of the PEGS4 file to milieux and writes one trace line per medium to trace.
// Returns false, with a French message naming the file in *erreur, when the file cannot be opened/read or holds no medium.
bool lireFichierPegs(const QString &chemin, QList<Milieu> &milieux, std::ostream &trace, QString *erreur);

#endif
