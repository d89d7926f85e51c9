#ifndef QUARVEL_SAISIE_H
#define QUARVEL_SAISIE_H

#include <QString>
#include <QStringList>

struct Geometrie;

// The geometry's numbers as the user typed them, read whatever the locale
// (a decimal comma taken for a point). A text that is no number is refused,
// naming its field: read as 0 it would give a file with the wrong geometry,
// or a count that nobody typed, and no word of it.

// Sizes along X, Y, Z then origin along X, Y, Z.
QString lireGeometrieSaisie(const QStringList &textes, Geometrie &geometrie);

// Counts along X, Y, Z: whole numbers, at most INT_MAX.
QString lireComptesSaisis(const QStringList &textes, qint64 comptes[3]);

#endif
