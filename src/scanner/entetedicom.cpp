// DICOM files walked before the DICOM library reads them: a file cut inside
// its header or a length past its end makes that library abort the whole
// process, so each length is checked here first.
#include "scanner/entetedicom.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

namespace {

struct NomEtiquette
{
    quint32 tag;
    const char *nom;
};

// The elements the series read, with the names a refusal gives them.
const NomEtiquette nomsEtiquettes[] = {
    {etiquette(0x0002, 0x0010), "TransferSyntaxUID"}, {etiquette(0x0008, 0x0008), "ImageType"},
    {etiquette(0x0008, 0x0016), "SOPClassUID"},       {etiquette(0x0008, 0x0060), "Modality"},
    {etiquette(0x0008, 0x103e), "SeriesDescription"}, {etiquette(0x0018, 0x1120), "GantryDetectorTilt"},
    {etiquette(0x0020, 0x000e), "SeriesInstanceUID"}, {etiquette(0x0020, 0x0011), "SeriesNumber"},
    {etiquette(0x0020, 0x0052), "FrameOfReferenceUID"},
    {etiquette(0x0020, 0x0032), "ImagePositionPatient"}, {etiquette(0x0020, 0x0037), "ImageOrientationPatient"},
    {etiquette(0x0028, 0x0002), "SamplesPerPixel"},   {etiquette(0x0028, 0x0008), "NumberOfFrames"},
    {etiquette(0x0028, 0x0010), "Rows"},              {etiquette(0x0028, 0x0011), "Columns"},
    {etiquette(0x0028, 0x0030), "PixelSpacing"},      {etiquette(0x0028, 0x0100), "BitsAllocated"},
    {etiquette(0x7fe0, 0x0010), "PixelData"}};

const char *nomConnu(quint32 tag)
{
    for (const NomEtiquette &n : nomsEtiquettes)
        if (n.tag == tag)
            return n.nom;
    return nullptr;
}

constexpr quint32 tagPixels = etiquette(0x7fe0, 0x0010), tagArticle = etiquette(0xfffe, 0xe000),
                  tagFinArticle = etiquette(0xfffe, 0xe00d), tagFinSequence = etiquette(0xfffe, 0xe0dd);
constexpr quint32 indefinie = 0xffffffffu;
// Deeper nesting than any scanner writes; it bounds the walk's recursion.
constexpr int profondeurMax = 32;

bool vrLongue(const char vr[2])
{
    static const char *const longues[] = {"OB", "OD", "OF", "OL", "OV", "OW", "SQ", "SV", "UC", "UN", "UR", "UT", "UV"};
    for (const char *l : longues)
        if (vr[0] == l[0] && vr[1] == l[1])
            return true;
    return false;
}

bool lettre(uchar c)
{
    return c >= 'A' && c <= 'Z';
}

// One walk of a file's bytes; the first fault found stops it.
class Parcours
{
public:
    Parcours(const uchar *octets, qint64 taille, EnteteDicom &entete)
        : octets(octets), taille(taille), entete(entete)
    {
    }

    QString raison;

    // The meta-header's elements (group 0002, explicit little endian) from pos.
    bool metaEntete(qint64 &pos)
    {
        while (taille - pos >= 4 && qFromLittleEndian<quint16>(octets + pos) == 0x0002)
            if (!element(pos, taille, 0, true, false))
                return false;
        return true;
    }

    // The elements of [pos, fin), up to an item's end mark when fin is
    // open (-1).
    bool jeu(qint64 &pos, qint64 fin, int niveau, bool explicite, bool grand)
    {
        if (niveau > profondeurMax)
            return echec(QCoreApplication::translate("scanner", "séquences imbriquées à plus de 32 niveaux"));
        const qint64 borne = fin < 0 ? taille : fin;
        while (pos < borne) {
            if (fin < 0 && lireTag(pos, grand) == tagFinArticle)
                return marque(pos);
            if (!element(pos, borne, niveau, explicite, grand))
                return false;
        }
        if (fin < 0)
            return echec(
                QCoreApplication::translate("scanner", "article de séquence sans fin avant la fin du fichier"));
        return true;
    }

private:
    bool echec(const QString &pourquoi)
    {
        raison = pourquoi;
        return false;
    }

    bool reste(qint64 pos, qint64 n, qint64 borne) const { return pos >= 0 && n >= 0 && borne - pos >= n; }

    // The tag at pos, or 0 when fewer than 4 bytes are left.
    quint32 lireTag(qint64 pos, bool grand) const
    {
        if (!reste(pos, 4, taille))
            return 0;
        return grand ? quint32(qFromBigEndian<quint16>(octets + pos)) << 16 | qFromBigEndian<quint16>(octets + pos + 2)
                     : quint32(qFromLittleEndian<quint16>(octets + pos)) << 16 |
                           qFromLittleEndian<quint16>(octets + pos + 2);
    }

