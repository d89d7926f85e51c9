#ifndef QUARVEL_LOT_CT_H
#define QUARVEL_LOT_CT_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "model/materiau.h"
#include "scanner/cadre.h"

// --crop X0,X1,Y0,Y1,Z0,Z1 and --size SX,SY,SZ as numbers, each when
// given; or the refusal.
std::optional<QString> lireCadreCT(const std::optional<QString> &texteBoite, const std::optional<QString> &texteTailles,
                                   std::optional<Boite> &boite, std::optional<std::array<double, 3>> &tailles);

// The media of the --pegs file, when given, without the trace the window's
// console shows; or the refusal.
std::optional<QString> lireCatalogue(const std::optional<QString> &pegs, QList<Milieu> &catalogue);

// The CT series of dossier, one tab-separated line each, without a header:
// UID, SeriesNumber, description, slices, PixelSpacing along x and y
// ("SX,SY", mm), the smallest and largest step along z between successive
// slices (mm), the gantry tilt (degrees), the file of the slice of smallest
// z relative to dossier; a field the headers cannot give is empty. Or the
// refusal.
std::optional<QString> listeSeries(const QString &dossier, QByteArray &texte);

// The default ramp for the catalogue of pegs, as an editable file, or the refusal.
std::optional<QString> modeleRampe(const QString &pegs, QByteArray &texte);

#endif
