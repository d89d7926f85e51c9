// The headers of NRRD, NIfTI and MetaImage files read by hand, for what
// their readers would trip on: counts, sizes, offsets and data files.
#include "volume/entetes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>
#include <QtEndian>

#include <zlib.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "streams/decompression.h"
#include "volume/axes.h"
#include "volume/lecteurs.h"

namespace {

// Past any machine's memory, and small enough that products of counts stay exact.
constexpr qint64 voxelsMax = qint64(1) << 46;
// Past this, a header is not one: no reader's is that long.
constexpr qint64 enteteMax = qint64(1) << 22;
// Data files a pattern or a list may name.
constexpr qint64 fichiersMax = 1 << 20;

// Where a format's voxels lie: the files, in order, from an offset each
// (-1: at the end of the file), and how they are coded.
enum class Codage { Brut, Gzip, Zlib, Texte, Hexa, Autre };
struct Donnees
{
    QStringList fichiers;
    qint64 saut = 0;
    Codage codage = Codage::Brut;
    // Bytes of a compressed stream, when the header says (MetaImage).
    qint64 comprimes = -1;
    // Where to say a lone zlib stream lies, inflated by the reader itself.
    FluxZlib *flux = nullptr;
};

bool entier(const QByteArray &mot, qint64 &n)
{
    bool ok = false;
    n = mot.trimmed().toLongLong(&ok);
    return ok;
}

QList<QByteArray> mots(const QByteArray &texte)
{
    return texte.simplified().split(' ');
}

// The counts' product, each at least 1; the reason otherwise.
QString compterVoxels(const QList<qint64> &comptes, const QString &cle, qint64 &voxels)
{
    voxels = 1;
    for (qsizetype a = 0; a < comptes.size(); ++a) {
        if (comptes[a] < 1)
            return QCoreApplication::translate("volume", "%1 : %2 voxels selon l'axe %3, au moins 1 attendu")
                .arg(cle)
                .arg(comptes[a])
                .arg(a + 1);
        if (comptes[a] > voxelsMax / voxels)
            return QCoreApplication::translate("volume", "%1 : plus de %2 voxels, au-delà de toute mémoire")
                .arg(cle)
                .arg(voxelsMax);
        voxels *= comptes[a];
    }
    return QString();
}

// The files of a pattern "nom%03d.raw debut fin pas", the number printed
// by hand: the pattern is the file's, never a format given to printf.
QString fichiersMotif(const QList<QByteArray> &champs, const QDir &dossier, QStringList &fichiers)
{
    static const QRegularExpression conversion("%(0?)(\\d*)d");
    const QString motif = QString::fromLocal8Bit(champs.value(0));
    const QRegularExpressionMatch m = conversion.match(motif);
    qint64 debut = 0, fin = 0, pas = 0;
    if (champs.size() < 3 || !m.hasMatch() || motif.count('%') != 1 || !entier(champs[1], debut)
        || !entier(champs[2], fin) || !entier(champs.value(3, "1"), pas) || pas == 0 || (fin - debut) / pas < 0
        || (fin - debut) / pas >= fichiersMax)
        return QCoreApplication::translate(
            "volume", "motif de fichiers « %1 » : nom%d, premier, dernier et pas attendus")
            .arg(QString::fromLocal8Bit(champs.join(' ')));
    const int largeur = m.captured(2).toInt();
    for (qint64 i = debut; pas > 0 ? i <= fin : i >= fin; i += pas) {
        const QString nombre = QString::number(i).rightJustified(largeur, m.captured(1).isEmpty() ? ' ' : '0');
        fichiers << dossier.filePath(QString(motif).replace(m.capturedStart(), m.capturedLength(), nombre));
    }
    return QString();
}

// Bytes a zlib or gzip stream of `longueur` bytes from `debut` inflates to,
// counted to the end of the stream; -1 for a damaged or cut stream.
qint64 octetsInflates(const QString &chemin, qint64 debut, qint64 longueur)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly) || !fichier.seek(debut))
        return -1;
    z_stream flux{};
    if (inflateInit2(&flux, 15 + 32) != Z_OK)
        return -1;
    std::vector<unsigned char> entree(1 << 16), sortie(1 << 18);
    qint64 total = 0, restant = longueur;
    int etat = Z_OK;
    while (etat == Z_OK && restant > 0) {
        const qint64 lus = fichier.read(reinterpret_cast<char *>(entree.data()), qMin<qint64>(restant, entree.size()));
        if (lus <= 0)
            break;
        restant -= lus;
        flux.next_in = entree.data();
        flux.avail_in = uInt(lus);
        do {
            flux.next_out = sortie.data();
            flux.avail_out = uInt(sortie.size());
            etat = inflate(&flux, Z_NO_FLUSH);
            total += qint64(sortie.size() - flux.avail_out);
        } while (etat == Z_OK && flux.avail_out == 0);
        if (etat == Z_BUF_ERROR)
            etat = Z_OK;
    }
    inflateEnd(&flux);
    return etat == Z_STREAM_END ? total : -1;
}

