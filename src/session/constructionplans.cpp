#include "session/constructionplans.h"

#include <optional>

#include "images/chargement.h"
#include "images/compatibilite.h"
#include "session/session.h"

namespace {

const PlanImage tousPlans[3] = {PlanImage::XY, PlanImage::XZ, PlanImage::YZ};

const char *nomPlan(PlanImage plan)
{
    return plan == PlanImage::XY ? "XY" : plan == PlanImage::XZ ? "XZ" : "YZ";
}

// Why a ticked plane has no picture: what reading its file says.
QString raisonSansImage(const PlanSession &plan)
{
    QString raison;
    chargerImage(plan.chemin, &raison);
    return raison;
}

} // namespace

QString comptesPlans(const Session &session, qint64 comptes[3])
{
    const bool xy = session.plan(PlanImage::XY).coche, xz = session.plan(PlanImage::XZ).coche,
               yz = session.plan(PlanImage::YZ).coche;
    const Constructeur constructeur = choixConstructeur(xy, xz, yz);
    if (constructeur != Constructeur::Plans) {
        const PlanImage seul = xy ? PlanImage::XY : xz ? PlanImage::XZ : PlanImage::YZ;
        if (session.plan(seul).image.isNull())
            return raisonSansImage(session.plan(seul));
        for (int a = 0; a < 3; ++a)
            comptes[a] = session.geometrie().comptes[a];
        return QString();
    }
    QStringList illisibles;
    std::optional<QSize> tailles[3];
    for (int p = 0; p < 3; ++p) {
        const PlanSession &plan = session.plan(tousPlans[p]);
        if (!plan.coche)
            continue;
        if (plan.image.isNull())
            illisibles << QString("%1 : %2").arg(nomPlan(tousPlans[p]), raisonSansImage(plan));
        else
            tailles[p] = plan.image.size();
    }
    const VerdictImages verdict = verifierImages(tailles[0], tailles[1], tailles[2], illisibles);
    if (!verdict.compatible)
        return verdict.message;
    // The intersection reads the XY picture, ticked or not.
    if (session.plan(PlanImage::XY).image.isNull())
        return raisonSansImage(session.plan(PlanImage::XY));
    comptes[0] = verdict.x;
    comptes[1] = verdict.y;
    comptes[2] = verdict.z;
    return QString();
}

void remplirPlan(const Session &session, PlanImage plan, Grille &grille, const QList<Materiau> &materiaux)
{
    extruderPlan(grille, plan, session.plan(plan).image, tableNiveaux(materiaux));
}

void remplirIntersection(const Session &session, Grille &grille, const QList<Materiau> &materiaux)
{
    const PlanImage a = planA(session.plan(PlanImage::XZ).coche);
    const PlanImage b = planB(session.plan(PlanImage::YZ).coche);
    intersecterPlans(grille, session.plan(PlanImage::XY).image, session.plan(a).image, session.plan(b).image,
                     tableNiveaux(materiaux));
}

void remplirPlans(const Session &session, Grille &grille, const QList<Materiau> &materiaux)
{
    switch (choixConstructeur(session.plan(PlanImage::XY).coche, session.plan(PlanImage::XZ).coche,
                              session.plan(PlanImage::YZ).coche)) {
    case Constructeur::PlanXY: remplirPlan(session, PlanImage::XY, grille, materiaux); break;
    case Constructeur::PlanXZ: remplirPlan(session, PlanImage::XZ, grille, materiaux); break;
    case Constructeur::PlanYZ: remplirPlan(session, PlanImage::YZ, grille, materiaux); break;
    case Constructeur::Plans: remplirIntersection(session, grille, materiaux); break;
    }
}
