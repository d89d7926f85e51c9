// The one place that knows ITK: it reads a 3-D image file's header and
// voxels. ITK compiles slowly, so nothing else includes it.
#include "volume/lecteurs.h"

#include <itkImageIOBase.h>
#include <itkImageIOFactory.h>
#include <itkMetaImageIOFactory.h>
#include <itkNiftiImageIO.h>
#include <itkNiftiImageIOFactory.h>
#include <itkNrrdImageIOFactory.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>

#include <zlib.h>

#include <cmath>
#include <cstring>
#include <iostream>
#include <new>

#include "io/grandespages.h"
#include "io/silence.h"
#include "model/ligne.h"
#include "volume/axes.h"
#include "volume/entetes.h"
#include "volume/volume.h"

namespace {

using Composante = itk::IOComponentEnum;

const char *const directionOblique =
    QT_TRANSLATE_NOOP("volume", "direction oblique : rééchantillonner d'abord le volume sur des axes x, y, z");

// The formats a segmentation tool exports. Registered by hand: the program
// does not go through ITK's generated factory list, and any other format
// (a picture, a DICOM series) is not a label volume.
void enregistrerFormats()
{
    static const bool fait = [] {
        itk::NrrdImageIOFactory::RegisterOneFactory();
        itk::NiftiImageIOFactory::RegisterOneFactory();
        itk::MetaImageIOFactory::RegisterOneFactory();
        // ITK's warnings would add English lines beside the one French refusal.
        itk::Object::GlobalWarningDisplayOff();
        return true;
    }();
    (void)fait;
}

// Bytes a file holds once inflated (a plain file as it is), counted up to
// assez: past that, the count is enough.
qint64 octetsLisibles(const QString &chemin, qint64 assez)
{
    gzFile flux = gzopen(QFile::encodeName(chemin).constData(), "rb");
    if (!flux)
        return -1;
    if (gzdirect(flux)) {
        gzclose(flux);
        return QFileInfo(chemin).size();
    }
    std::vector<char> bloc(1 << 18);
    qint64 total = 0;
    int lus = 0;
    while (total < assez && (lus = gzread(flux, bloc.data(), unsigned(bloc.size()))) > 0)
        total += lus;
    gzclose(flux);
    return total;
}

// niftilib fills the voxels a short file lacks with zeros and says nothing:
// the header's data offset and the voxels' size must fit in the file (once
// inflated). A header and image pair (.hdr, .img) has its data in the .img.
bool donneesNiftiEntieres(const QString &chemin, qint64 octets)
{
    char entete[540] = {};
    gzFile flux = gzopen(QFile::encodeName(chemin).constData(), "rb");
    if (!flux)
        return false;
    const int lus = gzread(flux, entete, sizeof entete);
    gzclose(flux);
    qint32 tailleEntete = 0;
    std::memcpy(&tailleEntete, entete, 4);
    const bool inverse = tailleEntete != 348 && tailleEntete != 540;
    if (inverse)
        tailleEntete = qint32(qbswap(quint32(tailleEntete)));
    if (lus < tailleEntete || (tailleEntete != 348 && tailleEntete != 540))
        return false;
    double decalage = 0;
    if (tailleEntete == 348) {
        quint32 bits = 0;
        std::memcpy(&bits, entete + 108, 4);
        float f = 0;
        bits = inverse ? qbswap(bits) : bits;
        std::memcpy(&f, &bits, 4);
        decalage = f;
    } else {
        quint64 bits = 0;
        std::memcpy(&bits, entete + 168, 8);
        decalage = double(qint64(inverse ? qbswap(bits) : bits));
    }
    const char *magie = tailleEntete == 348 ? entete + 344 : entete + 4;
    QString donnees = chemin;
    if (magie[1] == 'i') { // "ni1", "ni2": the voxels are in the image file beside
        donnees.replace(QRegularExpression("\\.hdr(\\.gz)?$", QRegularExpression::CaseInsensitiveOption), ".img");
        if (!QFileInfo::exists(donnees))
            donnees += ".gz";
    }
    const qint64 attendus = qint64(decalage) + octets;
    return octetsLisibles(donnees, attendus) >= attendus;
}

bool typeVoxel(Composante composante, size_t taille, TypeVoxel &type)
{
    switch (composante) {
    case Composante::UCHAR: case Composante::USHORT: case Composante::UINT: case Composante::ULONG:
    case Composante::ULONGLONG:
        if (taille > 4)
            return false;
        type = taille == 1 ? TypeVoxel::U8 : taille == 2 ? TypeVoxel::U16 : TypeVoxel::U32;
        return true;
    case Composante::CHAR: case Composante::SHORT: case Composante::INT: case Composante::LONG:
    case Composante::LONGLONG:
        if (taille > 4)
            return false;
        type = taille == 1 ? TypeVoxel::I8 : taille == 2 ? TypeVoxel::I16 : TypeVoxel::I32;
        return true;
    case Composante::FLOAT:
        type = TypeVoxel::F32;
        return true;
    case Composante::DOUBLE:
        type = TypeVoxel::F64;
        return true;
    default:
        return false;
    }
}

// The header's axes as the shared placement reads them.
EnteteAxes enteteAxes(const itk::ImageIOBase &io, const Volume &volume)
{
    EnteteAxes entete;
    for (unsigned a = 0; a < 3; ++a) {
        const std::vector<double> d = io.GetDirection(a);
        entete.comptes[a] = volume.comptesFichier[a];
        entete.pas[a] = io.GetSpacing(a);
        entete.origine[a] = io.GetOrigin(a);
        for (int p = 0; p < 3; ++p)
            entete.direction[a][p] = d[size_t(p)];
    }
    return entete;
}

// Where each file axis lies; false for an oblique direction.
bool lireAxes(const itk::ImageIOBase &io, Volume &volume)
{
    PlacementAxes placement;
    if (!placerAxes(enteteAxes(io, volume), placement))
        return false;
    for (int a = 0; a < 3; ++a) {
        volume.axe[a] = placement.axe[a];
        volume.inverse[a] = placement.inverse[a];
    }
    return true;
}

QString nomFormat(const itk::ImageIOBase &io)
{
    if (dynamic_cast<const itk::NiftiImageIO *>(&io))
        return QString("NIfTI");
    return std::strcmp(io.GetNameOfClass(), "MetaImageIO") == 0 ? QString("MetaImage") : QString("NRRD");
}

// The header keys the geometry comes from, for the refusals.
ChampsGeometrie champsGeometrie(const itk::ImageIOBase &io)
{
    const QString format = nomFormat(io);
    if (format == "NIfTI")
        return {"pixdim", QCoreApplication::translate("volume", "qoffset ou srow")};
    if (format == "MetaImage")
        return {"ElementSpacing", "Offset"};
    return {"space directions", "space origin"};
}

// Sizes and lower corner in cm.
QString lireGeometrie(const itk::ImageIOBase &io, Volume &volume)
{
    PlacementAxes placement;
    for (int a = 0; a < 3; ++a) {
        placement.axe[a] = volume.axe[a];
        placement.inverse[a] = volume.inverse[a];
    }
    if (const QString refus = geometrieAxes(enteteAxes(io, volume), placement, champsGeometrie(io)); !refus.isEmpty())
        return refus;
    for (int p = 0; p < 3; ++p) {
        volume.taille[p] = placement.taille[p];
        volume.origine[p] = placement.origine[p];
    }
    volume.geometrieConnue = true;
    return QString();
}

// Everything the header says, checked before a byte of voxels is read.
QString lireEntete(itk::ImageIOBase &io, Volume &volume)
{
    io.ReadImageInformation();
    const unsigned dimensions = io.GetNumberOfDimensions();
    if (dimensions != 3)
        return QCoreApplication::translate("volume", "image à %1 dimension%2, un volume en a 3")
            .arg(dimensions)
            .arg(dimensions > 1 ? "s" : "");
    if (io.GetPixelType() != itk::IOPixelEnum::SCALAR || io.GetNumberOfComponents() != 1)
        return QCoreApplication::translate(
            "volume", "voxels à %1 composantes (vecteur ou couleur) : une étiquette par voxel est attendue")
            .arg(io.GetNumberOfComponents());
    if (!typeVoxel(io.GetComponentType(), io.GetComponentSize(), volume.type))
        return QCoreApplication::translate("volume", "voxels %1 : entiers de 8, 16 ou 32 bits, ou réels, attendus")
            .arg(io.GetComponentSize() == 8 && io.GetComponentType() != Composante::DOUBLE
                     ? QCoreApplication::translate("volume", "entiers de 64 bits")
                     : QCoreApplication::translate("volume", "de type %1")
                           .arg(QString::fromStdString(
                               itk::ImageIOBase::GetComponentTypeAsString(io.GetComponentType()))));
    for (unsigned a = 0; a < 3; ++a) {
        const itk::SizeValueType n = io.GetDimensions(a);
        if (n < 1 || n > itk::SizeValueType(std::numeric_limits<int>::max()))
            return QCoreApplication::translate("volume", "%1 voxels selon l'axe %2 du fichier").arg(n).arg(a + 1);
        volume.comptesFichier[a] = int(n);
    }
    if (!lireAxes(io, volume))
        return QCoreApplication::translate("volume", directionOblique);
    for (int a = 0; a < 3; ++a)
        volume.comptes[volume.axe[a]] = volume.comptesFichier[a];
    return lireGeometrie(io, volume);
}

// Header and voxels; the reason is said without the path.
bool lire(const QString &chemin, Volume &volume, QString *raison)
{
    enregistrerFormats();
    // What the readers would trip on, checked before any of them sees the file.
    FluxZlib flux;
    if (*raison = verifierEntete(chemin, &flux); !raison->isEmpty())
        return false;
    SansErreursStandard silence;
    const std::string nom = chemin.toStdString();
    itk::ImageIOBase::Pointer io = itk::ImageIOFactory::CreateImageIO(nom.c_str(), itk::IOFileModeEnum::ReadMode);
    if (!io) {
        *raison = QCoreApplication::translate("volume", "format non reconnu : NRRD, NIfTI ou MetaImage attendu");
        return false;
    }
    io->SetFileName(nom);
    try {
        *raison = lireEntete(*io, volume);
    } catch (const std::exception &) {
        // ITK refuses a NIfTI file whose axes are not at right angles without saying so.
        const bool oblique = dynamic_cast<itk::NiftiImageIO *>(io.GetPointer()) && niftiOblique(chemin);
        *raison =
            oblique ? QCoreApplication::translate("volume", directionOblique)
                    : QCoreApplication::translate("volume", "en-tête %1 illisible (fichier abîmé)").arg(nomFormat(*io));
    }
    if (!raison->isEmpty())
        return false;
    if (!placePourVolume(volume.nombreVoxels(), int(io->GetComponentSize()), raison))
        return false;

    volume.donnees.reset(new (std::nothrow) char[size_t(volume.octets())]);
    if (!volume.donnees) {
        *raison = QCoreApplication::translate("volume", "mémoire insuffisante pour ses voxels");
        return false;
    }
    // Asked before the first byte lands: fewer, larger pages to fault in.
    demanderGrandesPages(volume.donnees.get(), size_t(volume.octets()));
    itk::ImageIORegion region(3);
    for (unsigned a = 0; a < 3; ++a)
        region.SetSize(a, itk::SizeValueType(volume.comptesFichier[a]));
    io->SetIORegion(region);
    bool lu = true;
    if (dynamic_cast<itk::NiftiImageIO *>(io.GetPointer()))
        lu = donneesNiftiEntieres(chemin, volume.octets());
    try {
        if (lu && flux.debut >= 0)
            lu = inflerFlux(flux, volume.donnees.get(), volume.octets(), int(io->GetComponentSize()));
        else if (lu)
            io->Read(volume.donnees.get());
    } catch (const std::exception &) {
        lu = false;
    }
    if (!lu) {
        volume.donnees.reset();
        *raison = flux.debut >= 0
                      ? QCoreApplication::translate("volume",
                            "ElementDataFile : flux compressé tronqué ou abîmé, ou d'une autre longueur "
                            "que les %1 octets de voxels de DimSize")
                            .arg(volume.octets())
                      : QCoreApplication::translate("volume", "voxels illisibles (fichier tronqué ou abîmé)");
    }
    return lu;
}

} // namespace

bool lireFichierVolume(const QString &chemin, Volume &volume, QString *erreur)
{
    QString raison;
    if (lire(chemin, volume, &raison))
        return true;
    *erreur = QCoreApplication::translate("volume", "Volume « %1 » : %2").arg(extrait(chemin), raison);
    return false;
}