// Deflate never packs more than about 1032 bytes into one.
QString tropCompresse(const QString &comptes, qint64 octets, qint64 comprimes, const QString &nom)
{
    return QCoreApplication::translate("volume",
        "fichier tronqué : %1 annonce %2 octets de voxels, plus que les %3 octets compressés de « %4 » "
        "n'en peuvent donner")
        .arg(comptes)
        .arg(octets)
        .arg(comprimes)
        .arg(nom);
}

// Whether the data files hold the voxels' bytes: each file its share, raw
// ones at least, compressed ones within deflate's bound (MetaImage's zlib
// streams exactly, as MetaIO never says when one is short: here for several
// files, in the read for one); then
// whether they fit this machine's memory. The files first: what they lack
// is the same on every machine.
// cle names the header's data file field, comptes its counts.
QString verifierDonnees(const Donnees &donnees, qint64 voxels, int octetsParVoxel, const QString &cle,
                        const QString &comptes)
{
    const qint64 n = donnees.fichiers.size();
    if (n == 0 || n > fichiersMax)
        return QCoreApplication::translate("volume", "%1 : aucun fichier de données").arg(cle);
    const qint64 octets = voxels * qMax(octetsParVoxel, 1);
    if (octets % n != 0)
        return QCoreApplication::translate("volume", "%1 : %2 fichiers pour %3 octets de voxels")
            .arg(cle)
            .arg(n)
            .arg(octets);
    const qint64 part = octets / n;
    for (const QString &chemin : donnees.fichiers) {
        const QFileInfo info(chemin);
        const QString nom = info.fileName();
        if (!info.exists())
            return QCoreApplication::translate("volume", "%1 : fichier de données « %2 » introuvable").arg(cle, nom);
        if (!info.isFile())
            return QCoreApplication::translate("volume", "%1 : « %2 » n'est pas un fichier ordinaire").arg(cle, nom);
        const qint64 saut = donnees.saut < 0 ? 0 : donnees.saut;
        const qint64 presents = info.size() - saut;
        if (presents < 0)
            return QCoreApplication::translate("volume", "%1 : les données commencent après la fin de « %2 »")
                .arg(cle, nom);
        qint64 attendus = part;
        switch (donnees.codage) {
        case Codage::Brut: break;
        case Codage::Hexa: attendus = 2 * part; break;
        case Codage::Texte: attendus = part / qMax(octetsParVoxel, 1); break;
        case Codage::Gzip: attendus = 0; break;
        case Codage::Autre: attendus = 0; break;
        case Codage::Zlib: {
            const qint64 longueur = donnees.comprimes < 0 || n > 1 ? presents : donnees.comprimes;
            if (longueur > presents)
                return QCoreApplication::translate(
                    "volume", "CompressedDataSize = %1 : « %2 » n'en a que %3 après l'en-tête")
                    .arg(longueur)
                    .arg(nom)
                    .arg(presents);
            if (donnees.flux && n == 1) {
                *donnees.flux = {chemin, saut, longueur, donnees.flux->grosBoutiste};
                if (texteMaxGzip(longueur) < part)
                    return tropCompresse(comptes, part, longueur, nom);
                continue;
            }
            const qint64 inflates = octetsInflates(chemin, saut, longueur);
            if (inflates < 0)
                return QCoreApplication::translate("volume", "%1 : données compressées de « %2 » tronquées ou abîmées")
                    .arg(cle, nom);
            if (inflates != part)
                return QCoreApplication::translate(
                    "volume", "fichier tronqué ou abîmé : %1 annonce %2 octets de voxels, « %3 » en donne %4")
                    .arg(comptes)
                    .arg(part)
                    .arg(nom)
                    .arg(inflates);
            continue;
        }
        }
        if (donnees.codage == Codage::Gzip && texteMaxGzip(presents) < part)
            return tropCompresse(comptes, part, presents, nom);
        if (presents < attendus)
            return QCoreApplication::translate(
                "volume", "fichier tronqué : %1 annonce %2 octets de voxels, « %3 » n'en a que %4")
                .arg(comptes)
                .arg(attendus)
                .arg(nom)
                .arg(presents);
    }
    QString raison;
    placePourVolume(voxels, qMax(octetsParVoxel, 1), &raison);
    return raison;
}

