// The one place that knows ITK: it reads a 3-D image file's header and
// voxels. ITK compiles slowly, so nothing else includes it.
#include "volume/lecteurs.h"

#include <itkImageIOBase.h>
#include <itkImageIOFactory.h>
#include <itkMetaImageIOFactory.h>
#include <itkNiftiImageIOFactory.h>
#include <itkNrrdImageIOFactory.h>

#include <cmath>
#include <iostream>
#include <new>
#include <streambuf>

#include "model/ligne.h"
#include "volume/volume.h"

namespace {

using Composante = itk::IOComponentEnum;

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

// Silences std::cerr while it lives: MetaIO reports a short file there as
// well as through its answer.
class SansErreursStandard
{
public:
    SansErreursStandard() : ancien_(std::cerr.rdbuf(&rien_)) {}
    ~SansErreursStandard() { std::cerr.rdbuf(ancien_); }

private:
    struct Rien : std::streambuf
    {
        int overflow(int c) override { return c == traits_type::eof() ? 0 : c; }
    } rien_;
    std::streambuf *ancien_;
};

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

// Where each file axis lies: its direction must be one of the physical axes,
// either way, within 1e-6. False for any other (oblique) direction.
bool lireAxes(const itk::ImageIOBase &io, Volume &volume)
{
    bool pris[3] = {false, false, false};
    for (unsigned a = 0; a < 3; ++a) {
        const std::vector<double> d = io.GetDirection(a);
        int axe = -1;
        for (int p = 0; p < 3; ++p) {
            if (std::abs(std::abs(d[size_t(p)]) - 1.0) <= 1e-6 && axe < 0)
                axe = p;
            else if (!(std::abs(d[size_t(p)]) <= 1e-6))
                return false;
        }
        if (axe < 0 || pris[axe])
            return false;
        pris[axe] = true;
        volume.axe[a] = axe;
        volume.inverse[a] = d[size_t(axe)] < 0;
    }
    return true;
}

// Sizes and lower corner in cm: spacing / 10, and the smallest voxel centre
// along each axis less half a voxel, / 10.
QString lireGeometrie(const itk::ImageIOBase &io, Volume &volume)
{
    for (unsigned a = 0; a < 3; ++a) {
        const double pas = io.GetSpacing(a);
        if (!std::isfinite(pas) || !(pas > 0))
            return QString("espacement %1 selon l'axe %2 du fichier : un nombre fini supérieur à 0 est attendu")
                .arg(pas)
                .arg(a + 1);
    }
    for (unsigned p = 0; p < 3; ++p)
        if (!std::isfinite(io.GetOrigin(p)))
            return QString("origine %1 selon %2 : un nombre fini est attendu").arg(io.GetOrigin(p)).arg(QChar('x' + p));
    for (unsigned a = 0; a < 3; ++a) {
        const int p = volume.axe[a];
        const double pas = io.GetSpacing(a);
        const double etendue = (volume.comptesFichier[a] - 1) * pas;
        const double plusPetitCentre = io.GetOrigin(unsigned(p)) - (volume.inverse[a] ? etendue : 0.0);
        volume.taille[p] = pas / 10.0;
        volume.origine[p] = (plusPetitCentre - pas / 2.0) / 10.0;
        if (!std::isfinite(volume.origine[p]) || !std::isfinite(volume.origine[p] + etendue / 10.0))
            return QString("origine ou étendue selon %1 hors des nombres finis").arg(QChar('x' + p));
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
        return QString("image à %1 dimension%2, un volume en a 3").arg(dimensions).arg(dimensions > 1 ? "s" : "");
    if (io.GetPixelType() != itk::IOPixelEnum::SCALAR || io.GetNumberOfComponents() != 1)
        return QString("voxels à %1 composantes (vecteur ou couleur) : une étiquette par voxel est attendue")
            .arg(io.GetNumberOfComponents());
    if (!typeVoxel(io.GetComponentType(), io.GetComponentSize(), volume.type))
        return QString("voxels de type %1 sur %2 octets : entiers de 8, 16 ou 32 bits ou réels attendus")
            .arg(QString::fromStdString(itk::ImageIOBase::GetComponentTypeAsString(io.GetComponentType())))
            .arg(io.GetComponentSize());
    for (unsigned a = 0; a < 3; ++a) {
        const itk::SizeValueType n = io.GetDimensions(a);
        if (n < 1 || n > itk::SizeValueType(std::numeric_limits<int>::max()))
            return QString("%1 voxels selon l'axe %2 du fichier").arg(n).arg(a + 1);
        volume.comptesFichier[a] = int(n);
    }
    if (!lireAxes(io, volume))
        return "direction oblique : rééchantillonner d'abord le volume sur des axes x, y, z";
    for (int a = 0; a < 3; ++a)
        volume.comptes[volume.axe[a]] = volume.comptesFichier[a];
    return lireGeometrie(io, volume);
}

// Header and voxels; the reason is said without the path.
bool lire(const QString &chemin, Volume &volume, QString *raison)
{
    enregistrerFormats();
    const std::string nom = chemin.toStdString();
    itk::ImageIOBase::Pointer io = itk::ImageIOFactory::CreateImageIO(nom.c_str(), itk::IOFileModeEnum::ReadMode);
    if (!io) {
        *raison = "format non reconnu : NRRD, NIfTI ou MetaImage attendu";
        return false;
    }
    SansErreursStandard silence;
    io->SetFileName(nom);
    try {
        *raison = lireEntete(*io, volume);
    } catch (const std::exception &) {
        *raison = "en-tête illisible";
    }
    if (!raison->isEmpty())
        return false;
    if (!placePourVolume(volume.nombreVoxels(), int(io->GetComponentSize()), raison))
        return false;

    volume.donnees.reset(new (std::nothrow) char[size_t(volume.octets())]);
    if (!volume.donnees) {
        *raison = "mémoire insuffisante pour ses voxels";
        return false;
    }
    itk::ImageIORegion region(3);
    for (unsigned a = 0; a < 3; ++a)
        region.SetSize(a, itk::SizeValueType(volume.comptesFichier[a]));
    io->SetIORegion(region);
    try {
        io->Read(volume.donnees.get());
    } catch (const std::exception &) {
        volume.donnees.reset();
        *raison = "voxels illisibles (fichier tronqué ou abîmé)";
        return false;
    }
    return true;
}

} // namespace

bool lireFichierVolume(const QString &chemin, Volume &volume, QString *erreur)
{
    QString raison;
    if (lire(chemin, volume, &raison))
        return true;
    *erreur = QString("Volume « %1 » : %2").arg(surUneLigne(chemin), raison);
    return false;
}
