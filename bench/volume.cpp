// Writes the benchmark's label volumes: 512 × 512 × 300 voxels, a body and
// three organs, as gzip-encoded NRRD files, once in uint8 (labels 0 to
// 4) and once in uint16 (labels 0 to 4000, beyond a byte):
//   bench-volume DOSSIER
#include <itkImage.h>
#include <itkImageFileWriter.h>
#include <itkNrrdImageIO.h>

#include <cstdio>
#include <string>

namespace {

// The label of voxel (x, y, z): 0 outside the body, 1 in it, 2 to 4 in the organs.
int etiquette(int x, int y, int z)
{
    auto dans = [&](double cx, double cy, double cz, double rx, double ry, double rz) {
        const double dx = (x - cx) / rx, dy = (y - cy) / ry, dz = (z - cz) / rz;
        return dx * dx + dy * dy + dz * dz <= 1.0;
    };
    if (!dans(256, 256, 150, 220, 170, 160))
        return 0;
    if (dans(180, 240, 140, 60, 80, 90))
        return 2;
    if (dans(330, 240, 140, 60, 80, 90))
        return 3;
    if (dans(256, 330, 150, 25, 25, 150))
        return 4;
    return 1;
}

template <typename T>
bool ecrire(const std::string &chemin, int facteur)
{
    using Image = itk::Image<T, 3>;
    auto image = Image::New();
    typename Image::SizeType taille = {{512, 512, 300}};
    image->SetRegions(taille);
    const double pas[3] = {0.8, 0.8, 1.5};
    image->SetSpacing(pas);
    image->Allocate();
    T *voxel = image->GetBufferPointer();
    for (int z = 0; z < 300; ++z)
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x)
                *voxel++ = T(etiquette(x, y, z) * facteur);
    auto ecrivain = itk::ImageFileWriter<Image>::New();
    ecrivain->SetInput(image);
    ecrivain->SetImageIO(itk::NrrdImageIO::New());
    ecrivain->SetFileName(chemin);
    ecrivain->SetUseCompression(true);
    try {
        ecrivain->Update();
    } catch (const itk::ExceptionObject &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage : bench-volume DOSSIER\n");
        return 2;
    }
    const std::string dossier = argv[1];
    return ecrire<unsigned char>(dossier + "/volume-u8.nrrd", 1) && ecrire<unsigned short>(dossier + "/volume-u16.nrrd", 1000)
               ? 0
               : 1;
}
