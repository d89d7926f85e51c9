// The one walk of a DICOM file's structure: each length checked against
// what holds it before it is followed or kept.
#include "scanner/parcoursdicom.h"

#include <QtEndian>

namespace {

constexpr quint32 tagPixels = etiquette(0x7fe0, 0x0010), tagArticle = etiquette(0xfffe, 0xe000),
                  tagFinArticle = etiquette(0xfffe, 0xe00d), tagFinSequence = etiquette(0xfffe, 0xe0dd);
constexpr quint32 indefinie = 0xffffffffu;

bool lettre(uchar c)
{
    return c >= 'A' && c <= 'Z';
}

// One walk of a buffer; the first fault found stops it.
class Parcours
{
public:
    Parcours(QByteArrayView vue, const ReglesDicom &regles)
        : octets(reinterpret_cast<const uchar *>(vue.data())), taille(vue.size()), vue(vue), regles(regles)
    {
    }

    FauteDicom faute;

    // The elements of [pos, fin), up to an item's end mark when fin is open (-1).
    bool jeu(qint64 &pos, qint64 fin, int niveau, bool explicite, bool grand, ArticleDicom *sortie)
    {
        if (niveau > regles.profondeurMax)
            return echec(FauteDicom::TropProfond, pos);
        const qint64 borne = fin < 0 ? taille : fin;
        while (pos < borne) {
            if (fin < 0 && lireTag(pos, grand) == tagFinArticle)
                return marque(pos);
            if (niveau == 0 && regles.groupeSeul >= 0
                && (!reste(pos, 4, borne) || int(lireTag(pos, grand) >> 16) != regles.groupeSeul))
                return true;
            if (!element(pos, borne, niveau, explicite, grand, sortie))
                return false;
        }
        if (fin < 0)
            return echec(FauteDicom::ArticleSansFin, pos);
        return true;
    }

private:
    bool echec(FauteDicom::Genre genre, qint64 position, quint32 tag = 0, qint64 borne = -1)
    {
        faute.genre = genre;
        faute.position = position;
        faute.tag = tag;
        faute.finFichier = borne < 0 || borne == taille;
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
            return echec(FauteDicom::FinCoupee, pos);
        pos += 8;
        return true;
    }

