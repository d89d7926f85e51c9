#include "structures/remplissage.h"

#include <algorithm>
#include <cmath>

Remplissage::Remplissage(double origineX, double tailleX, int dimX, double origineY, double tailleY, int dimY)
    : origineX(origineX), tailleX(tailleX), origineY(origineY), tailleY(tailleY), dimX(dimX), dimY(dimY),
      croisements(size_t(dimY)), lignes(size_t(dimY))
{
}

int Remplissage::premierX(double v) const
{
    const double estime = std::ceil((v - origineX) / tailleX - 0.5);
    int i = int(std::clamp(estime, -1.0, double(dimX) + 1.0));
    // The estimate's rounding settled on the centres themselves.
    while (i > 0 && centreX(i - 1) >= v)
        --i;
    while (i < dimX && centreX(i) < v)
        ++i;
    return std::clamp(i, 0, dimX);
}

void Remplissage::tracer(const PlanContours &plan)
{
    for (auto &c : croisements)
        c.clear();
    for (const std::vector<QPointF> &polygone : plan.polygones)
        for (size_t k = 0, n = polygone.size(); k < n; ++k) {
            const QPointF &a = polygone[k], &b = polygone[(k + 1) % n];
            if (a.y() == b.y())
                continue;
            const double bas = std::min(a.y(), b.y()), haut = std::max(a.y(), b.y());
            // The rows whose centre line lies in [bas, haut).
            int j = int(std::clamp(std::floor((bas - origineY) / tailleY - 0.5), -1.0, double(dimY)));
            j = std::max(j, 0);
            while (j < dimY && centreY(j) < bas)
                ++j;
            const double pente = (b.x() - a.x()) / (b.y() - a.y());
            for (; j < dimY && centreY(j) < haut; ++j)
                croisements[size_t(j)].push_back(a.x() + (centreY(j) - a.y()) * pente);
        }
    for (int j = 0; j < dimY; ++j) {
        std::vector<double> &c = croisements[size_t(j)];
        std::vector<std::pair<int, int>> &segments = lignes[size_t(j)];
        segments.clear();
        std::sort(c.begin(), c.end());
        // Between crossings 2i and 2i + 1: centres c[2i] <= xc < c[2i + 1].
        for (size_t k = 0; k + 1 < c.size(); k += 2) {
            const int debut = premierX(c[k]), fin = premierX(c[k + 1]);
            if (debut < fin)
                segments.emplace_back(debut, fin);
        }
    }
}
