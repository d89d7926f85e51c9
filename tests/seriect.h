// CT series written as a scanner writes them, one DICOM file per slice,
// through ITK's GDCM writer: HU stored with Rescale Slope 1 and Intercept
// -1024, files named in another order than their positions.
#ifndef QUARVEL_TESTS_SERIECT_H
#define QUARVEL_TESTS_SERIECT_H

#include <itkGDCMImageIO.h>
#include <itkImage.h>
#include <itkImageFileWriter.h>
#include <itkMetaDataObject.h>

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// A catalogue of the four media of the default ramp.
const QByteArray pegsRampe = " MEDIUM=AIR521ICRU              ,STERNCID=AIR521ICRU\n"
                             " MIXT,RHO= 1.2048E-03,NE= 4\n"
                             " MEDIUM=LUNG521ICRU             ,STERNCID=LUNG521ICRU\n"
                             " MIXT,RHO= 2.6000E-01,NE= 4\n"
                             " MEDIUM=ICRUTISSUE521ICRU       ,STERNCID=ICRUTISSUE521ICRU\n"
                             " MIXT,RHO= 1.0000E+00,NE= 4\n"
                             " MEDIUM=ICRPBONE521ICRU         ,STERNCID=ICRPBONE521ICRU\n"
                             " MIXT,RHO= 1.8500E+00,NE= 4\n";

// What one slice's file says; a test may change it before it is written.
struct CoupeEssai
{
    double position[3] = {0, 0, 0}; // mm, centre of its first pixel
    std::string orientation = "1\\0\\0\\0\\1\\0";
    std::string inclinaison = "0";
    std::string modalite = "CT";
    std::string typeImage = "ORIGINAL\\PRIMARY\\AXIAL";
    std::string classe; // SOP Class UID; empty: the writer's, from the modality
    int colonnes = 0;
    int rangees = 0;
};

struct SerieEssai
{
    int colonnes = 12, rangees = 10, coupes = 5;
    double pas[3] = {2.0, 2.5, 4.0};           // mm: along a row, down a column, between slices
    double premier[3] = {-11.0, -11.25, 100.0}; // mm: first pixel of the first slice
    std::string uid = "1.2.826.0.1.3680043.2.1125.22.1";
    std::string referentiel = "1.2.826.0.1.3680043.2.1125.22.7"; // FrameOfReferenceUID
    std::string description = "Cylindre d'eau";
    std::string numero = "3"; // SeriesNumber
    QString prefixe = "IM"; // of the file names
    // Every HU half a unit higher, stored with Rescale Slope 0.5: HU that are not whole.
    bool demiHU = false;
    // HU of pixel (column, row) of slice z, z counted along the normal.
    std::function<int(int colonne, int rangee, int z)> hu;
};

// A water cylinder (0 HU) of radius 9 mm about the z axis, with a bone rod
// (1000 HU) and a lung insert (-700 HU) of radius 3 mm, in air (-1000 HU).
inline int cylindre(double x, double y)
{
    auto dans = [&](double cx, double r) { return (x - cx) * (x - cx) + y * y <= r * r; };
    return dans(4, 3) ? 1000 : dans(-4, 3) ? -700 : dans(0, 9) ? 0 : -1000;
}

inline std::string texte(double a, double b, double c)
{
    std::ostringstream s;
    s.imbue(std::locale::classic());
    s.precision(17);
    s << a << '\\' << b << '\\' << c;
    return s.str();
}