// The header's lines up to the first empty one (or the end): at most enteteMax bytes.
QByteArray lireDebut(const QString &chemin, qint64 taille = enteteMax)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.read(taille) : QByteArray();
}

// ---- NRRD ------------------------------------------------------------------

int octetsNrrd(const QByteArray &type)
{
    if (type.contains("char") || type.endsWith("int8") || type.endsWith("int8_t"))
        return 1;
    if (type.contains("short") || type.contains("int16"))
        return 2;
    if (type.contains("long") || type.contains("int64") || type == "double")
        return 8;
    if (type == "float" || type.contains("int") || type.contains("signed"))
        return 4;
    return 0;
}

Codage codageNrrd(const QByteArray &codage)
{
    if (codage == "raw")
        return Codage::Brut;
    if (codage == "gzip" || codage == "gz")
        return Codage::Gzip;
    if (codage == "ascii" || codage == "text" || codage == "txt")
        return Codage::Texte;
    if (codage == "hex")
        return Codage::Hexa;
    return Codage::Autre;
}

QString verifierNrrd(const QString &chemin, const QByteArray &debut)
{
    qint64 finEntete = debut.indexOf("\n\n");
    if (const qint64 crlf = debut.indexOf("\r\n\r\n"); crlf >= 0 && (finEntete < 0 || crlf < finEntete))
        finEntete = crlf + 2;
    const bool detache = finEntete < 0;
    const QByteArray entete = detache ? debut : debut.left(finEntete + 1);
    if (detache && QFileInfo(chemin).size() > enteteMax)
        return QCoreApplication::translate("volume", "en-tête NRRD sans fin (ligne vide attendue avant les voxels)");
    qint64 dimension = -1, sautOctets = 0;
    QList<qint64> comptes;
    QByteArray type, codage = "raw", fichier;
    QList<QByteArray> liste;
    bool dansListe = false;
    for (const QByteArray &ligne : entete.split('\n').mid(1)) {
        if (dansListe) {
            if (!ligne.trimmed().isEmpty())
                liste << ligne.trimmed();
            continue;
        }
        const qsizetype deuxPoints = ligne.indexOf(": ");
        if (ligne.startsWith('#') || deuxPoints < 0)
            continue;
        const QByteArray cle = ligne.left(deuxPoints).trimmed(), valeur = ligne.mid(deuxPoints + 2).trimmed();
        if (cle == "dimension" && !entier(valeur, dimension))
            return QCoreApplication::translate("volume", "dimension « %1 » : un nombre entier attendu")
                .arg(QString::fromLatin1(valeur));
        if (cle == "type")
            type = valeur;
        if (cle == "encoding")
            codage = valeur.toLower();
        if (cle == "byte skip" || cle == "byteskip")
            entier(valeur, sautOctets);
        if (cle == "data file" || cle == "datafile") {
            fichier = valeur;
            dansListe = valeur.startsWith("LIST");
        }
        if (cle == "sizes")
            for (const QByteArray &mot : mots(valeur)) {
                qint64 n = 0;
                if (!entier(mot, n))
                    return QCoreApplication::translate("volume", "sizes « %1 » : des nombres entiers attendus")
                        .arg(QString::fromLatin1(valeur));
                comptes << n;
            }
    }
    if (dimension < 1 || dimension > 16)
        return QCoreApplication::translate("volume", "dimension %1 : de 1 à 16 attendu").arg(dimension);
    if (comptes.size() != dimension)
        return QCoreApplication::translate("volume", "sizes : %1 nombres pour dimension %2")
            .arg(comptes.size())
            .arg(dimension);
    qint64 voxels = 0;
    if (const QString refus = compterVoxels(comptes, "sizes", voxels); !refus.isEmpty())
        return refus;
    Donnees donnees;
    donnees.codage = codageNrrd(codage);
    donnees.saut = sautOctets;
    const QDir dossier = QFileInfo(chemin).dir();
    if (fichier.isEmpty()) {
        if (detache)
            return QCoreApplication::translate("volume", "en-tête NRRD sans voxels ni « data file »");
        donnees.fichiers << chemin;
        donnees.saut = sautOctets < 0 ? -1 : finEntete + 2 + sautOctets;
    } else if (fichier.startsWith("LIST")) {
        for (const QByteArray &nom : liste)
            donnees.fichiers << dossier.filePath(QString::fromLocal8Bit(nom));
    } else if (fichier.contains('%')) {
        if (const QString refus = fichiersMotif(mots(fichier), dossier, donnees.fichiers); !refus.isEmpty())
            return QCoreApplication::translate("volume", "data file : %1").arg(refus);
    } else {
        donnees.fichiers << dossier.filePath(QString::fromLocal8Bit(fichier));
    }
    return verifierDonnees(donnees, voxels, octetsNrrd(type), "data file", "sizes");
}

