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

constexpr quint32 tagPixels = etiquette(0x7fe0, 0x0010);

// Only the data set's own elements that the series read.
bool gardee(quint32 tag, int profondeur)
{
    return profondeur == 0 && nomConnu(tag);
}

bool lettre(uchar c)
{
    return c >= 'A' && c <= 'Z';
}

// The elements kept by a walk into the header: values as stored, and where the pixels lie.
void retenir(const ArticleDicom &lu, EnteteDicom &entete)
{
    for (const ElementDicom &e : lu.elements) {
        if (e.tag != tagPixels)
            entete.valeurs.insert(e.tag, e.valeur.toByteArray());
        else if (e.encapsule)
            entete.encapsule = true;
        else
            entete.octetsPixels = e.longueur;
    }
}

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

QString texteFaute(const FauteDicom &f)
{
    const QString nom = nomEtiquette(f.tag);
    switch (f.genre) {
    case FauteDicom::EnteteCoupe:
        return QCoreApplication::translate("scanner", "élément coupé à l'octet %1").arg(f.position);
    case FauteDicom::EnteteLongueCoupe: return QCoreApplication::translate("scanner", "élément %1 coupé").arg(nom);
    case FauteDicom::VrIllisible:
        return QCoreApplication::translate("scanner", "élément %1 : type (VR) illisible").arg(nom);
    case FauteDicom::MarqueHorsSequence:
        return QCoreApplication::translate("scanner", "marque de séquence %1 hors d'une séquence").arg(nom);
    case FauteDicom::LongueurIndefinie:
        return QCoreApplication::translate("scanner", "élément %1 de longueur indéfinie").arg(nom);
    case FauteDicom::ElementCoupe:
        return QCoreApplication::translate("scanner", "élément %1 coupé : %2 octets annoncés, %3 restent")
            .arg(nom)
            .arg(f.annonce)
            .arg(f.reste);
    case FauteDicom::ArticleAttendu:
        return QCoreApplication::translate("scanner", "séquence mal formée : article attendu");
    case FauteDicom::ArticleCoupe:
        return QCoreApplication::translate("scanner", "article de séquence coupé : %1 octets annoncés, %2 restent")
            .arg(f.annonce)
            .arg(f.reste);
    case FauteDicom::FinCoupee:
        return QCoreApplication::translate("scanner", "fin de séquence coupée par la fin du fichier");
    case FauteDicom::SequenceSansFin:
        return QCoreApplication::translate("scanner", "séquence sans fin avant la fin du fichier");
    case FauteDicom::ArticleSansFin:
        return QCoreApplication::translate("scanner", "article de séquence sans fin avant la fin du fichier");
    case FauteDicom::Fragments:
        return QCoreApplication::translate("scanner", "fragments de %1 coupés ou mal formés").arg(nom);
    case FauteDicom::FragmentCoupe: return QCoreApplication::translate("scanner", "fragment de %1 coupé").arg(nom);
    case FauteDicom::TropProfond:
        return QCoreApplication::translate("scanner", "séquences imbriquées à plus de 32 niveaux");
    }
    return QString();
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
    const QByteArrayView vue(reinterpret_cast<const char *>(octets), taille);
    ReglesDicom regles;
    regles.garde = gardee;
    qint64 pos = 0;
    bool explicite = true, grand = false;
    if (taille >= 132 && vue.sliced(128, 4) == QByteArrayView("DICM")) {
        pos = 132;
        regles.groupeSeul = 0x0002;
        ArticleDicom meta;
        if (const auto faute = parcourirDicom(vue, pos, taille, regles, meta)) {
            *raison = texteFaute(*faute);
            return LectureDicom::Abimee;
        }
        retenir(meta, entete);
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
    regles.groupeSeul = -1;
    regles.explicite = explicite;
    regles.grandBoutiste = grand;
    ArticleDicom lu;
    if (const auto faute = parcourirDicom(vue, pos, taille, regles, lu)) {
        *raison = texteFaute(*faute);
        return LectureDicom::Abimee;
    }
    retenir(lu, entete);
    return LectureDicom::Lue;
}
