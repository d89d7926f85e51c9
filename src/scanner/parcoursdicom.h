#ifndef QUARVEL_PARCOURSDICOM_H
#define QUARVEL_PARCOURSDICOM_H

#include <QByteArrayView>
#include <QtGlobal>

#include <optional>
#include <vector>

// A DICOM file's data elements, walked by hand so that every length is
// checked against the bytes that hold it before anything is kept: a file
// can make nothing allocated that it does not itself contain, and the DICOM
// library only ever sees a file whose structure holds. The slices' headers
// and the structure sets both walk their files here.

// A DICOM tag as one number: group in the high 16 bits, element in the low.
constexpr quint32 etiquette(quint16 groupe, quint16 element)
{
    return quint32(groupe) << 16 | element;
}

// Explicit VRs whose length takes four bytes after two reserved ones.
bool vrLongue(const char vr[2]);

struct ElementDicom;

// One item of a sequence, or the whole data set: its elements kept, in file order.
struct ArticleDicom
{
    std::vector<ElementDicom> elements;

    // The first element of that tag, or null.
    const ElementDicom *trouver(quint32 tag) const;
};

// A data element kept: its value's bytes (within the walked buffer) and
// the length its header gives, or, for a sequence, its items.
struct ElementDicom
{
    quint32 tag = 0;
    quint32 longueur = 0;
    QByteArrayView valeur;
    std::vector<ArticleDicom> articles;
    bool encapsule = false; // compressed pixels, in fragments
};

// How a walk found the structure broken: the fault, where, and the
// numbers a refusal gives. Each reader words it its own way.
struct FauteDicom
{
    enum Genre {
        EnteteCoupe,        // fewer than 8 bytes left for an element's header
        EnteteLongueCoupe,  // fewer than 12 for a header with a 4-byte length
        VrIllisible,        // an explicit VR that is not two capital letters
        MarqueHorsSequence, // an item or sequence mark among elements
        LongueurIndefinie,  // an undefined length on a VR other than SQ or UN
        ElementCoupe,       // a value longer than what holds it
        ArticleAttendu,     // something else where a sequence's item should be
        ArticleCoupe,       // an item longer than its sequence
        FinCoupee,          // an end mark cut by the end of the file
        SequenceSansFin,    // no end mark before the end of the file
        ArticleSansFin,
        Fragments,          // compressed pixels' fragments badly formed
        FragmentCoupe,
        TropProfond         // nesting deeper than allowed
    };
    Genre genre = EnteteCoupe;
    qint64 position = 0; // where the element, item or mark starts
    quint32 tag = 0;
    qint64 annonce = 0, reste = 0; // the length claimed, the bytes left for it
    bool finFichier = false;       // what was cut is cut by the end of the file
};

// How to walk: the transfer syntax, the deepest nesting, which elements to
// keep (at what depth, 0 being the data set's own; none: all), which tags
// are sequences where implicit VR does not say, and, when not -1, the one
// group to walk at the top level, stopping before the first element of
// another (as a meta-header is walked).
struct ReglesDicom
{
    bool explicite = true;
    bool grandBoutiste = false;
    int profondeurMax = 32;
    bool (*garde)(quint32 tag, int profondeur) = nullptr;
    bool (*sequenceImplicite)(quint32 tag) = nullptr;
    int groupeSeul = -1;
};

// Walks octets from pos up to fin, keeping into jeu the elements regles
// keeps, every item of every sequence walked; pos ends after what was
// walked. The fault found first, or none. A length is never trusted
// beyond the bytes that hold it.
std::optional<FauteDicom> parcourirDicom(QByteArrayView octets, qint64 &pos, qint64 fin, const ReglesDicom &regles,
                                         ArticleDicom &jeu);

#endif
