#ifndef QUARVEL_RAMPE_H
#define QUARVEL_RAMPE_H

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include "model/materiau.h"

// One line of a calibration ramp: CT numbers up to huMax (HU) take the
// medium nom, its density running from densiteMin to densiteMax (g/cm³)
// across the line's span.
struct PalierRampe
{
    QString nom;
    double huMax = 0.0;
    double densiteMin = 0.0;
    double densiteMax = 0.0;
};

// The lower bound of the first line, then the lines in increasing huMax.
struct Rampe
{
    double huMin = -1024.0;
    QList<PalierRampe> paliers;
};

// Reads ramp text (UTF-8): "#" comments, blank lines, one "min HU_MIN" line,
// then "NAME HU_MAX DENSITY_MIN DENSITY_MAX" lines, numbers with a full stop.
// False, with "ligne N : why" in *erreur, for the first faulty line; rampe is
// then left as it was.
bool lireRampe(QByteArrayView contenu, Rampe &rampe, QString *erreur);

// The same from the window's ramp table: the lower bound's text and each
// row's four cells (name, HU max, density min, density max), with the same
// rules; a refusal names the row ("ligne N du tableau") or the bound.
bool rampeDuTableau(const QString &huMin, const QList<QStringList> &lignes, Rampe &rampe, QString *erreur);

// The same for a file; the message names the file.
bool chargerRampe(const QString &chemin, Rampe &rampe, QString *erreur);

// The ramp of ctcreate's example, each of its words (AIR, LUNG, ICRUTISSUE,
// ICRPBONE) replaced by the first catalogue medium whose name begins with
// it. False, with why, without a catalogue or when a word matches nothing.
bool rampeParDefaut(const QList<Milieu> &catalogue, Rampe &rampe, QString *erreur);

// The text of a file that reads back as this ramp, with a comment saying how
// to edit it.
QByteArray texteRampe(const Rampe &rampe);

// Writes that text whole or not at all.
bool enregistrerRampe(const QString &chemin, const Rampe &rampe, QString *erreur);

// The records of the phantom: one per ramp line, in ramp order, so that a
// voxel's value is its line. Lines of one name share a medium, whose density
// in the file's header is its first line's DENSITY_MIN. A name that a
// catalogue medium matches takes the catalogue's spelling.
QList<Materiau> materiauxRampe(const Rampe &rampe, const QList<Milieu> &catalogue);

// Where a CT number falls: the ramp line and the density there.
struct PointRampe
{
    int palier = 0;
    double densite = 0.0;
};

// The first line whose huMax is at least h (the last line for anything
// above), and its density interpolated in double precision, the fraction
// clamped to [0, 1]. The ramp must have at least one line.
PointRampe appliquerRampe(const Rampe &rampe, double h);

#endif
