#ifndef QUARVEL_SERIE_H
#define QUARVEL_SERIE_H

#include <QList>
#include <QString>
#include <cmath>

struct VolumeCT;

// A CT series found in a folder of DICOM files, and what its headers say
// of its geometry (NaN where they cannot say).
struct SerieCT
{
    QString uid;
    QString numero; // SeriesNumber, as written
    QString description;
    QString fichier;     // the slice of smallest z, relative to the folder
    QString referentiel; // (0020,0052) FrameOfReferenceUID, that an RT Structure Set refers to
    int coupes = 0;
    int ecartees = 0; // images of the folder that are not CT slices: scouts, secondary captures
    double espacement[2] = {NAN, NAN}; // mm between pixels along a row, then down a column
    double pasMin = NAN, pasMax = NAN; // mm along z between successive slices
    double inclinaison = 0.0;         // gantry tilt (degrees): atan2(c_z, c_y) of the column cosines
};

// The CT series of a folder and its subfolders, at any depth, grouped by
// SeriesInstanceUID: the one with the most slices first, then by
// SeriesNumber as a number. Only CT Image Storage and Enhanced CT images
// that are not scouts (ImageType LOCALIZER) are slices; the others are left
// out one by one and counted. False, with one French line, when the folder
// cannot be read, holds a DICOM file whose structure does not hold, or no
// CT slice.
bool listerSeriesCT(const QString &dossier, QList<SerieCT> &series, QString *erreur);

// The summary's words for the images of the series' folder left out:
// ", N images écartées (…)", or nothing when none was.
QString imagesEcartees(const SerieCT &serie);

// Reads CT series uid of dossier (empty: the default one, the first of
// listerSeriesCT) into volume, in Hounsfield units (each slice's Rescale
// Slope and Intercept applied), its slices in order of position along their
// normal, in the phantom's frame: LPS axes, sizes in cm, the first boundary
// half a voxel before the first voxel centre; coronal and sagittal slices
// placed as a label volume's swapped axes are; uneven slices with their
// boundaries halfway between; a tilted series resampled onto straight
// slices (volume.inclinaison its tilt). volume.notes says what the user
// should know. Refused with one French line, naming the file and the tag:
// no such CT series, slices of different sizes, an oblique orientation
// other than a tilt, two slices at one position, pixel data shorter than
// its header says, geometry out of physical sense, a file that cannot be
// read. Every size is checked before anything is allocated. *lue, when
// given, gets the series read.
bool lireSerieCT(const QString &dossier, const QString &uid, VolumeCT &volume, QString *erreur,
                 SerieCT *lue = nullptr);

#endif
