#include "scanner/fantomect.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <new>

#include "egsphant/egsphant.h"
#include "egsphant/reel.h"
#include "model/partage.h"
#include "phantom/construction.h"
#include "scanner/rampe.h"
#include "scanner/reechantillonnage.h"
#include "scanner/volumect.h"

namespace {

bool memesVoxels(const AxeCadre cadre[3])
{
    return cadre[0].memesVoxels() && cadre[1].memesVoxels() && cadre[2].memesVoxels();
}

// A tilted series' voxels outside its slices take the ramp's lower bound
// when that is a whole 16-bit HU: it is then a CT number like the others.
bool borneEntiere(double huMin)
{
    return huMin == std::round(huMin) && std::abs(huMin) <= 32767.0;
}

// The voxels [debut, fin) of the grid take their CT number's line; hors:
// those outside a tilted series' slices first take borne. Whether any did.
template <bool hors>
bool paliersDe(qint16 *nombre, quint8 *voxel, qint64 debut, qint64 fin, const quint8 *paliers, int premier,
               qint16 borne)
{
    // A few thousand voxels at a time, still in the cache for the second
    // loop; the first, without a branch, handles many voxels at once.
    constexpr qint64 bloc = 8192;
    int dehors = 0;
    for (qint64 b = debut; b < fin; b += bloc) {
        const qint64 finBloc = std::min(fin, b + bloc);
        if constexpr (hors)
            for (qint64 i = b; i < finBloc; ++i) {
                dehors |= nombre[i] == huHorsCoupes;
                nombre[i] = nombre[i] == huHorsCoupes ? borne : nombre[i];
            }
        for (qint64 i = b; i < finBloc; ++i)
            voxel[i] = paliers[nombre[i] - premier];
    }
    return dehors != 0;
}

// Every CT number from bas to haut gets its line, and its density in d.
std::vector<quint8> tableNombres(const Rampe &rampe, int bas, int haut, DensitesVoxels &d)
{
    std::vector<quint8> paliers(size_t(haut - bas + 1), 0);
    d.premier = bas;
    d.table.resize(paliers.size());
    for (size_t k = 0; k < paliers.size(); ++k) {
        const PointRampe point = appliquerRampe(rampe, bas + int(k));
        paliers[k] = quint8(point.palier);
        d.table[k] = point.densite;
    }
    return paliers;
}

// The CT's own whole HU: each CT number between the lowest and the highest
// read gets its line and density once; the voxels keep their numbers, the
// CT's own array when the phantom is the whole CT. The numbers are mapped
// in pieces between the cores; a tilted series' outside is filled on the
// way, its bound left in the table only when some voxel took it.
void parNombreCT(VolumeCT &ct, const AxeCadre cadre[3], const Rampe &rampe, Grille &grille)
{
    const bool incline = ct.inclinaison != 0.0;
    const qint16 borne = incline ? qint16(rampe.huMin) : 0;
    // A tilted series may have read nothing but its outside.
    const bool rien = !(ct.huMin <= ct.huMax);
    const int bas = rien ? borne : int(ct.huMin), haut = rien ? borne : int(ct.huMax);
    const int premier = incline ? std::min(bas, int(borne)) : bas;
    DensitesVoxels &d = grille.densites;
    const std::vector<quint8> paliers = tableNombres(rampe, premier, incline ? std::max(haut, int(borne)) : haut, d);
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
    const qint64 n = grille.nombreVoxels();
    const int pieces = nombrePieces(n);
    std::vector<char> dehors(size_t(pieces), 0);
    enPieces(n, pieces, [&](qint64 debut, qint64 fin, int p) {
        qint16 *nombre = d.nombres.data();
        dehors[size_t(p)] = incline ? paliersDe<true>(nombre, grille.voxels.data(), debut, fin, paliers.data(), premier, borne)
                                    : paliersDe<false>(nombre, grille.voxels.data(), debut, fin, paliers.data(), premier, borne);
    });
    // No voxel outside: the table is the range read, as a straight series'.
    if (incline && std::count(dehors.begin(), dehors.end(), 1) == 0) {
        d.table.erase(d.table.begin() + (haut - premier + 1), d.table.end());
        d.table.erase(d.table.begin(), d.table.begin() + (bas - premier));
        d.premier = bas;
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

// Outside a tilted series' slices nothing was scanned: the ramp's lower
// bound there. A bound that is not a whole 16-bit HU turns the volume to
// floats.
void remplirHorsCoupes(VolumeCT &ct, double huMin)
{
    if (ct.inclinaison == 0.0)
        return;
    if (!ct.entiers.empty() && !borneEntiere(huMin)) {
        ct.reels.resize(ct.entiers.size());
        for (size_t i = 0; i < ct.entiers.size(); ++i)
            ct.reels[i] = ct.entiers[i] == huHorsCoupes ? NAN : float(ct.entiers[i]);
        ct.entiers = NombresCT();
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
        if (memesVoxels(cadre) && !ct.entiers.empty() && (ct.inclinaison == 0.0 || borneEntiere(rampe.huMin))) {
            parNombreCT(ct, cadre, rampe, grille);
        } else {
            remplirHorsCoupes(ct, rampe.huMin);
            parMoyenne(ct, cadre, rampe, grille);
        }
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
