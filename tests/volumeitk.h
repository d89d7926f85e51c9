// ITK's writers for the tests' label volumes: an image written in one of
// the three formats, compressed or not.
#ifndef QUARVEL_TESTS_VOLUMEITK_H
#define QUARVEL_TESTS_VOLUMEITK_H

#include <QDebug>
#include <QString>

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

#endif