// ---- MetaImage --------------------------------------------------------------

int octetsMeta(const QByteArray &type)
{
    static const QList<QPair<QByteArray, int>> tailles = {
        {"MET_CHAR", 1}, {"MET_UCHAR", 1}, {"MET_SHORT", 2}, {"MET_USHORT", 2}, {"MET_INT", 4}, {"MET_UINT", 4},
        {"MET_LONG", 4}, {"MET_ULONG", 4}, {"MET_LONG_LONG", 8}, {"MET_ULONG_LONG", 8}, {"MET_FLOAT", 4},
        {"MET_DOUBLE", 8}};
    for (const auto &[nom, octets] : tailles)
        if (type == nom)
            return octets;
    return 0;
}

QString verifierMeta(const QString &chemin, const QByteArray &debut, FluxZlib *flux)
{
    qint64 dimensions = -1, canaux = 1, sautEntete = 0, comprimes = -1;
    QList<qint64> comptes;
    QByteArray type, fichier;
    bool compresse = false, binaire = true, dimensionsVues = false;
    qint64 finEntete = -1;
    for (qint64 position = 0; position < debut.size() && finEntete < 0;) {
        qint64 fin = debut.indexOf('\n', position);
        if (fin < 0)
            fin = debut.size() - 1;
        const QByteArray ligne = debut.mid(position, fin - position);
        position = fin + 1;
        const qsizetype egal = ligne.indexOf('=');
        if (egal < 0)
            continue;
        const QByteArray cle = ligne.left(egal).trimmed(), valeur = ligne.mid(egal + 1).trimmed();
        const QString texte = QString::fromLatin1(valeur);
        if (cle == "NDims") {
            dimensionsVues = true;
            if (!entier(valeur, dimensions) || dimensions < 1 || dimensions > 10)
                return QCoreApplication::translate("volume", "NDims = %1 : un nombre entier de 1 à 10 attendu")
                    .arg(texte);
        } else if (cle == "DimSize") {
            for (const QByteArray &mot : mots(valeur)) {
                qint64 n = 0;
                if (!entier(mot, n))
                    return QCoreApplication::translate("volume", "DimSize = %1 : des nombres entiers attendus")
                        .arg(texte);
                comptes << n;
            }
        } else if (cle == "ElementType") {
            type = valeur;
        } else if (cle == "ElementNumberOfChannels") {
            if (!entier(valeur, canaux) || canaux < 1 || canaux > 1024)
                return QCoreApplication::translate(
                    "volume", "ElementNumberOfChannels = %1 : un nombre entier de 1 à 1024 attendu")
                    .arg(texte);
        } else if (cle == "HeaderSize") {
            if (!entier(valeur, sautEntete) || sautEntete < -1)
                return QCoreApplication::translate(
                    "volume", "HeaderSize = %1 : -1 ou un nombre entier d'au moins 0 attendu")
                    .arg(texte);
        } else if (cle == "CompressedData") {
            compresse = valeur.toLower() == "true";
        } else if (cle == "CompressedDataSize") {
            if (!entier(valeur, comprimes) || comprimes < 1)
                return QCoreApplication::translate(
                    "volume", "CompressedDataSize = %1 : un nombre entier d'au moins 1 attendu")
                    .arg(texte);
        } else if ((cle == "ElementByteOrderMSB" || cle == "BinaryDataByteOrderMSB") && flux) {
            flux->grosBoutiste = valeur.toLower() == "true";
        } else if (cle == "BinaryData") {
            binaire = valeur.toLower() != "false";
        } else if (cle == "ElementDataFile") {
            fichier = valeur;
            finEntete = position;
        }
    }
    if (!dimensionsVues && finEntete < 0)
        return QString(); // not a MetaImage header: ITK says so
    if (!dimensionsVues)
        return QCoreApplication::translate("volume", "NDims absent");
    if (finEntete < 0)
        return QCoreApplication::translate("volume", "ElementDataFile absent : il termine l'en-tête");
    if (comptes.size() != dimensions)
        return QCoreApplication::translate("volume", "DimSize : %1 nombres pour NDims = %2")
            .arg(comptes.size())
            .arg(dimensions);
    qint64 voxels = 0;
    if (const QString refus = compterVoxels(comptes, "DimSize", voxels); !refus.isEmpty())
        return refus;
    if (voxels > voxelsMax / canaux)
        return QCoreApplication::translate(
            "volume", "ElementNumberOfChannels = %1 : trop de valeurs, au-delà de toute mémoire")
            .arg(canaux);
    if (compresse && sautEntete == -1)
        return QCoreApplication::translate("volume", "HeaderSize = -1 : impossible pour des données compressées");
    Donnees donnees;
    donnees.codage = compresse ? Codage::Zlib : binaire ? Codage::Brut : Codage::Texte;
    donnees.comprimes = comprimes;
    donnees.flux = flux;
    donnees.saut = sautEntete;
    const QDir dossier = QFileInfo(chemin).dir();
    const QList<QByteArray> champs = mots(fichier);
    if (fichier == "LOCAL") {
        donnees.fichiers << chemin;
        // MetaIO seeks HeaderSize bytes from the file's start, header included.
        if (sautEntete == 0)
            donnees.saut = finEntete;
    } else if (champs.value(0) == "LIST") {
        for (const QByteArray &nom : debut.mid(finEntete).split('\n'))
            if (!nom.trimmed().isEmpty())
                donnees.fichiers << dossier.filePath(QString::fromLocal8Bit(nom.trimmed()));
    } else if (fichier.contains('%')) {
        if (const QString refus = fichiersMotif(champs, dossier, donnees.fichiers); !refus.isEmpty())
            return QCoreApplication::translate("volume", "ElementDataFile = %1").arg(refus);
    } else {
        donnees.fichiers << dossier.filePath(QString::fromLocal8Bit(fichier));
    }
    return verifierDonnees(donnees, voxels * canaux, octetsMeta(type), "ElementDataFile", "DimSize");
}