    bool element(qint64 &pos, qint64 borne, int niveau, bool explicite, bool grand, ArticleDicom *sortie)
    {
        const qint64 debut = pos;
        if (!reste(pos, 8, borne))
            return echec(FauteDicom::EnteteCoupe, pos, 0, borne);
        ElementDicom element;
        const quint32 tag = element.tag = lireTag(pos, grand);
        char vr[2] = {0, 0};
        quint32 longueur;
        if (explicite && tag >> 16 != 0xfffe) {
            if (!lettre(octets[pos + 4]) || !lettre(octets[pos + 5]))
                return echec(FauteDicom::VrIllisible, debut, tag, borne);
            vr[0] = char(octets[pos + 4]);
            vr[1] = char(octets[pos + 5]);
            if (vrLongue(vr)) {
                if (!reste(pos, 12, borne))
                    return echec(FauteDicom::EnteteLongueCoupe, debut, tag, borne);
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
            return echec(FauteDicom::MarqueHorsSequence, debut, tag, borne);
        element.longueur = longueur;
        const bool garder = sortie && (!regles.garde || regles.garde(tag, niveau));
        ElementDicom *dans = garder ? &element : nullptr;
        const bool sq = vr[0] == 'S' && vr[1] == 'Q', un = vr[0] == 'U' && vr[1] == 'N';
        if (longueur == indefinie) {
            if (tag == tagPixels && niveau == 0 && explicite) {
                element.encapsule = true;
                if (!fragments(pos, grand))
                    return false;
            } else {
                if (explicite && vr[0] && !sq && !un)
                    return echec(FauteDicom::LongueurIndefinie, debut, tag, borne);
                // UN of undefined length holds implicit little endian.
                const bool dedans = explicite && !un;
                if (!sequence(pos, -1, niveau, dedans, grand && dedans, dans))
                    return false;
            }
        } else {
            if (!reste(pos, longueur, borne)) {
                faute.annonce = longueur;
                faute.reste = borne - pos;
                return echec(FauteDicom::ElementCoupe, debut, tag, borne);
            }
            const qint64 fin = pos + longueur;
            // A sequence of known length, or an implicit one that its tag or
            // its first item shows: its items are walked too.
            const bool implicite = !explicite
                                   && ((longueur >= 8 && lireTag(pos, grand) == tagArticle)
                                       || (regles.sequenceImplicite && regles.sequenceImplicite(tag)));
            if (sq || implicite) {
                if (!sequence(pos, fin, niveau, explicite, grand, dans))
                    return false;
            } else {
                element.valeur = vue.sliced(pos, longueur);
                pos = fin;
            }
        }
        if (garder)
            sortie->elements.push_back(std::move(element));
        return true;
    }

    // Items up to fin, or up to the sequence's end mark when fin is -1.
    bool sequence(qint64 &pos, qint64 fin, int niveau, bool explicite, bool grand, ElementDicom *sortie)
    {
        const qint64 borne = fin < 0 ? taille : fin;
        while (pos < borne) {
            const quint32 tag = lireTag(pos, grand);
            if (fin < 0 && tag == tagFinSequence)
                return marque(pos);
            if (tag != tagArticle || !reste(pos, 8, borne)) {
                faute.reste = borne - pos;
                return echec(FauteDicom::ArticleAttendu, pos, tag, borne);
            }
            const quint32 longueur = lire32(pos + 4, grand);
            pos += 8;
            ArticleDicom article;
            ArticleDicom *dans = sortie ? &article : nullptr;
            if (longueur == indefinie) {
                if (!jeu(pos, -1, niveau + 1, explicite, grand, dans))
                    return false;
            } else {
                if (!reste(pos, longueur, borne)) {
                    faute.annonce = longueur;
                    faute.reste = borne - pos;
                    return echec(FauteDicom::ArticleCoupe, pos - 8, tag, borne);
                }
                if (!jeu(pos, pos + longueur, niveau + 1, explicite, grand, dans))
                    return false;
            }
            if (sortie)
                sortie->articles.push_back(std::move(article));
        }
        if (fin < 0)
            return echec(FauteDicom::SequenceSansFin, pos);
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
                return echec(FauteDicom::Fragments, pos, tagPixels);
            const quint32 longueur = lire32(pos + 4, grand);
            pos += 8;
            if (longueur == indefinie || !reste(pos, longueur, taille))
                return echec(FauteDicom::FragmentCoupe, pos - 8, tagPixels);
            pos += longueur;
        }
    }

    const uchar *octets;
    qint64 taille;
    QByteArrayView vue;
    const ReglesDicom &regles;
};

} // namespace

bool vrLongue(const char vr[2])
{
    static const char *const longues[] = {"OB", "OD", "OF", "OL", "OV", "OW", "SQ", "SV", "UC", "UN", "UR", "UT", "UV"};
    for (const char *l : longues)
        if (vr[0] == l[0] && vr[1] == l[1])
            return true;
    return false;
}

const ElementDicom *ArticleDicom::trouver(quint32 tag) const
{
    for (const ElementDicom &e : elements)
        if (e.tag == tag)
            return &e;
    return nullptr;
}

std::optional<FauteDicom> parcourirDicom(QByteArrayView octets, qint64 &pos, qint64 fin, const ReglesDicom &regles,
                                         ArticleDicom &jeu)
{
    Parcours parcours(octets, regles);
    if (parcours.jeu(pos, fin, 0, regles.explicite, regles.grandBoutiste, &jeu))
        return std::nullopt;
    return parcours.faute;
}
