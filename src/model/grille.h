#ifndef QUARVEL_GRILLE_H
#define QUARVEL_GRILLE_H

#include <QtGlobal>
#include <memory>
#include <utility>
#include <vector>

// An allocator whose vectors leave the elements a resize adds as they are:
// a volume about to be written whole is not zeroed first, and its pages
// are first touched by the threads that fill it.
template <typename T>
struct SansZero : std::allocator<T>
{
    template <typename U>
    struct rebind
    {
        using other = SansZero<U>;
    };
    SansZero() = default;
    template <typename U>
    SansZero(const SansZero<U> &) noexcept
    {
    }
    template <typename U>
    void construct(U *p) noexcept
    {
        ::new (static_cast<void *>(p)) U;
    }
    template <typename U, typename... Valeurs>
    void construct(U *p, Valeurs &&...valeurs)
    {
        ::new (static_cast<void *>(p)) U(std::forward<Valeurs>(valeurs)...);
    }
};

// Whole CT numbers, one a voxel.
using NombresCT = std::vector<qint16, SansZero<qint16>>;

// Each voxel's own density, for a phantom whose voxels of one medium differ
// (a CT through a ramp); empty when every voxel takes its record's density.
// One of two forms, voxels in the grid's order:
// - nombres: each voxel's whole CT number, whose density is
//   table[nombre - premier], as at a CT's own voxels: a few thousand
//   densities, each worked out once, and the CT's own numbers kept as they are;
// - codes: each voxel's density rounded to six significant digits
//   (codeReel in egsphant/reel.h), as for averaged voxels, all different.
struct DensitesVoxels
{
    std::vector<double> table;
    int premier = 0;
    NombresCT nombres;
    std::vector<quint32> codes;

    bool vide() const { return nombres.empty() && codes.empty(); }
};

// The voxel grid of one build, indexed [z][y][x]. A voxel holds the position
// of its record in the media list (never more than 256 records, one per grey
// level), so a large phantom costs one byte per voxel, and three or five
// when it carries its own density.
struct Grille
{
    int dimX = 0;
    int dimY = 0;
    int dimZ = 0;
    std::vector<quint8> voxels;
    DensitesVoxels densites;

    qint64 nombreVoxels() const { return qint64(dimX) * dimY * dimZ; }
    quint8 *ligne(int z, int y) { return voxels.data() + (qint64(z) * dimY + y) * dimX; }
    const quint8 *ligne(int z, int y) const { return voxels.data() + (qint64(z) * dimY + y) * dimX; }
};

#endif