    quint32 lire32(qint64 pos, bool grand) const
    {
        return grand ? qFromBigEndian<quint32>(octets + pos) : qFromLittleEndian<quint32>(octets + pos);
    }

    // An item's or a sequence's end mark: its tag and a length of 0.
    bool marque(qint64 &pos)
    {
        if (!reste(pos, 8, taille))
            return echec(QCoreApplication::translate("scanner", "fin de séquence coupée par la fin du fichier"));
        pos += 8;
        return true;
    }

    bool element(qint64 &pos, qint64 borne, int niveau, bool explicite, bool grand)
    {
        if (!reste(pos, 8, borne))
            return echec(QCoreApplication::translate("scanner", "élément coupé à l'octet %1").arg(pos));
        const quint32 tag = lireTag(pos, grand);
        const QString nom = nomEtiquette(tag);
        char vr[2] = {0, 0};
        quint32 longueur;
        if (explicite && tag >> 16 != 0xfffe) {
            if (!lettre(octets[pos + 4]) || !lettre(octets[pos + 5]))
                return echec(QCoreApplication::translate("scanner", "élément %1 : type (VR) illisible").arg(nom));
            vr[0] = char(octets[pos + 4]);
            vr[1] = char(octets[pos + 5]);
            if (vrLongue(vr)) {
                if (!reste(pos, 12, borne))
                    return echec(QCoreApplication::translate("scanner", "élément %1 coupé").arg(nom));
                longueur = lire32(pos + 8, grand);
                pos += 12;
            } else {
                longueur = grand ? qFromBigEndian<quint16>(octets + pos + 6) : qFromLittleEndian<quint16>(octets + pos + 6);
                pos += 8;
            }
        } else {
            longueur = lire32(pos + 4, grand);
            pos += 8;
        }
        if (tag >> 16 == 0xfffe)
            return echec(QCoreApplication::translate("scanner", "marque de séquence %1 hors d'une séquence").arg(nom));
        if (longueur == indefinie) {
            if (tag == tagPixels && niveau == 0 && explicite) {
                entete.encapsule = true;
                return fragments(pos, grand);
            }
            if (explicite && vr[0] && !(vr[0] == 'S' && vr[1] == 'Q') && !(vr[0] == 'U' && vr[1] == 'N'))
                return echec(QCoreApplication::translate("scanner", "élément %1 de longueur indéfinie").arg(nom));
            // UN of undefined length holds implicit little endian.
            const bool dedans = explicite && !(vr[0] == 'U' && vr[1] == 'N');
            return sequence(pos, -1, niveau, dedans, grand && dedans);
        }
        if (!reste(pos, longueur, borne))
            return echec(QCoreApplication::translate("scanner", "élément %1 coupé : %2 octets annoncés, %3 restent")
                             .arg(nom)
                             .arg(longueur)
                             .arg(borne - pos));
        const qint64 fin = pos + longueur;
        if (niveau == 0) {
            if (tag == tagPixels)
                entete.octetsPixels = longueur;
            else if (nomConnu(tag))
                entete.valeurs.insert(tag, QByteArray(reinterpret_cast<const char *>(octets + pos), int(longueur)));
        }
        // A sequence of known length, or an implicit element that opens with an item: its items are walked too.
        const bool sq = vr[0] == 'S' && vr[1] == 'Q';
        if (sq || (!explicite && longueur >= 8 && lireTag(pos, grand) == tagArticle))
            return sequence(pos, fin, niveau, explicite, grand);
        pos = fin;
        return true;
    }

    // Items up to fin, or up to the sequence's end mark when fin is -1.
    bool sequence(qint64 &pos, qint64 fin, int niveau, bool explicite, bool grand)
    {
        const qint64 borne = fin < 0 ? taille : fin;
        while (pos < borne) {
            const quint32 tag = lireTag(pos, grand);
            if (fin < 0 && tag == tagFinSequence)
                return marque(pos);
            if (tag != tagArticle || !reste(pos, 8, borne))
                return echec(QCoreApplication::translate("scanner", "séquence mal formée : article attendu"));
            const quint32 longueur = lire32(pos + 4, grand);
            pos += 8;
            if (longueur == indefinie) {
                if (!jeu(pos, -1, niveau + 1, explicite, grand))
                    return false;
                continue;
            }
            if (!reste(pos, longueur, borne))
                return echec(
                    QCoreApplication::translate("scanner", "article de séquence coupé : %1 octets annoncés, %2 restent")
                        .arg(longueur)
                        .arg(borne - pos));
            if (!jeu(pos, pos + longueur, niveau + 1, explicite, grand))
                return false;
        }
        if (fin < 0)
            return echec(QCoreApplication::translate("scanner", "séquence sans fin avant la fin du fichier"));
        return true;
    }

