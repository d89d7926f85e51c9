#ifndef QUARVEL_STRUCTURES_DICOM_H
#define QUARVEL_STRUCTURES_DICOM_H

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include "scanner/entetedicom.h"
#include "scanner/parcoursdicom.h"

// A structure set's DICOM file, walked as the slices' are
// (scanner/parcoursdicom.h), its sequences kept.

// Reads contenu, a whole Part 10 file (128-byte preamble, "DICM", the meta
// group, then the data set in explicit or implicit VR little endian),
// keeping only the elements whose tag garde accepts (at any depth; the
// items of a sequence not kept are walked, not kept). Why not, in French,
// or an empty text: not a DICOM file, a transfer syntax not read here
// (deflated, big endian), a length beyond its container, a sequence or
// item without its end, nesting deeper than a structure set's.
QString lireDicom(QByteArrayView contenu, bool (*garde)(quint32 tag, int profondeur), ArticleDicom &jeu);

// An element's text as DICOM pads it: trailing blanks and NULs taken off.
QString texteDicom(const ElementDicom *element);

#endif
