#ifndef QUARVEL_NIVEAUXPLANS_H
#define QUARVEL_NIVEAUXPLANS_H

#include <QHash>
#include <QImage>
#include <QRgb>
#include <QVector>

#include "phantom/construction.h"

// The grey levels of the three planes' pictures: each picture's own, their
// union that the table shows, and how each level looks in the pictures. A
// picture replaced takes away the levels that no other picture holds.
class NiveauxPlans
{
public:
    // The picture now chosen in plan: its levels replace those of the
    // picture it follows; a level that comes back takes its colour from it.
    void remplacer(PlanImage plan, const QImage &image);

    const QVector<int> &duPlan(PlanImage plan) const { return niveaux[int(plan)]; }
    // The union, lightest first.
    QVector<int> tous() const;
    // The union of the ticked planes' levels: XY, YZ and XZ in that order.
    QVector<int> coches(bool xy, bool yz, bool xz) const;
    // How the level looks: its first pixel's colour, grey when unknown.
    QRgb couleur(int niveau) const { return couleurs.value(niveau, qRgb(niveau, niveau, niveau)); }

private:
    QVector<int> niveaux[3]; // by PlanImage
    QHash<int, QRgb> couleurs;
};

#endif