// ---- NIfTI ------------------------------------------------------------------

// A NIfTI header as stored (348 bytes for NIfTI-1, 540 for NIfTI-2), and
// whether its bytes are swapped.
struct EnteteNifti
{
    QByteArray octets;
    bool version2 = false, inverse = false;

    template <typename T>
    T lire(int position) const
    {
        T v;
        std::memcpy(&v, octets.constData() + position, sizeof v);
        if (inverse) {
            if constexpr (sizeof(T) == 2)
                v = T(qbswap(quint16(v)));
            else if constexpr (std::is_floating_point_v<T> && sizeof(T) == 4) {
                quint32 b;
                std::memcpy(&b, &v, 4);
                b = qbswap(b);
                std::memcpy(&v, &b, 4);
            } else if constexpr (std::is_floating_point_v<T>) {
                quint64 b;
                std::memcpy(&b, &v, 8);
                b = qbswap(b);
                std::memcpy(&v, &b, 8);
            } else
                v = qbswap(v);
        }
        return v;
    }
    qint64 dim(int i) const { return version2 ? lire<qint64>(16 + 8 * i) : lire<qint16>(40 + 2 * i); }
    double decalage() const { return version2 ? double(lire<qint64>(168)) : double(lire<float>(108)); }
    int bits() const { return version2 ? lire<qint16>(14) : lire<qint16>(72); }
    int codeQ() const { return version2 ? lire<qint32>(344) : lire<qint16>(252); }
    int codeS() const { return version2 ? lire<qint32>(348) : lire<qint16>(254); }
    double quaternion(int i) const { return version2 ? lire<double>(352 + 8 * i) : lire<float>(256 + 4 * i); }
    double ligneS(int r, int c) const { return version2 ? lire<double>(400 + 32 * r + 8 * c) : lire<float>(280 + 16 * r + 4 * c); }
};

