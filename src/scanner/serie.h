#ifndef QUARVEL_SERIE_H
#define QUARVEL_SERIE_H

#include <QList>
#include <QString>

struct VolumeCT;

// A CT series found in a folder of DICOM files.
struct SerieCT
{
    QString uid;
    QString description;
    QString referentiel; // (0020,0052) FrameOfReferenceUID, that an RT Structure Set refers to
    int coupes = 0;
};

// The CT series of a folder (its own files, not its subfolders), the one
// with the most slices first. False, with one French line, when the folder
// cannot be read or holds no CT series.
bool listerSeriesCT(const QString &dossier, QList<SerieCT> &series, QString *erreur);

// Reads CT series uid of dossier (empty: the one with the most slices) into
// volume, in Hounsfield units (each slice's Rescale Slope and Intercept
// applied), its slices in order of position along their normal, in the
// phantom's frame: LPS axes, sizes in cm, the first boundary half a voxel
// before the first voxel centre. Refused with one French line: no such CT
// series, slices of different sizes, a gantry tilt or an oblique
// orientation, slice spacing uneven by more than 1 % (naming the slices),
// a file that cannot be read. *lue, when given, gets the series read.
bool lireSerieCT(const QString &dossier, const QString &uid, VolumeCT &volume, QString *erreur,
                 SerieCT *lue = nullptr);

#endif
