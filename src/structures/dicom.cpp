#include "structures/dicom.h"

#include <QCoreApplication>
#include <QtEndian>

namespace {

constexpr quint32 tagArticle = 0xFFFEE000, tagFinArticle = 0xFFFEE00D, tagFinSequence = 0xFFFEE0DD;
constexpr quint32 longueurIndefinie = 0xFFFFFFFF;
// A structure set nests three sequences deep; this leaves room and keeps
// the walk's recursion small whatever a file claims.
constexpr int profondeurMax = 16;

// Explicit VRs whose length takes four bytes after two reserved ones.
bool longueurLongue(const char vr[2])
{
    static const char *const longues[] = {"OB", "OD", "OF", "OL", "OV", "OW", "SQ", "SV", "UC", "UN", "UR", "UT", "UV"};
    for (const char *l : longues)
        if (vr[0] == l[0] && vr[1] == l[1])
            return true;
    return false;
}

// The sequences a structure set holds, which implicit VR does not mark.
bool sequenceConnue(quint32 tag)
{
    return (tag >> 16) == 0x3006
           && ((tag & 0xFFFF) == 0x0010 || (tag & 0xFFFF) == 0x0012 || (tag & 0xFFFF) == 0x0014
               || (tag & 0xFFFF) == 0x0016 || (tag & 0xFFFF) == 0x0020 || (tag & 0xFFFF) == 0x0039
               || (tag & 0xFFFF) == 0x0040 || (tag & 0xFFFF) == 0x0080);
}

class Marche
{
public:
    Marche(QByteArrayView octets, bool (*garde)(quint32)) : octets(octets), garde(garde) {}

    bool explicite = true;

    // Elements from pos up to fin, or up to an item's end when jusquAFin.
    QString elements(qint64 &pos, qint64 fin, bool jusquAFin, ArticleDicom *sortie, int profondeur)
    {
        if (profondeur > profondeurMax)
            return QCoreApplication::translate("structures", "séquences imbriquées trop profondément");
        while (pos < fin) {
            if (fin - pos < 8)
                return coupe(pos, fin);
            const quint32 tag = etiquetteA(pos);
            if (tag == tagFinArticle) {
                if (!jusquAFin)
                    return QCoreApplication::translate("structures", "fin d'article inattendue à l'octet %1").arg(pos);
                pos += 8;
                return QString();
            }
            char vr[2] = {0, 0};
            quint32 longueur = 0;
            if (explicite && (tag >> 16) != 0xFFFE) {
                vr[0] = octets[pos + 4];
                vr[1] = octets[pos + 5];
                if (longueurLongue(vr)) {
                    if (fin - pos < 12)
                        return coupe(pos, fin);
                    longueur = qFromLittleEndian<quint32>(octets.data() + pos + 8);
                    pos += 12;
                } else {
                    longueur = qFromLittleEndian<quint16>(octets.data() + pos + 6);
                    pos += 8;
                }
            } else {
                longueur = qFromLittleEndian<quint32>(octets.data() + pos + 4);
                pos += 8;
            }
            const bool sequence = (vr[0] == 'S' && vr[1] == 'Q') || longueur == longueurIndefinie
                                  || (!explicite && sequenceConnue(tag));
            ElementDicom element;
            element.tag = tag;
            const bool garder = sortie && garde(tag);
            if (longueur != longueurIndefinie && longueur > fin - pos)
                return QCoreApplication::translate(
                    "structures", "élément %1 de %2 octets : le fichier, ou la séquence qui le tient, s'arrête avant")
                    .arg(nomEtiquette(tag))
                    .arg(longueur);
            if (sequence) {
                // A sequence in UN is encoded in implicit VR, whatever the file's.
                const bool avant = explicite;
                if (vr[0] == 'U' && vr[1] == 'N')
                    explicite = false;
                const qint64 finSequence = longueur == longueurIndefinie ? fin : pos + longueur;
                const QString refus = articles(pos, finSequence, longueur == longueurIndefinie,
                                               garder ? &element : nullptr, profondeur + 1);
                explicite = avant;
                if (!refus.isEmpty())
                    return refus;
            } else {
                element.valeur = octets.sliced(pos, longueur);
                pos += longueur;
            }
            if (garder)
                sortie->elements.push_back(std::move(element));
        }
        if (jusquAFin)
            return coupe(pos, fin);
        return QString();
    }

private:
    // Data that stops before its element, item or sequence ends: the file
    // cut short, or an item of a given length too short for what it holds.
    QString coupe(qint64 pos, qint64 fin) const
    {
        if (fin == octets.size())
            return QCoreApplication::translate("structures", "fichier coupé : il s'arrête après %1 octets")
                .arg(octets.size());
        return QCoreApplication::translate("structures", "article de séquence mal formé à l'octet %1").arg(pos);
    }