// The header of a NIfTI file (gzipped or not); false when it is none. A
// cut one is said in *raison.
bool lireNifti(const QString &chemin, EnteteNifti &entete, QString *raison)
{
    gzFile flux = gzopen(QFile::encodeName(chemin).constData(), "rb");
    if (!flux)
        return false;
    entete.octets.resize(540);
    const int lus = gzread(flux, entete.octets.data(), 540);
    gzclose(flux);
    qint32 taille = 0;
    if (lus >= 4)
        std::memcpy(&taille, entete.octets.constData(), 4);
    entete.inverse = taille != 348 && taille != 540;
    if (entete.inverse)
        taille = qint32(qbswap(quint32(taille)));
    if (taille != 348 && taille != 540) {
        if (lus < 4 && raison)
            *raison =
                QCoreApplication::translate("volume", "en-tête NIfTI tronqué : %1 octets sur 348").arg(qMax(lus, 0));
        return false;
    }
    entete.version2 = taille == 540;
    if (lus < taille) {
        if (raison)
            *raison =
                QCoreApplication::translate("volume", "en-tête NIfTI tronqué : %1 octets sur %2").arg(lus).arg(taille);
        return false;
    }
    return true;
}

// The file holding the voxels of a header and image pair.
QString imageNifti(const QString &chemin)
{
    QString image = QString(chemin).replace(QRegularExpression("\\.hdr(\\.gz)?$", QRegularExpression::CaseInsensitiveOption), ".img");
    return QFileInfo::exists(image) ? image : image + ".gz";
}

bool compresse(const QString &chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) && fichier.read(2) == "\x1f\x8b";
}

