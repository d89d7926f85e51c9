#ifndef QUARVEL_BILANDOSE_H
#define QUARVEL_BILANDOSE_H

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

struct Dose;
struct Fantome;

// The dose one medium receives. Volumes come from the dose's boundaries and
// every mean is weighted by volume. Dx is the dose of the first voxel, by
// decreasing dose, at which the running volume reaches x % of the medium's.
struct BilanDoseMilieu
{
    qint64 voxels = 0;
    double volume = 0.0;  // cm³
    double moyenne = 0.0;
    double maximum = 0.0;
    double d98 = 0.0, d50 = 0.0, d2 = 0.0;
    // Mean relative uncertainty (%) over the voxels of at least half the
    // phantom's highest dose; none without such voxels or uncertainties.
    std::optional<double> incertitude;
};

// The highest dose of the grid.
double doseMaximale(const Dose &dose);

// One entry per medium of the phantom, whose grid is the dose's.
std::vector<BilanDoseMilieu> bilanDose(const Fantome &fantome, const Dose &dose);

// The cumulative dose-volume histogram of each medium: pas + 1 values, the
// % of its volume that receives at least k·doseMax/pas for k = 0 to pas
// (0 throughout for a medium with no voxel).
std::vector<std::vector<double>> histogrammeCumule(const Fantome &fantome, const Dose &dose, double doseMax, int pas);

// The histograms' rows, from 0 to the highest dose.
constexpr int pasHistogramme = 200;

// The cumulative histograms as CSV text: a header "dose,NAME1,…", then
// pasHistogramme + 1 rows, each dose and every medium's %.
QByteArray texteHistogrammeCumule(const Fantome &fantome, const Dose &dose);

// A number of a dose table: six significant digits and a full stop, whatever the locale.
QString nombreDose(double v);

#endif
