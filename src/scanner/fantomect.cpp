#include "scanner/fantomect.h"

#include <new>

#include "egsphant/egsphant.h"
#include "egsphant/reel.h"
#include "phantom/construction.h"
#include "scanner/rampe.h"
#include "scanner/reechantillonnage.h"
#include "scanner/volumect.h"

namespace {

bool memesVoxels(const AxeCadre cadre[3])
{
    return cadre[0].memesVoxels() && cadre[1].memesVoxels() && cadre[2].memesVoxels();
}

// The CT's own whole HU: each CT number between the lowest and the highest
// read gets its line and density once, and each voxel its place in that table.
void parNombreCT(const VolumeCT &ct, const AxeCadre cadre[3], const Rampe &rampe, Grille &grille)
{
    const int huMin = int(ct.huMin), nombres = int(ct.huMax) - huMin + 1;
    std::vector<quint8> paliers(size_t(nombres), 0);
    grille.densites.table.resize(size_t(nombres));
    for (int k = 0; k < nombres; ++k) {
        const PointRampe point = appliquerRampe(rampe, huMin + k);
        paliers[size_t(k)] = quint8(point.palier);
        grille.densites.table[size_t(k)] = point.densite;
    }
    grille.densites.places.resize(size_t(grille.nombreVoxels()));
    quint16 *place = grille.densites.places.data();
    const qint64 ligneCT = ct.axes[0].compte, trancheCT = ligneCT * ct.axes[1].compte;
    for (int z = 0; z < grille.dimZ; ++z)
        for (int y = 0; y < grille.dimY; ++y) {
            const qint16 *hu = ct.entiers.data() + (cadre[2].premier + z) * trancheCT
                               + (cadre[1].premier + y) * ligneCT + cadre[0].premier;
            quint8 *voxel = grille.ligne(z, y);
            for (int x = 0; x < grille.dimX; ++x, ++place) {
                *place = quint16(hu[x] - huMin);
                voxel[x] = paliers[*place];
            }
        }
}

// Any other phantom: the ramp at each voxel's mean HU, its density packed
// as the six digits the file shows.
void parMoyenne(const VolumeCT &ct, const AxeCadre cadre[3], const Rampe &rampe, Grille &grille)
{
    grille.densites.codes.resize(size_t(grille.nombreVoxels()));
    quint32 *code = grille.densites.codes.data();
    reechantillonner(ct, cadre, [&](int z, int y, const double *valeurs) {
        quint8 *voxel = grille.ligne(z, y);
        for (int x = 0; x < grille.dimX; ++x, ++code) {
            const PointRampe point = appliquerRampe(rampe, valeurs[x]);
            voxel[x] = quint8(point.palier);
            *code = codeReel(point.densite);
        }
    });
}

} // namespace

bool construireFantomeCT(const VolumeCT &ct, const AxeCadre cadre[3], const Rampe &rampe, Grille &grille,
                         Geometrie &geometrie, QString *erreur)
{
    if (!initialiserGrille(grille, cadre[0].compte, cadre[1].compte, cadre[2].compte, erreur))
        return false;
    for (int a = 0; a < 3; ++a) {
        geometrie.taille[a] = cadre[a].taille;
        geometrie.origine[a] = cadre[a].origine;
    }
    try {
        if (memesVoxels(cadre) && !ct.entiers.empty())
            parNombreCT(ct, cadre, rampe, grille);
        else
            parMoyenne(ct, cadre, rampe, grille);
    } catch (const std::bad_alloc &) {
        grille = Grille();
        if (erreur)
            *erreur = QString("Mémoire insuffisante pour %1 × %2 × %3 voxels et leurs densités.")
                          .arg(cadre[0].compte)
                          .arg(cadre[1].compte)
                          .arg(cadre[2].compte);
        return false;
    }
    return true;
}