// ITK turns pixdim, qform and sform into matrices whose decomposition
// aborts the process on a NaN or an infinity, and stalls on a huge number:
// each field it uses must lie within physical sense first.
QString verifierOrientation(const EnteteNifti &entete)
{
    const auto hors = [](const QString &champ, double v, double borne) {
        return std::abs(v) <= borne
                   ? QString()
                   : QCoreApplication::translate("volume", "%1 = %2 : un nombre de -%3 à %3%4 est attendu")
                         .arg(champ)
                         .arg(v)
                         .arg(QString::number(borne, 'f', 0), borne > 1 ? QString(" mm") : "");
    };
    QStringList refus;
    for (int i = 1; i <= 3; ++i)
        refus << hors(QString("pixdim[%1]").arg(i), entete.version2 ? entete.lire<double>(104 + 8 * i)
                                                                     : entete.lire<float>(76 + 4 * i), pasMax);
    if (entete.codeQ() > 0)
        for (int i = 0; i < 6; ++i)
            refus << hors(QStringList{"quatern_b", "quatern_c", "quatern_d", "qoffset_x", "qoffset_y", "qoffset_z"}[i],
                          entete.quaternion(i), i < 3 ? 1.0 : origineMax);
    if (entete.codeS() > 0)
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                refus << hors(QString("srow_%1[%2]").arg(QChar('x' + r)).arg(c), entete.ligneS(r, c),
                              c < 3 ? pasMax : origineMax);
    refus.removeAll(QString());
    return refus.value(0);
}

// niftilib turns NaN and infinite voxels into zeros without a word: a float
// file's voxels are looked at first, the first such value told with its place.
template <typename T, typename Bits>
QString nonFinis(const QString &chemin, qint64 debut, qint64 voxels, const EnteteNifti &entete,
                 const QList<qint64> &comptes)
{
    gzFile flux = gzopen(QFile::encodeName(chemin).constData(), "rb");
    if (!flux || gzseek(flux, z_off_t(debut), SEEK_SET) != z_off_t(debut)) {
        if (flux)
            gzclose(flux);
        return QString();
    }
    gzbuffer(flux, 1 << 18);
    std::vector<Bits> bloc(1 << 16);
    constexpr Bits exposant = sizeof(T) == 4 ? Bits(0x7f800000) : Bits(0x7ff0000000000000);
    QString refus;
    for (qint64 i = 0; i < voxels && refus.isEmpty();) {
        const int lus = gzread(flux, bloc.data(), unsigned(bloc.size() * sizeof(Bits)));
        if (lus < int(sizeof(Bits)))
            break;
        const qint64 n = lus / qint64(sizeof(Bits));
        for (qint64 k = 0; k < n && i + k < voxels; ++k) {
            const Bits b = entete.inverse ? qbswap(bloc[size_t(k)]) : bloc[size_t(k)];
            if ((b & exposant) != exposant)
                continue;
            T v;
            std::memcpy(&v, &b, sizeof v);
            const qint64 index = i + k, ligne = comptes.value(0, 1), coupe = ligne * comptes.value(1, 1);
            refus = QCoreApplication::translate("volume",
                "valeur %1 au voxel (%2, %3, %4) du fichier : une étiquette est un nombre entier de 0 à 65535")
                        .arg(double(v))
                        .arg(index % ligne)
                        .arg(index % coupe / ligne)
                        .arg(index / coupe);
            break;
        }
        i += n;
    }
    gzclose(flux);
    return refus;
}

