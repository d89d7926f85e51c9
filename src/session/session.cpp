#include "session/session.h"

void Session::changerSource(SourceFantome nouvelle)
{
    if (nouvelle == enCours)
        return;
    enCours = nouvelle;
    emit sourceChangee(nouvelle);
}

void Session::choisirPlan(PlanImage p, const QString &chemin, const QImage &image)
{
    plans[int(p)].chemin = chemin;
    plans[int(p)].image = image;
    emit planChange(p);
}

void Session::cocherPlan(PlanImage p, bool coche)
{
    if (plans[int(p)].coche == coche)
        return;
    plans[int(p)].coche = coche;
    emit planChange(p);
}

void Session::choisirVolume(std::shared_ptr<const Volume> volume, const QString &chemin, bool fichier)
{
    volumeLu = {std::move(volume), chemin, fichier};
    emit volumeChange();
}

void Session::changerGeometrie(const GeometrieSource &geometrie)
{
    geometries[int(enCours)] = geometrie;
    emit geometrieChangee(enCours);
}
