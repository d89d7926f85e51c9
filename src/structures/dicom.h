#ifndef QUARVEL_STRUCTURES_DICOM_H
#define QUARVEL_STRUCTURES_DICOM_H

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <vector>

#include "scanner/entetedicom.h"

// A DICOM file's data elements, walked by hand so that every length is
// checked against the bytes that hold it before anything is kept: a file can
// make nothing allocated that it does not itself contain. The slices' walk
// (scanner/entetedicom.h) keeps top-level elements; this one keeps a
// structure set's sequences too.

struct ElementDicom;

// One item of a sequence, or the whole data set: its elements in file order.
struct ArticleDicom
{
    std::vector<ElementDicom> elements;

    // The first element of that tag, or null.
    const ElementDicom *trouver(quint32 tag) const;
};

// A data element kept: its value's bytes (within the file's buffer), or,
// for a sequence, its items.
struct ElementDicom
{
    quint32 tag = 0;
    QByteArrayView valeur;
    std::vector<ArticleDicom> articles;
};

// Reads contenu, a whole Part 10 file (128-byte preamble, "DICM", the meta
// group, then the data set in explicit or implicit VR little endian),
// keeping only the elements whose tag garde accepts (at any depth; the
// items of a sequence not kept are walked, not kept). Why not, in French,
// or an empty text: not a DICOM file, a transfer syntax not read here
// (deflated, big endian), a length beyond its container, a sequence or
// item without its end, nesting deeper than a structure set's.
QString lireDicom(QByteArrayView contenu, bool (*garde)(quint32 tag), ArticleDicom &jeu);

// An element's text as DICOM pads it: trailing blanks and NULs taken off.
QString texteDicom(const ElementDicom *element);

#endif
