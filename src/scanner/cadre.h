#ifndef QUARVEL_CADRE_H
#define QUARVEL_CADRE_H

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

// One axis of a CT in the phantom's frame: voxel count, voxel size and
// first voxel boundary (cm).
struct AxeCT
{
    int compte = 0;
    double taille = 0.0;
    double origine = 0.0;
    // Slices unevenly spaced: the compte + 1 boundaries (cm), halfway
    // between slices; taille and origine are then their mean and first.
    std::vector<double> bornes;

    double borne(int i) const { return bornes.empty() ? origine + i * taille : bornes[size_t(i)]; }
};

// The axis of voxels centred on these positions (mm, increasing): their
// boundaries halfway between, the first and last half the neighbouring step
// beyond the ends. Steps all within 1 % of their mean make even voxels of
// that mean, as a scanner's rounding of positions asks.
AxeCT axeDesCentres(const std::vector<double> &centres);

// What the phantom takes of a CT along one axis: the CT voxels [premier, fin),
// split into compte voxels of equal size, the first boundary at origine (cm).
struct AxeCadre
{
    int premier = 0;
    int fin = 0;
    int compte = 0;
    double taille = 0.0;
    double origine = 0.0;
    std::vector<double> bornes; // the CT's own uneven voxels kept: their boundaries (cm)

    // Each phantom voxel is one CT voxel.
    bool memesVoxels() const { return compte == fin - premier; }
};

// A box typed by the user (cm): bas[a] to haut[a] along axis a.
struct Boite
{
    double bas[3] = {0.0, 0.0, 0.0};
    double haut[3] = {0.0, 0.0, 0.0};
};

// Fits the phantom onto the CT. The box's edges are widened outwards to the
// nearest CT voxel boundary and clamped to the CT (no box: the whole CT);
// on an axis of length L and asked size S, the phantom has
// max(1, floor(L / S + 1e-9)) voxels of size L / count (no sizes: the CT's
// own voxels, uneven ones kept as they are). Why not, in French, or an empty text: a box that misses the
// CT or has no thickness, a size that is not a number above 0 or is smaller
// than the CT's voxels.
QString cadrer(const AxeCT ct[3], const std::optional<Boite> &boite, const std::optional<std::array<double, 3>> &tailles,
               AxeCadre cadre[3]);

// What a fitted phantom should tell its user, in French: each axis where the
// box was clamped to the CT (asked and kept, cm), and each axis where the
// size asked leaves fewer than 2 voxels.
QStringList notesCadre(const AxeCT ct[3], const std::optional<Boite> &boite,
                       const std::optional<std::array<double, 3>> &tailles, const AxeCadre cadre[3]);

#endif