QString verifierNifti(const QString &chemin)
{
    EnteteNifti entete;
    QString raison;
    if (!lireNifti(chemin, entete, &raison))
        return raison;
    const qint64 dimensions = entete.dim(0);
    if (dimensions < 1 || dimensions > 7)
        return QCoreApplication::translate("volume", "dim[0] = %1 : de 1 à 7 dimensions attendues").arg(dimensions);
    QList<qint64> comptes;
    for (int i = 1; i <= dimensions; ++i)
        if (entete.dim(i) < 1)
            return QCoreApplication::translate("volume", "dim[%1] = %2 : au moins 1 voxel attendu")
                .arg(i)
                .arg(entete.dim(i));
        else
            comptes << entete.dim(i);
    qint64 voxels = 0;
    if (const QString refus = compterVoxels(comptes, "dim", voxels); !refus.isEmpty())
        return refus;
    if (const QString refus = verifierOrientation(entete); !refus.isEmpty())
        return refus;
    const int bits = entete.bits();
    if (bits < 8 || bits % 8 != 0 || bits > 256)
        return QCoreApplication::translate("volume", "bitpix = %1 : un multiple de 8 attendu").arg(bits);
    Donnees donnees;
    static const QRegularExpression hdr("\\.hdr(\\.gz)?$", QRegularExpression::CaseInsensitiveOption);
    donnees.fichiers << (chemin.contains(hdr) ? imageNifti(chemin) : chemin);
    const double decalage = entete.decalage();
    const qint64 tailleDonnees = QFileInfo(donnees.fichiers[0]).size();
    // Compared as a double first: a float past 2^63 has no integer value.
    if (!std::isfinite(decalage) || decalage < 0 || decalage > double(qMax<qint64>(tailleDonnees, 0) + enteteMax))
        return QCoreApplication::translate("volume", "vox_offset = %1 : au-delà de la fin du fichier").arg(decalage);
    donnees.saut = qint64(decalage);
    donnees.codage = compresse(donnees.fichiers[0]) ? Codage::Gzip : Codage::Brut;
    if (donnees.codage == Codage::Brut && donnees.saut > tailleDonnees)
        return QCoreApplication::translate("volume", "vox_offset = %1 : au-delà de la fin du fichier").arg(decalage);
    if (donnees.codage == Codage::Gzip)
        donnees.saut = 0;
    if (const QString refus = verifierDonnees(donnees, voxels, bits / 8, "vox_offset", "dim"); !refus.isEmpty())
        return refus;
    const int type = entete.version2 ? entete.lire<qint16>(12) : entete.lire<qint16>(70);
    if (type != 16 && type != 64)
        return QString();
    return type == 16 ? nonFinis<float, quint32>(donnees.fichiers[0], qint64(decalage), voxels, entete, comptes)
                      : nonFinis<double, quint64>(donnees.fichiers[0], qint64(decalage), voxels, entete, comptes);
}

// Whether a matrix's columns each lie along one axis (within 1e-6 of its length).
bool alignee(const double m[3][3])
{
    for (int c = 0; c < 3; ++c) {
        const double norme = std::sqrt(m[0][c] * m[0][c] + m[1][c] * m[1][c] + m[2][c] * m[2][c]);
        int axes = 0;
        for (int r = 0; r < 3; ++r)
            axes += std::abs(m[r][c]) > 1e-6 * norme;
        if (axes != 1)
            return false;
    }
    return true;
}

} // namespace

QString verifierEntete(const QString &chemin, FluxZlib *flux)
{
    const QString nom = chemin.toLower();
    if (nom.endsWith(".nii") || nom.endsWith(".nii.gz") || nom.endsWith(".hdr") || nom.endsWith(".hdr.gz"))
        return verifierNifti(chemin);
    const QByteArray debut = lireDebut(chemin);
    if ((nom.endsWith(".nrrd") || nom.endsWith(".nhdr")) && debut.startsWith("NRRD000"))
        return verifierNrrd(chemin, debut);
    if (nom.endsWith(".mha") || nom.endsWith(".mhd"))
        return verifierMeta(chemin, debut, flux);
    return QString();
}

bool niftiOblique(const QString &chemin)
{
    EnteteNifti entete;
    if (!lireNifti(chemin, entete, nullptr))
        return false;
    if (entete.codeS() > 0) {
        double m[3][3];
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                m[r][c] = entete.ligneS(r, c);
        if (!alignee(m))
            return true;
    }
    if (entete.codeQ() > 0) {
        const double b = entete.quaternion(0), c = entete.quaternion(1), d = entete.quaternion(2);
        const double a = std::sqrt(std::max(0.0, 1.0 - (b * b + c * c + d * d)));
        const double m[3][3] = {{a * a + b * b - c * c - d * d, 2 * (b * c - a * d), 2 * (b * d + a * c)},
                                {2 * (b * c + a * d), a * a + c * c - b * b - d * d, 2 * (c * d - a * b)},
                                {2 * (b * d - a * c), 2 * (c * d + a * b), a * a + d * d - c * c - b * b}};
        return !alignee(m);
    }
    return false;
}
