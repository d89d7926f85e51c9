#ifndef QUARVEL_LECTURE_H
#define QUARVEL_LECTURE_H

#include <QString>
#include <QStringList>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

struct LibererMemoire
{
    void operator()(void *p) const { std::free(p); }
};

// A phantom read from an egsphant file. Voxels are indexed [z][y][x] as in
// the file. Each voxel's density is kept as its place in the table of the
// distinct density texts of the file (two bytes a voxel), or, for a file
// with more distinct texts than that can number, as a float.
struct Fantome
{
    QStringList noms;             // as in the file, blanks kept, line ends removed
    std::vector<double> densites; // the densities line, one per medium
    int dim[3] = {0, 0, 0};
    std::vector<double> bornes[3]; // dim[a] + 1 boundaries per axis (cm)

    std::unique_ptr<quint8, LibererMemoire> milieux; // medium of each voxel, 0-based
    std::unique_ptr<void, LibererMemoire> densitesVoxels;
    std::vector<double> valeursDensite; // the distinct densities, while voxels hold places
    bool densitesDirectes = false;      // voxels hold float values
    QStringList notes;                  // what the reader saw that the user should know

    qint64 nombreVoxels() const { return qint64(dim[0]) * dim[1] * dim[2]; }
    qint64 indice(int x, int y, int z) const { return (qint64(z) * dim[1] + y) * dim[0] + x; }
    int milieu(qint64 v) const { return milieux.get()[v]; }
    double densite(qint64 v) const
    {
        return densitesDirectes ? double(static_cast<const float *>(densitesVoxels.get())[v])
                                : valeursDensite[static_cast<const quint16 *>(densitesVoxels.get())[v]];
    }
    // Place of the voxel's density in valeursDensite (only when !densitesDirectes).
    int placeDensite(qint64 v) const { return static_cast<const quint16 *>(densitesVoxels.get())[v]; }
};

// Told, as each block of text comes in, how many bytes of the file have been
// read of how many (compressed bytes for a .gz); answering false stops the read.
using SuiviLecture = std::function<bool(qint64 lus, qint64 taille)>;

// Reads an egsphant file, plain or gzip-compressed (known by its first
// bytes). It takes the names one per line, padded or not, or all on one
// line; CRLF line ends; blank lines between slices; numbers in free format.
// False when the file cannot be read, with the reason in French in *erreur,
// naming the line and what was expected there, or when suivi stopped it.
bool lireEgsphant(const QString &chemin, Fantome &fantome, QString *erreur, const SuiviLecture &suivi = {});

#endif
