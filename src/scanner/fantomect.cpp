#include "scanner/fantomect.h"

#include <QCoreApplication>

#include <cmath>
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
// read gets its line and density once; the voxels keep their numbers, the
// CT's own array when the phantom is the whole CT.
void parNombreCT(VolumeCT &ct, const AxeCadre cadre[3], const Rampe &rampe, Grille &grille)
{
    const int huMin = int(ct.huMin), nombres = int(ct.huMax) - huMin + 1;
    std::vector<quint8> paliers(size_t(nombres), 0);
    DensitesVoxels &d = grille.densites;
    d.premier = huMin;
    d.table.resize(size_t(nombres));
    for (int k = 0; k < nombres; ++k) {
        const PointRampe point = appliquerRampe(rampe, huMin + k);
        paliers[size_t(k)] = quint8(point.palier);
        d.table[size_t(k)] = point.densite;
    }
    if (grille.nombreVoxels() == ct.nombreVoxels()) {
        d.nombres = std::move(ct.entiers);
    } else {
        d.nombres.reserve(size_t(grille.nombreVoxels()));
        const qint64 ligneCT = ct.axes[0].compte, trancheCT = ligneCT * ct.axes[1].compte;
        for (int z = 0; z < grille.dimZ; ++z)
            for (int y = 0; y < grille.dimY; ++y) {
                const qint16 *hu = ct.entiers.data() + (cadre[2].premier + z) * trancheCT
                                   + (cadre[1].premier + y) * ligneCT + cadre[0].premier;
                d.nombres.insert(d.nombres.end(), hu, hu + grille.dimX);
            }
    }
    const qint16 *nombre = d.nombres.data();
    quint8 *voxel = grille.voxels.data();
    for (qint64 i = 0, n = grille.nombreVoxels(); i < n; ++i)
        voxel[i] = paliers[size_t(nombre[i] - huMin)];
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

// Outside a tilted series' slices nothing was scanned: the ramp's lower
// bound there. A bound that is not a whole 16-bit HU turns the volume to
// floats.
void remplirHorsCoupes(VolumeCT &ct, double huMin)
{
    if (ct.inclinaison == 0.0)
        return;
    if (!ct.entiers.empty() && !(huMin == std::round(huMin) && std::abs(huMin) <= 32767.0)) {
        ct.reels.resize(ct.entiers.size());
        for (size_t i = 0; i < ct.entiers.size(); ++i)
            ct.reels[i] = ct.entiers[i] == huHorsCoupes ? NAN : float(ct.entiers[i]);
        ct.entiers = std::vector<qint16>();
    }
    // Every HU written, the choice made without a branch: many are then
    // handled at once.
    const qint16 borne = qint16(huMin);
    qint16 *hu = ct.entiers.data();
    int ici = 0;
    for (size_t i = 0, n = ct.entiers.size(); i < n; ++i) {
        ici |= hu[i] == huHorsCoupes;
        hu[i] = hu[i] == huHorsCoupes ? borne : hu[i];
    }
    bool dehors = ici != 0;
    for (float &hu : ct.reels)
        if (std::isnan(hu)) {
            hu = float(huMin);
            dehors = true;
        }
    if (dehors) {
        ct.huMin = std::min(ct.huMin, huMin);
        ct.huMax = std::max(ct.huMax, huMin);
    }
}

} // namespace

bool construireFantomeCT(VolumeCT ct, const AxeCadre cadre[3], const Rampe &rampe, Grille &grille,
                         Geometrie &geometrie, QString *erreur)
{
    if (!initialiserGrille(grille, cadre[0].compte, cadre[1].compte, cadre[2].compte, erreur))
        return false;
    for (int a = 0; a < 3; ++a) {
        geometrie.taille[a] = cadre[a].taille;
        geometrie.origine[a] = cadre[a].origine;
        geometrie.bornes[a] = cadre[a].bornes;
    }
    try {
        remplirHorsCoupes(ct, rampe.huMin);
        if (memesVoxels(cadre) && !ct.entiers.empty())
            parNombreCT(ct, cadre, rampe, grille);
        else
            parMoyenne(ct, cadre, rampe, grille);
    } catch (const std::bad_alloc &) {
        grille = Grille();
        if (erreur)
            *erreur = QCoreApplication::translate(
                "scanner", "Mémoire insuffisante pour %1 × %2 × %3 voxels et leurs densités.")
                          .arg(cadre[0].compte)
                          .arg(cadre[1].compte)
                          .arg(cadre[2].compte);
        return false;
    }
    return true;
}
