// The check of the ticked planes' sizes before a build.
#include <QCheckBox>
#include <QLabel>
#include <optional>

#include "images/compatibilite.h"
#include "window/groupeplan.h"
#include "window/interface.h"

// The pictures already loaded are judged, as the build takes them: a path
// field edited since, or a file changed on disk, plays no part. An unticked
// plane, or one with no picture, gives no axis.
bool Interface::validationImage()
{
    auto taillePlan = [this](PlanImage plan) -> std::optional<QSize> {
        const PlanSession &lu = session.plan(plan);
        if (!lu.coche || lu.image.isNull())
            return std::nullopt;
        return lu.image.size();
    };
    const VerdictImages verdict =
        verifierImages(taillePlan(PlanImage::XY), taillePlan(PlanImage::XZ), taillePlan(PlanImage::YZ));
    if (verdict.compatible)
        session.poserDimensions(verdict.x, verdict.y, verdict.z);
    etat->setText(verdict.message);
    return verdict.compatible;
}
