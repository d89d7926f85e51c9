#include "session/niveauxplans.h"

#include <iterator>

#include "images/inventaire.h"

void NiveauxPlans::remplacer(PlanImage plan, const QImage &image)
{
    QVector<int> &duPlan = niveaux[int(plan)];
    duPlan.clear();
    ajouterNiveauxGris(image, duPlan);
    const QVector<int> restent = tous();
    for (auto it = couleurs.begin(); it != couleurs.end();)
        it = restent.contains(it.key()) ? std::next(it) : couleurs.erase(it);
    ajouterCouleursNiveaux(image, couleurs);
}

QVector<int> NiveauxPlans::tous() const
{
    return coches(true, true, true);
}

QVector<int> NiveauxPlans::coches(bool xy, bool yz, bool xz) const
{
    QVector<int> union_;
    if (xy)
        union_ << niveaux[int(PlanImage::XY)];
    if (yz)
        union_ << niveaux[int(PlanImage::YZ)];
    if (xz)
        union_ << niveaux[int(PlanImage::XZ)];
    ajouterNiveauxGris(QImage(), union_);
    return union_;
}
