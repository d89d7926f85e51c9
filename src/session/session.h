#ifndef QUARVEL_SESSION_H
#define QUARVEL_SESSION_H

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QRgb>
#include <QString>
#include <QVector>
#include <array>
#include <memory>
#include <optional>

#include "egsphant/egsphant.h"
#include "model/materiau.h"
#include "phantom/construction.h"
#include "session/choix.h"
#include "session/niveauxplans.h"

struct Volume;
struct VolumeCT;

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
    QHash<int, QRgb> couleurs; // how each of its values looks, in the table and the slice
};

// A source's geometry as numbers: voxel sizes and origin (cm), counts, and
// a CT's box, from the origin to its far corner (cm). A text typed that is
// no number stays beside its field's number, as typed, until the build
// refuses it: the field shows it again on return.
struct GeometrieSource
{
    Geometrie geometrie;
    qint64 comptes[3] = {0, 0, 0};
    double jusqua[3] = {0.0, 0.0, 0.0};
    std::optional<QString> refuses[12]; // sizes, origin, counts, far corner, X to Z each
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

    // The choices of the source in use, or of another.
    ChoixNiveaux &choix() { return choixSources[int(enCours)]; }
    const ChoixNiveaux &choix() const { return choixSources[int(enCours)]; }
    ChoixNiveaux &choix(SourceFantome source) { return choixSources[int(source)]; }

    const PlanSession &plan(PlanImage p) const { return plans[int(p)]; }
    void choisirPlan(PlanImage p, const QString &chemin, const QImage &image);
    void cocherPlan(PlanImage p, bool coche);
    // The levels of plane p's picture, as chosen, replace those of the
    // picture it follows. Apart from the choice: the batch command reads its own.
    // The levels shown do not change: montrerNiveaux says which they are.
    void inventorierPlan(PlanImage p);
    // Each plane's levels and how they look.
    const NiveauxPlans &niveauxDesPlans() const { return niveauxPlans; }

    const VolumeSession &volume() const { return volumeLu; }
    // A null volume lets its memory go.
    void choisirVolume(std::shared_ptr<const Volume> volume, const QString &chemin, bool fichier,
                       const QHash<int, QRgb> &couleurs = {});

    // The CT series read last; null before any.
    const std::shared_ptr<const VolumeCT> &scanner() const { return serieCT; }
    void choisirScanner(std::shared_ptr<const VolumeCT> ct);

    // The media of the catalogue (PEGS4 files), shared by every source.
    QList<Milieu> &catalogue() { return milieux; }
    const QList<Milieu> &catalogue() const { return milieux; }
    // A PEGS4 file's media, after those read before.
    void ajouterMilieux(const QList<Milieu> &lus);

    // The levels of the source in use that the table shows, lightest first:
    // the planes' pictures' or the volume's values; a CT has none, its ramp
    // gives the media. Whoever reads the source says which they are.
    const QVector<int> &niveaux() const { return niveauxMontres; }
    void montrerNiveaux(const QVector<int> &niveaux);
    // How a level looks in the source in use: its colour in the pictures or the volume.
    QRgb couleur(int niveau) const;

    // The media records the table gave, for the build under way or the last one.
    QList<Materiau> &materiaux() { return materiauxTable; }
    const QList<Materiau> &materiaux() const { return materiauxTable; }

    // The grid's counts, X to Z, as the last check of the pictures or the last build settled them.
    const std::array<int, 3> &dimensions() const { return comptesGrille; }
    void poserDimensions(int x, int y, int z) { comptesGrille = {x, y, z}; }

    // A build runs: no second one, and no field changes it.
    bool constructionEnCours() const { return enConstruction; }
    void marquerConstruction(bool enCours) { enConstruction = enCours; }

    // The geometry of the source in use.
    const GeometrieSource &geometrie() const { return geometries[int(enCours)]; }
    void changerGeometrie(const GeometrieSource &geometrie);
    // A source's own, as read with its volume or its CT.
    void changerGeometrie(SourceFantome source, const GeometrieSource &geometrie);
    const GeometrieSource &geometrie(SourceFantome source) const { return geometries[int(source)]; }
    // A field's text as typed, for the source in use: sizes, origin, counts,
    // far corner, X to Z each. No signal: the field typed already shows it.
    void saisirNombre(int champ, const QString &texte);

signals:
    void sourceChangee(SourceFantome source);
    void planChange(PlanImage plan);
    void volumeChange();
    void scannerChange();
    void geometrieChangee(SourceFantome source);
    void niveauxChanges();
    void catalogueChange();

private:
    SourceFantome enCours = SourceFantome::Plans;
    ChoixNiveaux choixSources[3]; // by source, in the order of SourceFantome
    GeometrieSource geometries[3]; // likewise
    PlanSession plans[3];          // by PlanImage
    NiveauxPlans niveauxPlans;
    QVector<int> niveauxMontres;
    VolumeSession volumeLu;
    std::shared_ptr<const VolumeCT> serieCT;
    QList<Milieu> milieux;
    QList<Materiau> materiauxTable;
    std::array<int, 3> comptesGrille = {0, 0, 0};
    bool enConstruction = false;
};

#endif
