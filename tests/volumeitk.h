// ITK's writers for the tests' label volumes: an image written in one of
// the three formats, compressed or not.
#ifndef QUARVEL_TESTS_VOLUMEITK_H
#define QUARVEL_TESTS_VOLUMEITK_H

#include <QDebug>
#include <QString>
#include <array>
#include <functional>

#include <itkImage.h>
#include <itkImageFileWriter.h>
#include <itkMetaImageIO.h>
#include <itkNiftiImageIO.h>
#include <itkNrrdImageIO.h>

enum class Format { Nrrd, Nifti, Meta };

inline itk::ImageIOBase::Pointer io(Format format)
{
    switch (format) {
    case Format::Nrrd: return itk::NrrdImageIO::New().GetPointer();
    case Format::Nifti: return itk::NiftiImageIO::New().GetPointer();
    case Format::Meta: return itk::MetaImageIO::New().GetPointer();
    }
    return nullptr;
}

template <typename Image>
bool ecrire(typename Image::Pointer image, const QString &chemin, Format format, bool compresse)
{
    auto ecrivain = itk::ImageFileWriter<Image>::New();
    ecrivain->SetInput(image);
    ecrivain->SetImageIO(io(format));
    ecrivain->SetFileName(chemin.toStdString());
    ecrivain->SetUseCompression(compresse);
    try {
        ecrivain->Update();
    } catch (const itk::ExceptionObject &e) {
        qWarning() << e.what();
        return false;
    }
    return true;
}

// A 16-bit label volume of comptes voxels of pas mm, the first centred at
// centre mm, valeur(x, y, z) at each voxel, written as compressed NRRD.
inline bool ecrireEtiquettes(const QString &chemin, std::array<size_t, 3> comptes, std::array<double, 3> pas,
                             std::array<double, 3> centre, const std::function<int(int, int, int)> &valeur)
{
    using Image = itk::Image<quint16, 3>;
    auto image = Image::New();
    image->SetRegions(Image::SizeType{{comptes[0], comptes[1], comptes[2]}});
    image->SetSpacing(pas.data());
    image->SetOrigin(centre.data());
    image->Allocate();
    for (itk::Index<3> i{{0, 0, 0}}; i[2] < itk::IndexValueType(comptes[2]); ++i[2])
        for (i[1] = 0; i[1] < itk::IndexValueType(comptes[1]); ++i[1])
            for (i[0] = 0; i[0] < itk::IndexValueType(comptes[0]); ++i[0])
                image->SetPixel(i, quint16(valeur(int(i[0]), int(i[1]), int(i[2]))));
    return ecrire<Image>(image, chemin, Format::Nrrd, true);
}

#endif
