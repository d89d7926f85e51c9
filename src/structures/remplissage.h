#ifndef QUARVEL_REMPLISSAGE_H
#define QUARVEL_REMPLISSAGE_H

#include <utility>
#include <vector>

#include "structures/structures.h"

// The phantom voxels of one z whose centres lie inside a plane's polygons,
// found row by row as a scanline fill finds them: each edge gives its
// crossing to the rows whose centre line it spans, so a plane costs its
// edges and its rows, not a point-in-polygon test per voxel.
class Remplissage
{
public:
    // The phantom's first boundaries and sizes along x and y (cm), and its counts.
    Remplissage(double origineX, double tailleX, int dimX, double origineY, double tailleY, int dimY);

    // The rows' runs inside the plane's polygons by the even-odd rule, across
    // all of them so that a polygon within another is a hole: the voxel of
    // centre (xc, yc) is inside when an odd number of edges cross the line y
    // = yc at or beyond xc, an edge holding its lower end and not its upper.
    void tracer(const PlanContours &plan);

    // Row y's runs inside, [debut, fin) voxel indices, in increasing x.
    const std::vector<std::pair<int, int>> &segments(int y) const { return lignes[size_t(y)]; }

private:
    double centreX(int i) const { return origineX + (i + 0.5) * tailleX; }
    double centreY(int j) const { return origineY + (j + 0.5) * tailleY; }
    // The first voxel index whose centre is at or beyond v.
    int premierX(double v) const;

    double origineX, tailleX, origineY, tailleY;
    int dimX, dimY;
    std::vector<std::vector<double>> croisements;
    std::vector<std::vector<std::pair<int, int>>> lignes;
};

#endif
