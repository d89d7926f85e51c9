#ifndef QUARVEL_VOLUME_H
#define QUARVEL_VOLUME_H

#include <QHash>
#include <QImage>
#include <QRgb>
#include <QString>
#include <QVector>
#include <memory>

#include "model/grille.h"

// The number each voxel holds, as the file stores it.
enum class TypeVoxel { U8, I8, U16, I16, U32, I32, F32, F64 };

// A label volume as read: its voxels kept in the file's own type and order
// (the reader's buffer is the only full-size copy), and where each of the
// file's axes lies in the phantom.
struct Volume
{
    // Voxels along the phantom's x, y and z.
    int comptes[3] = {0, 0, 0};
    // Voxel sizes and lower corner (cm), when the source tells them: a file
    // does, a folder of pictures does not.
    bool geometrieConnue = false;
    double taille[3] = {1.0, 1.0, 1.0};
    double origine[3] = {0.0, 0.0, 0.0};
    // The distinct voxel values, from the highest to the lowest.
    QVector<int> valeurs;

    // The file's axis a (0 the fastest) runs along the phantom's axis
    // axe[a], from the highest coordinate down when inverse[a].
    int comptesFichier[3] = {0, 0, 0};
    int axe[3] = {0, 1, 2};
    bool inverse[3] = {false, false, false};
    TypeVoxel type = TypeVoxel::U8;
    std::shared_ptr<char[]> donnees;

    qint64 nombreVoxels() const { return qint64(comptes[0]) * comptes[1] * comptes[2]; }
    // Bytes the voxels take in memory.
    qint64 octets() const;
};

// Reads a label volume: a 3-D image file (NRRD, NIfTI, MetaImage), or a
// folder of 2-D pictures, one slice each. False, with one French line in
// *erreur, when the source cannot be read or is not a label volume: more
// than 256 distinct values, or a value that is not a whole number from 0 to
// 65535.
bool chargerVolume(const QString &chemin, Volume &volume, QString *erreur);

// Fills a grid of the volume's counts: each voxel takes table[value], the
// record of its value (65536 entries).
void remplirGrilleVolume(Grille &grille, const Volume &volume, const quint8 *table);

// The value of the voxel at (x, y, z) of the phantom.
int valeurVoxel(const Volume &volume, int x, int y, int z);

// The middle XY slice (z = count / 2), pixel (x, y) in the colour of its
// value; black for a value that has none.
QImage coupeMilieu(const Volume &volume, const QHash<int, QRgb> &couleurs);

#endif
