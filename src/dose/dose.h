#ifndef QUARVEL_DOSE_H
#define QUARVEL_DOSE_H

#include <QString>

#include <memory>
#include <vector>

#include "egsphant/lecture.h"

// A dose read from a .3ddose file. Voxels are indexed [z][y][x] as in the
// file. Doses carry no unit: they are the file's own (for a beam, per
// incident fluence). Both maps are kept as floats, four bytes a voxel each.
struct Dose
{
    int dim[3] = {0, 0, 0};
    std::vector<double> bornes[3]; // dim[a] + 1 boundaries per axis (cm)

    std::unique_ptr<float, LibererMemoire> doses;
    std::unique_ptr<float, LibererMemoire> incertitudes; // relative, 0 to 1; null when the file has none

    qint64 nombreVoxels() const { return qint64(dim[0]) * dim[1] * dim[2]; }
    qint64 indice(int x, int y, int z) const { return (qint64(z) * dim[1] + y) * dim[0] + x; }
    double dose(qint64 v) const { return doses.get()[v]; }
    bool aIncertitudes() const { return bool(incertitudes); }
    double incertitude(qint64 v) const { return incertitudes.get()[v]; }
};

// Reads a .3ddose file, plain or gzip-compressed (known by its first bytes):
// counts, boundaries, doses and, when present, uncertainties, in free format
// with no limit on a line's length. False with the reason in French in
// *erreur, naming the line and the value, or when suivi stopped it.
bool lireDose(const QString &chemin, Dose &dose, QString *erreur, const SuiviLecture &suivi = {});

#endif