    // Compressed pixels: fragments of known length up to the end mark.
    bool fragments(qint64 &pos, bool grand)
    {
        for (;;) {
            const quint32 tag = lireTag(pos, grand);
            if (tag == tagFinSequence)
                return marque(pos);
            if (tag != tagArticle || !reste(pos, 8, taille))
                return echec(QCoreApplication::translate("scanner", "fragments de %1 coupés ou mal formés")
                                 .arg(nomEtiquette(tagPixels)));
            const quint32 longueur = lire32(pos + 4, grand);
            pos += 8;
            if (longueur == indefinie || !reste(pos, longueur, taille))
                return echec(
                    QCoreApplication::translate("scanner", "fragment de %1 coupé").arg(nomEtiquette(tagPixels)));
            pos += longueur;
        }
    }

    const uchar *octets;
    qint64 taille;
    EnteteDicom &entete;
};

// Where the data set starts without a meta-header: a tag of group 0008
// (little endian), explicit when a VR's two letters follow it.
bool debutNu(const uchar *octets, qint64 taille, bool &explicite)
{
    if (taille < 8 || qFromLittleEndian<quint16>(octets) != 0x0008)
        return false;
    explicite = lettre(octets[4]) && lettre(octets[5]);
    return true;
}

} // namespace

QString nomEtiquette(quint32 tag)
{
    const QString numero = QString("(%1,%2)").arg(tag >> 16, 4, 16, QChar('0')).arg(tag & 0xffff, 4, 16, QChar('0'));
    const char *nom = nomConnu(tag);
    return nom ? numero.toUpper() + " " + nom : numero.toUpper();
}

QString EnteteDicom::texte(quint32 tag) const
{
    QByteArray v = valeurs.value(tag);
    while (!v.isEmpty() && (v.back() == ' ' || v.back() == '\0'))
        v.chop(1);
    return QString::fromLatin1(v).trimmed();
}

int EnteteDicom::entier(quint32 tag) const
{
    const QByteArray v = valeurs.value(tag);
    if (v.size() != 2)
        return -1;
    const auto *o = reinterpret_cast<const uchar *>(v.constData());
    return grandBoutiste ? qFromBigEndian<quint16>(o) : qFromLittleEndian<quint16>(o);
}

LectureDicom lireEnteteDicom(const QString &chemin, EnteteDicom &entete, QString *raison)
{
    entete = EnteteDicom();
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        *raison = QCoreApplication::translate("scanner", "fichier illisible");
        return LectureDicom::Abimee;
    }
    const qint64 taille = fichier.size();
    const uchar *octets = taille > 0 ? fichier.map(0, taille) : nullptr;
    if (!octets)
        return LectureDicom::PasDicom;
    Parcours parcours(octets, taille, entete);
    qint64 pos = 0;
    bool explicite = true, grand = false;
    if (taille >= 132 && QByteArray::fromRawData(reinterpret_cast<const char *>(octets + 128), 4) == "DICM") {
        pos = 132;
        if (!parcours.metaEntete(pos)) {
            *raison = parcours.raison;
            return LectureDicom::Abimee;
        }
        const QString syntaxe = entete.texte(etiquette(0x0002, 0x0010));
        if (syntaxe == "1.2.840.10008.1.2.1.99") {
            *raison = QCoreApplication::translate(
                "scanner", "syntaxe de transfert comprimée par deflate (1.2.840.10008.1.2.1.99) non prise en charge");
            return LectureDicom::Abimee;
        }
        if (syntaxe.isEmpty() && !debutNu(octets + pos, taille - pos, explicite)) {
            *raison = QCoreApplication::translate("scanner", "%1 absent et données illisibles")
                          .arg(nomEtiquette(etiquette(0x0002, 0x0010)));
            return LectureDicom::Abimee;
        }
        if (!syntaxe.isEmpty())
            explicite = syntaxe != "1.2.840.10008.1.2";
        grand = syntaxe == "1.2.840.10008.1.2.2";
    } else if (!debutNu(octets, taille, explicite)) {
        return LectureDicom::PasDicom;
    }
    entete.grandBoutiste = grand;
    if (!parcours.jeu(pos, taille, 0, explicite, grand)) {
        *raison = parcours.raison;
        return LectureDicom::Abimee;
    }
    return LectureDicom::Lue;
}