// One slice's pixels as an ITK image of that pixel type, written through io.
template <typename Pixel>
void ecrireCoupe(const SerieEssai &serie, const CoupeEssai &coupe, int z, itk::GDCMImageIO *io, const std::string &nom)
{
    using Image = itk::Image<Pixel, 2>;
    auto image = Image::New();
    image->SetRegions(typename Image::RegionType(typename Image::SizeType{{size_t(coupe.colonnes), size_t(coupe.rangees)}}));
    image->Allocate();
    const double pas[2] = {serie.pas[0], serie.pas[1]};
    image->SetSpacing(pas);
    for (int r = 0; r < coupe.rangees; ++r)
        for (int c = 0; c < coupe.colonnes; ++c)
            image->SetPixel({{c, r}}, Pixel(serie.hu(c, r, z) + (serie.demiHU ? 0.5 : 0.0)));
    auto ecrivain = itk::ImageFileWriter<Image>::New();
    ecrivain->SetImageIO(io);
    ecrivain->SetInput(image);
    ecrivain->UseInputMetaDataDictionaryOff();
    ecrivain->SetFileName(nom);
    ecrivain->Update();
}

// Writes the series into dossier; retouche(z, coupe) may change slice z's
// file. *fichiers gets the file name of each slice, in slice order.
inline bool ecrireSerie(const QString &dossier, const SerieEssai &serie,
                        const std::function<void(int, CoupeEssai &)> &retouche = {},
                        QStringList *fichiers = nullptr)
{
    std::vector<int> noms(size_t(serie.coupes));
    std::iota(noms.begin(), noms.end(), 1);
    std::shuffle(noms.begin(), noms.end(), std::mt19937(22));
    for (int z = 0; z < serie.coupes; ++z) {
        CoupeEssai coupe;
        coupe.colonnes = serie.colonnes;
        coupe.rangees = serie.rangees;
        for (int a = 0; a < 3; ++a)
            coupe.position[a] = serie.premier[a] + (a == 2 ? z * serie.pas[2] : 0.0);
        if (retouche)
            retouche(z, coupe);
        auto io = itk::GDCMImageIO::New();
        io->KeepOriginalUIDOn();
        itk::MetaDataDictionary &d = io->GetMetaDataDictionary();
        const std::string numero = std::to_string(noms[size_t(z)]);
        const std::pair<const char *, std::string> entetes[] = {
            {"0008|0060", coupe.modalite}, {"0020|000d", serie.uid + ".0"}, {"0020|000e", serie.uid}, {"0020|0052", serie.referentiel},
            {"0008|0018", serie.uid + "." + numero}, {"0008|103e", serie.description}, {"0020|0011", serie.numero},
            {"0020|0013", numero}, {"0020|0032", texte(coupe.position[0], coupe.position[1], coupe.position[2])},
            {"0020|0037", coupe.orientation}, {"0018|1120", coupe.inclinaison},
            {"0028|1052", "-1024"}, {"0028|1053", serie.demiHU ? "0.5" : "1"}, {"0028|0004", "MONOCHROME2"}};
        for (const auto &[tag, valeur] : entetes)
            itk::EncapsulateMetaData<std::string>(d, tag, valeur);
        itk::EncapsulateMetaData<std::string>(d, "0008|0008", coupe.typeImage);
        if (!coupe.classe.empty())
            itk::EncapsulateMetaData<std::string>(d, "0008|0016", coupe.classe);
        // Float pixels need the stored type told: signed 16 bits.
        if (serie.demiHU)
            for (const auto &[tag, valeur] : {std::pair<const char *, const char *>{"0028|0100", "16"},
                                              {"0028|0101", "16"}, {"0028|0102", "15"}, {"0028|0103", "1"}})
                itk::EncapsulateMetaData<std::string>(d, tag, valeur);
        const QString nom = serie.prefixe + QString::fromStdString(numero);
        if (fichiers)
            *fichiers << nom;
        const std::string chemin = QDir(dossier).filePath(nom).toStdString();
        try {
            // Floats go through the slope to whole stored values; shorts are stored as they are, less the intercept.
            if (serie.demiHU)
                ecrireCoupe<float>(serie, coupe, z, io, chemin);
            else
                ecrireCoupe<short>(serie, coupe, z, io, chemin);
        } catch (const std::exception &e) {
            qWarning("%s", e.what());
            return false;
        }
    }
    return true;
}

#endif
