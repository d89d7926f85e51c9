#include "structures/dicom.h"

#include <QCoreApplication>
#include <QtEndian>

namespace {

// A structure set nests three sequences deep; this leaves room and keeps
// the walk's recursion small whatever a file claims.
constexpr int profondeurMax = 16;
constexpr quint32 tagFinArticle = 0xFFFEE00D, tagFinSequence = 0xFFFEE0DD;

// The sequences a structure set holds, which implicit VR does not mark.
bool sequenceConnue(quint32 tag)
{
    return (tag >> 16) == 0x3006
           && ((tag & 0xFFFF) == 0x0010 || (tag & 0xFFFF) == 0x0012 || (tag & 0xFFFF) == 0x0014
               || (tag & 0xFFFF) == 0x0016 || (tag & 0xFFFF) == 0x0020 || (tag & 0xFFFF) == 0x0039
               || (tag & 0xFFFF) == 0x0040 || (tag & 0xFFFF) == 0x0080);
}

// A structure set's words for a fault, the slices' where it has none of its own.
QString texteFaute(const FauteDicom &f, qint64 taille)
{
    // Data that stops before its element, item or sequence ends: the file
    // cut short, or an item of a given length too short for what it holds.
    const QString coupe =
        f.finFichier
            ? QCoreApplication::translate("structures", "fichier coupé : il s'arrête après %1 octets").arg(taille)
            : QCoreApplication::translate("structures", "article de séquence mal formé à l'octet %1").arg(f.position);
    switch (f.genre) {
    case FauteDicom::EnteteCoupe:
    case FauteDicom::EnteteLongueCoupe:
    case FauteDicom::FinCoupee:
    case FauteDicom::SequenceSansFin:
    case FauteDicom::ArticleSansFin: return coupe;
    case FauteDicom::MarqueHorsSequence:
        if (f.tag == tagFinArticle)
            return QCoreApplication::translate("structures", "fin d'article inattendue à l'octet %1").arg(f.position);
        break;
    case FauteDicom::ElementCoupe:
        return QCoreApplication::translate(
            "structures", "élément %1 de %2 octets : le fichier, ou la séquence qui le tient, s'arrête avant")
            .arg(nomEtiquette(f.tag))
            .arg(f.annonce);
    case FauteDicom::ArticleAttendu:
        if (f.reste < 8)
            return coupe;
        if (f.tag == tagFinSequence)
            return QCoreApplication::translate("structures", "fin de séquence inattendue à l'octet %1").arg(f.position);
        return QCoreApplication::translate("structures", "article de séquence attendu à l'octet %1").arg(f.position);
    case FauteDicom::ArticleCoupe:
        return QCoreApplication::translate("structures", "article de %1 octets au-delà de sa séquence").arg(f.annonce);
    case FauteDicom::TropProfond:
        return QCoreApplication::translate("structures", "séquences imbriquées trop profondément");
    default: break;
    }
    return ::texteFaute(f);
}

} // namespace

QString lireDicom(QByteArrayView contenu, bool (*garde)(quint32 tag, int profondeur), ArticleDicom &jeu)
{
    if (contenu.size() < 132 || contenu.sliced(128, 4) != QByteArrayView("DICM"))
        return QCoreApplication::translate(
            "structures", "pas un fichier DICOM (pas de « DICM » après les 128 octets du préambule)");
    // The meta group: explicit VR whatever the data set's, up to its first
    // element of another group.
    qint64 pos = 132, finMeta = 132;
    while (finMeta + 8 <= contenu.size() && qFromLittleEndian<quint16>(contenu.data() + finMeta) == 0x0002) {
        const bool longue = vrLongue(contenu.data() + finMeta + 4);
        if (longue && finMeta + 12 > contenu.size())
            break;
        const qint64 longueur = longue ? qFromLittleEndian<quint32>(contenu.data() + finMeta + 8)
                                       : qFromLittleEndian<quint16>(contenu.data() + finMeta + 6);
        finMeta += (longue ? 12 : 8) + longueur;
    }
    if (finMeta > contenu.size())
        return QCoreApplication::translate("structures", "en-tête DICOM (groupe 0002) coupé");
    ArticleDicom meta;
    ReglesDicom regles;
    regles.profondeurMax = profondeurMax;
    regles.sequenceImplicite = sequenceConnue;
    if (const auto faute = parcourirDicom(contenu, pos, finMeta, regles, meta))
        return QCoreApplication::translate("structures", "en-tête DICOM : %1").arg(texteFaute(*faute, contenu.size()));
    const QString syntaxe = texteDicom(meta.trouver(etiquette(0x0002, 0x0010)));
    if (syntaxe == "1.2.840.10008.1.2.1.99" || syntaxe == "1.2.840.10008.1.2.2")
        return QCoreApplication::translate(
            "structures", "(0002,0010) TransferSyntaxUID « %1 » non prise en charge (%2)")
            .arg(syntaxe, syntaxe.endsWith("99") ? QCoreApplication::translate("structures", "données compressées")
                                                 : QCoreApplication::translate("structures", "gros-boutiste"));
    regles.garde = garde;
    regles.explicite = syntaxe != "1.2.840.10008.1.2";
    ArticleDicom lu;
    if (const auto faute = parcourirDicom(contenu, pos, contenu.size(), regles, lu))
        return texteFaute(*faute, contenu.size());
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