    quint32 etiquetteA(qint64 pos) const
    {
        return etiquette(qFromLittleEndian<quint16>(octets.data() + pos),
                         qFromLittleEndian<quint16>(octets.data() + pos + 2));
    }

    // The items of a sequence, up to fin or to the sequence's end mark.
    QString articles(qint64 &pos, qint64 fin, bool jusquAFin, ElementDicom *sortie, int profondeur)
    {
        while (pos < fin) {
            if (fin - pos < 8)
                return coupe(pos, fin);
            const quint32 tag = etiquetteA(pos);
            const quint32 longueur = qFromLittleEndian<quint32>(octets.data() + pos + 4);
            pos += 8;
            if (tag == tagFinSequence) {
                if (!jusquAFin)
                    return QCoreApplication::translate("structures", "fin de séquence inattendue à l'octet %1")
                        .arg(pos - 8);
                return QString();
            }
            if (tag != tagArticle)
                return QCoreApplication::translate("structures", "article de séquence attendu à l'octet %1")
                    .arg(pos - 8);
            ArticleDicom article;
            QString refus;
            if (longueur == longueurIndefinie) {
                refus = elements(pos, fin, true, sortie ? &article : nullptr, profondeur);
            } else {
                if (longueur > fin - pos)
                    return QCoreApplication::translate("structures", "article de %1 octets au-delà de sa séquence")
                        .arg(longueur);
                refus = elements(pos, pos + longueur, false, sortie ? &article : nullptr, profondeur);
            }
            if (!refus.isEmpty())
                return refus;
            if (sortie)
                sortie->articles.push_back(std::move(article));
        }
        if (jusquAFin)
            return coupe(pos, fin);
        return QString();
    }

    QByteArrayView octets;
    bool (*garde)(quint32);
};

bool toutGarder(quint32)
{
    return true;
}

} // namespace

const ElementDicom *ArticleDicom::trouver(quint32 tag) const
{
    for (const ElementDicom &e : elements)
        if (e.tag == tag)
            return &e;
    return nullptr;
}

QString lireDicom(QByteArrayView contenu, bool (*garde)(quint32 tag), ArticleDicom &jeu)
{
    if (contenu.size() < 132 || contenu.sliced(128, 4) != QByteArrayView("DICM"))
        return QCoreApplication::translate(
            "structures", "pas un fichier DICOM (pas de « DICM » après les 128 octets du préambule)");
    // The meta group: explicit VR whatever the data set's, up to its first
    // element of another group.
    qint64 pos = 132, finMeta = 132;
    while (finMeta + 8 <= contenu.size() && qFromLittleEndian<quint16>(contenu.data() + finMeta) == 0x0002) {
        const bool longue = longueurLongue(contenu.data() + finMeta + 4);
        if (longue && finMeta + 12 > contenu.size())
            break;
        const qint64 longueur = longue ? qFromLittleEndian<quint32>(contenu.data() + finMeta + 8)
                                       : qFromLittleEndian<quint16>(contenu.data() + finMeta + 6);
        finMeta += (longue ? 12 : 8) + longueur;
    }
    if (finMeta > contenu.size())
        return QCoreApplication::translate("structures", "en-tête DICOM (groupe 0002) coupé");
    ArticleDicom meta;
    Marche marche(contenu, toutGarder);
    if (const QString refus = marche.elements(pos, finMeta, false, &meta, 0); !refus.isEmpty())
        return QCoreApplication::translate("structures", "en-tête DICOM : %1").arg(refus);
    const QString syntaxe = texteDicom(meta.trouver(etiquette(0x0002, 0x0010)));
    if (syntaxe == "1.2.840.10008.1.2.1.99" || syntaxe == "1.2.840.10008.1.2.2")
        return QCoreApplication::translate(
            "structures", "(0002,0010) TransferSyntaxUID « %1 » non prise en charge (%2)")
            .arg(syntaxe, syntaxe.endsWith("99") ? QCoreApplication::translate("structures", "données compressées")
                                                 : QCoreApplication::translate("structures", "gros-boutiste"));
    Marche donnees(contenu, garde);
    donnees.explicite = syntaxe != "1.2.840.10008.1.2";
    ArticleDicom lu;
    if (const QString refus = donnees.elements(pos, contenu.size(), false, &lu, 0); !refus.isEmpty())
        return refus;
    jeu = std::move(lu);
    return QString();
}

QString texteDicom(const ElementDicom *element)
{
    if (!element)
        return QString();
    QByteArrayView v = element->valeur;
    while (!v.isEmpty() && (v.back() == ' ' || v.back() == '\0'))
        v.chop(1);
    while (!v.isEmpty() && v.front() == ' ')
        v = v.sliced(1);
    return QString::fromLatin1(v);
}
