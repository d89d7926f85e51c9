#ifndef QUARVEL_SAISIE_H
#define QUARVEL_SAISIE_H

#include <QString>
#include <QStringList>
#include <array>

struct Boite;
struct Geometrie;
struct GeometrieSource;

// The geometry's numbers as the user typed them, read whatever the locale
// (a decimal comma taken for a point). A text that is no number is refused,
// naming its field: read as 0 it would give a file with the wrong geometry,
// or a count that nobody typed, and no word of it.

// Sizes along X, Y, Z then origin along X, Y, Z.
QString lireGeometrieSaisie(const QStringList &textes, Geometrie &geometrie);

// Counts along X, Y, Z: whole numbers, at most INT_MAX.
QString lireComptesSaisis(const QStringList &textes, qint64 comptes[3]);

// One field of each: champ 0 to 5 for sizes then origin, 9 to 11 for a CT
// box's far corner, axe 0 to 2; the refusal, or empty when the number was
// read. A refused text leaves the number as it was.
QString lireReelSaisi(int champ, const QString &texte, double &valeur);
QString lireCompteSaisi(int axe, const QString &texte, qint64 &compte);

// The refusal of the first text that a source's sizes and origin, or its
// counts, kept as no number; empty when there is none.
QString refusGeometrie(const GeometrieSource &geometrie);
QString refusComptes(const GeometrieSource &geometrie);

// A CT's box (from the origin to the far corner) and sizes, or the refusal
// of the first text kept as no number: origin and far corner along X, then
// Y, then Z, then the sizes.
QString lireCadreSaisi(const GeometrieSource &geometrie, Boite &boite, std::array<double, 3> &tailles);

#endif
