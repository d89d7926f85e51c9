#ifndef QUARVEL_STRUCTURES_H
#define QUARVEL_STRUCTURES_H

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "model/grille.h"
#include "model/materiau.h"

struct Geometrie;

// The closed contours of one region on one axial plane: the plane's z and
// its polygons' (x, y) points, in the phantom's frame (LPS, cm).
struct PlanContours
{
    double z = 0.0;
    std::vector<std::vector<QPointF>> polygones;
};

// A region of interest of an RT Structure Set.
struct RegionRT
{
    int numero = 0;            // ROINumber
    QString nom;               // ROIName
    QString type;              // RTROIInterpretedType, empty when not given
    QColor couleur;            // ROIDisplayColor, invalid when not given
    QString referentiel;       // its FrameOfReferenceUID
    int contours = 0;          // its CLOSED_PLANAR contours
    std::vector<PlanContours> plans; // those of three points or more, by plane, in increasing z
    QString refus;             // why its contours cannot be laid on axial slices, or empty
};

struct JeuStructures
{
    QStringList referentiels; // ReferencedFrameOfReferenceSequence's FrameOfReferenceUIDs
    QList<RegionRT> regions;  // in the file's order
};

// Reads an RT Structure Set file. Only CLOSED_PLANAR contours count; a
// region with one off an axial plane (its points on more than one z) is
// read, with why in its refus, and refused only when chosen. Refused in one
// French line naming the file and the field: not a DICOM file, another SOP
// class, a damaged or cut file, a contour whose numbers do not read or lie
// beyond ±1e7 mm.
bool lireStructures(const QString &chemin, JeuStructures &jeu, QString *erreur);

// One line per region, tab-separated, without header: number, name,
// interpreted type, number of CLOSED_PLANAR contours.
QString lignesStructures(const JeuStructures &jeu);

// The structure choices given for a CT: the file, the medium of everything
// outside one region, then the media of regions in the order given.
// Each choice reads "NAME=MEDIUM[:DENSITY]".
struct DemandeStructures
{
    QString fichier; // empty: no structures
    std::optional<QString> exterieur;
    QStringList interieurs;
    // What the refusals call each kind of choice: the options, or the window's words.
    QString motExterieur = "--outside";
    QString motInterieur = "--structure";
};

// One choice once read: the region, its medium (the catalogue's spelling
// when found there), and the density, none to keep the ramp's ("ct").
struct ChoixStructure
{
    QString texte; // as typed, with its option, for the summary and refusals
    int region = 0; // index in JeuStructures::regions
    bool exterieur = false;
    QString milieu;
    double densiteMilieu = 0.0; // the record's density: the one given, else the catalogue's
    std::optional<double> densite;
};

// Reads the choices against the set: the outside one first, then the
// others in order. Why not, in French, or an empty text: a form other than
// NAME=MEDIUM[:DENSITY], a name no region (or two) bears, a region whose
// contours are not all axial, a medium name
// refused, a density that is not a number above 0 nor "ct", a medium
// without density that the catalogue lacks.
QString lireChoixStructures(const DemandeStructures &demande, const JeuStructures &jeu, const QList<Milieu> &catalogue,
                            QList<ChoixStructure> &choix);

// Why the set's contours cannot be laid on a series of this
// FrameOfReferenceUID, or an empty text: the series has none, the set or a
// chosen region refers to another.
QString refusReferentiel(const DemandeStructures &demande, const JeuStructures &jeu,
                         const QList<ChoixStructure> &choix, const QString &referentiel);

// Appends one record per choice to the ramp's records, numbered after them,
// so that the phantom lists the structures' media after the ramp's.
void ajouterMateriauxStructures(const QList<ChoixStructure> &choix, QList<Materiau> &materiaux);

// Gives the voxels of a CT phantom the choices' records, in order (the
// later wins), and their densities. A voxel is inside a region when its
// centre's (x, y) lies inside the region's polygons (even-odd across the
// polygons) on the plane nearest its centre's z, that plane lying within
// the CT slab holding the centre (either slab, for a centre on the boundary
// of two); bornesZ are the CT's slab boundaries along z (cm, increasing). premier is the first choice's record. Returns
// the voxels each choice's record ends with, in the choices' order.
std::vector<qint64> appliquerStructures(const JeuStructures &jeu, const QList<ChoixStructure> &choix,
                                        const std::vector<double> &bornesZ, const Geometrie &geometrie, int premier,
                                        Grille &grille);

// The plane of region whose contours hold a phantom voxel centred at z
// (cm), or null: the plane nearest z (the lower of two as near), when it
// lies within a CT slab that holds the centre, that is when no boundary of
// bornesZ lies between them. A centre on a boundary, as a phantom voxel of
// two CT slices has, is held by both slabs it closes.
const PlanContours *planContours(const RegionRT &region, const std::vector<double> &bornesZ, double z);

// « structures : extérieur de « BODY » AIR 1234 voxels, ... » for the summary.
QString resumeStructures(const JeuStructures &jeu, const QList<ChoixStructure> &choix,
                         const std::vector<qint64> &voxels);

#endif
