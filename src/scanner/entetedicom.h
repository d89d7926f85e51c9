#ifndef QUARVEL_ENTETEDICOM_H
#define QUARVEL_ENTETEDICOM_H

#include <QByteArray>
#include <QHash>
#include <QString>

#include "scanner/parcoursdicom.h"

// "(0028,0030) PixelSpacing": how a refusal names a tag.
QString nomEtiquette(quint32 tag);

// The slices' words for a fault of a file's structure, in French.
QString texteFaute(const FauteDicom &faute);

// What a DICOM file's header says, as far as the series need it: the
// top-level elements of nomEtiquette's list, as stored, and where the
// pixels lie.
struct EnteteDicom
{
    QHash<quint32, QByteArray> valeurs;
    bool grandBoutiste = false;
    bool encapsule = false;   // compressed pixels, in fragments
    qint64 octetsPixels = -1; // native pixel data's length; -1 without pixels

    // A text element, its padding trimmed; empty when absent.
    QString texte(quint32 tag) const;
    // An unsigned 16-bit element; -1 when absent or not 2 bytes long.
    int entier(quint32 tag) const;
};

enum class LectureDicom { Lue, PasDicom, Abimee };

// Walks the whole file (scanner/parcoursdicom.h), every element and every
// item of every sequence, trusting no length it claims, so that the DICOM
// library only ever sees a file whose structure holds. PasDicom: not a DICOM file at all. Abimee,
// with *raison (French, naming the element): an element or item that runs
// past its end, a transfer syntax the walk cannot follow. A file is never
// read past its size.
LectureDicom lireEnteteDicom(const QString &chemin, EnteteDicom &entete, QString *raison);

#endif
