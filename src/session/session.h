#ifndef QUARVEL_SESSION_H
#define QUARVEL_SESSION_H

#include <QImage>
#include <QObject>
#include <QString>
#include <memory>

#include "egsphant/egsphant.h"
#include "phantom/construction.h"
#include "session/choix.h"

struct Volume;

// Where the phantom's voxels come from: the three planes' pictures, or a
// label volume or a CT series in their place.
enum class SourceFantome { Plans, Volume, Scanner };

// A plane as chosen: its file, the picture read from it (the build uses
// this one, not the file again) and its tick.
struct PlanSession
{
    QString chemin;
    QImage image;
    bool coche = false;
};

// A label volume as read, from its file or from a folder of pictures.
struct VolumeSession
{
    std::shared_ptr<const Volume> volume;
    QString chemin;
    bool fichier = false;
};

// A source's geometry as numbers: voxel sizes and origin (cm), and counts.
struct GeometrieSource
{
    Geometrie geometrie;
    qint64 comptes[3] = {0, 0, 0};
};

// What a session is, without its widgets: the sources, the source in use,
// and each source's own table of choices and geometry. Switching sources
// switches tables: no choice and no number passes from one source to another.
class Session : public QObject
{
    Q_OBJECT

public:
    SourceFantome source() const { return enCours; }
    void changerSource(SourceFantome nouvelle);

    // The choices of the source in use.
    ChoixNiveaux &choix() { return choixSources[int(enCours)]; }
    const ChoixNiveaux &choix() const { return choixSources[int(enCours)]; }

    const PlanSession &plan(PlanImage p) const { return plans[int(p)]; }
    void choisirPlan(PlanImage p, const QString &chemin, const QImage &image);
    void cocherPlan(PlanImage p, bool coche);

    const VolumeSession &volume() const { return volumeLu; }
    // A null volume lets its memory go.
    void choisirVolume(std::shared_ptr<const Volume> volume, const QString &chemin, bool fichier);

    // The geometry of the source in use.
    const GeometrieSource &geometrie() const { return geometries[int(enCours)]; }
    void changerGeometrie(const GeometrieSource &geometrie);

signals:
    void sourceChangee(SourceFantome source);
    void planChange(PlanImage plan);
    void volumeChange();
    void geometrieChangee(SourceFantome source);

private:
    SourceFantome enCours = SourceFantome::Plans;
    ChoixNiveaux choixSources[3]; // by source, in the order of SourceFantome
    GeometrieSource geometries[3]; // likewise
    PlanSession plans[3];          // by PlanImage
    VolumeSession volumeLu;
};

#endif
