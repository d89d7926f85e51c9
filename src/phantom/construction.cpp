#include "phantom/construction.h"

#include <QCoreApplication>
#include <QLocale>
#include <QVector>

#include <algorithm>
#include <cstring>
#include <new>
#include <unistd.h>

#include "images/inventaire.h"
#include "media/materiaux.h"
#include "model/niveaugris.h"
#include "egsphant/egsphant.h"
#include "io/grandespages.h"
#include "volume/volume.h"

namespace {

// Grey levels of an image, read as the builders read them: -1 outside it.
struct PlanGris
{
    explicit PlanGris(const QImage &image)
        : largeur(image.width()), hauteur(image.height()), niveaux(planGris(image)) {}

    // Row r, or null when r lies outside the image.
    const quint8 *ligne(qint64 r) const
    {
        return r >= 0 && r < hauteur ? niveaux.constData() + r * largeur : nullptr;
    }
    int niveau(qint64 colonne, qint64 rangee) const
    {
        const quint8 *l = ligne(rangee);
        return l && colonne < largeur ? l[colonne] : -1;
    }

    qint64 largeur;
    qint64 hauteur;
    QVector<quint8> niveaux;
};

// The voxel value for a grey level: its record, else the first medium.
inline quint8 voxelPour(const TableNiveaux &table, int niveau)
{
    return niveau >= 0 && table[niveau] >= 0 ? quint8(table[niveau]) : 0;
}

// Voxel values of one image row along the grid's first axis, dimX long.
void ligneVoxels(quint8 *sortie, qint64 dimX, const PlanGris &plan, qint64 rangee, const TableNiveaux &table)
{
    const quint8 *l = plan.ligne(rangee);
    const qint64 dedans = l ? std::min(dimX, plan.largeur) : 0;
    for (qint64 x = 0; x < dedans; ++x)
        sortie[x] = voxelPour(table, l[x]);
    std::memset(sortie + dedans, 0, size_t(dimX - dedans));
}

qint64 voxelsMax()
{
    // Half the memory: the machine keeps room for the images and the rest.
    const qint64 pages = sysconf(_SC_PHYS_PAGES);
    const qint64 taillePage = sysconf(_SC_PAGE_SIZE);
    return pages > 0 && taillePage > 0 ? pages / 2 * taillePage : qint64(1) << 31;
}

// An amount of memory as a user reads it: "1,6 Go" (10^9 bytes, as disks and the file sizes shown count).
QString enGo(double octets)
{
    return QLocale(QLocale::French).toString(octets / 1e9, 'f', 1) + " Go";
}

} // namespace

Constructeur choixConstructeur(bool choixXY, bool choixXZ, bool choixYZ)
{
    if (choixXY + choixXZ + choixYZ != 1)
        return Constructeur::Plans;
    return choixXY ? Constructeur::PlanXY : choixXZ ? Constructeur::PlanXZ : Constructeur::PlanYZ;
}

PlanImage planA(bool choixXZ) { return choixXZ ? PlanImage::XZ : PlanImage::YZ; }
PlanImage planB(bool choixYZ) { return choixYZ ? PlanImage::YZ : PlanImage::XZ; }

void numeroterMateriaux(QList<Materiau> &materiaux)
{
    const std::vector<int> numeros = numerosMilieux(materiaux);
    for (int k = 0; k < materiaux.size(); ++k)
        materiaux[k].numero = numeros[size_t(k)];
}

TableNiveaux tableNiveaux(const QList<Materiau> &materiaux)
{
    TableNiveaux table;
    table.fill(-1);
    // Walk backwards so that the first record of a level is the one kept.
    for (int k = int(materiaux.size()) - 1; k >= 0; --k) {
        const int niveau = materiaux[k].niveauGris;
        if (niveau >= 0 && niveau < 256)
            table[niveau] = k;
    }
    return table;
}

QString refusMateriaux(const QList<Materiau> &materiaux)
{
    if (materiaux.isEmpty())
        return QCoreApplication::translate("phantom",
            "Aucun matériau : choisir au moins une image et un milieu par niveau de gris.");
    return refusEcriture(materiaux, Grille());
}

QString refusComptes(qint64 dimX, qint64 dimY, qint64 dimZ)
{
    if (dimX <= 0 || dimY <= 0 || dimZ <= 0)
        return QCoreApplication::translate("phantom",
            "Nombre de voxels invalide : %1 × %2 × %3 (chaque compte doit être un entier positif).")
            .arg(dimX)
            .arg(dimY)
            .arg(dimZ);
    const qint64 max = voxelsMax();
    // Divisions, not products: the product of three large counts overflows.
    if (dimX > max / dimY || dimZ > max / (dimX * dimY))
        return QCoreApplication::translate("phantom",
            "Grille trop grande : %1 × %2 × %3 voxels, soit %4 de mémoire à un octet par voxel ; cette "
            "machine en permet au plus %5.")
            .arg(dimX)
            .arg(dimY)
            .arg(dimZ)
            .arg(enGo(double(dimX) * double(dimY) * double(dimZ)), enGo(double(max)));
    return QString();
}

bool initialiserGrille(Grille &grille, int dimX, int dimY, int dimZ, QString *erreur)
{
    QString refus = refusComptes(dimX, dimY, dimZ);
    if (refus.isEmpty()) {
        try {
            const size_t n = size_t(qint64(dimX) * dimY * dimZ);
            grille.voxels.clear();
            grille.densites = DensitesVoxels();
            grille.voxels.reserve(n);
            demanderGrandesPages(grille.voxels.data(), n);
            grille.voxels.assign(n, 0);
            grille.dimX = dimX;
            grille.dimY = dimY;
            grille.dimZ = dimZ;
        } catch (const std::bad_alloc &) {
            grille = Grille();
            refus = QCoreApplication::translate("phantom", "Mémoire insuffisante pour %1 × %2 × %3 voxels (%4).")
                        .arg(dimX)
                        .arg(dimY)
                        .arg(dimZ)
                        .arg(enGo(double(dimX) * double(dimY) * double(dimZ)));
        }
    }
    if (!refus.isEmpty() && erreur)
        *erreur = refus;
    return refus.isEmpty();
}

void extruderPlan(Grille &grille, PlanImage plan, const QImage &image, const TableNiveaux &table)
{
    const PlanGris gris(image);
    const qint64 tailleTranche = qint64(grille.dimX) * grille.dimY;
    switch (plan) {
    case PlanImage::XY:
        // Build slice 0 from the image, then repeat it along z.
        for (int y = 0; y < grille.dimY; ++y)
            ligneVoxels(grille.ligne(0, y), grille.dimX, gris, y, table);
        for (int z = 1; z < grille.dimZ; ++z)
            std::memcpy(grille.ligne(z, 0), grille.ligne(0, 0), size_t(tailleTranche));
        break;
    case PlanImage::XZ:
        // Image row z gives every row of slice z.
        for (int z = 0; z < grille.dimZ; ++z) {
            ligneVoxels(grille.ligne(z, 0), grille.dimX, gris, z, table);
            for (int y = 1; y < grille.dimY; ++y)
                std::memcpy(grille.ligne(z, y), grille.ligne(z, 0), size_t(grille.dimX));
        }
        break;
    case PlanImage::YZ:
        // Pixel (y, z) gives the whole row y of slice z.
        for (int z = 0; z < grille.dimZ; ++z)
            for (int y = 0; y < grille.dimY; ++y)
                std::memset(grille.ligne(z, y), voxelPour(table, gris.niveau(y, z)), size_t(grille.dimX));
        break;
    }
}

void intersecterPlans(Grille &grille, const QImage &imageXY, const QImage &imageA, const QImage &imageB,
                      const TableNiveaux &table)
{
    const PlanGris xy(imageXY), a(imageA), b(imageB);
    for (int z = 0; z < grille.dimZ; ++z) {
        const quint8 *ligneA = a.ligne(z);
        for (int y = 0; y < grille.dimY; ++y) {
            quint8 *sortie = grille.ligne(z, y);
            const int niveauB = b.niveau(y, z);
            const quint8 *ligneXY = xy.ligne(y);
            // Only the columns that both images hold can agree.
            qint64 fin = 0;
            if (niveauB >= 0 && table[niveauB] >= 0 && ligneA && ligneXY) {
                fin = std::min({qint64(grille.dimX), a.largeur, xy.largeur});
                const quint8 niveau = quint8(niveauB), valeur = quint8(table[niveauB]);
                // Branch-free, so that the compiler can do many voxels at a time.
                for (qint64 x = 0; x < fin; ++x)
                    sortie[x] = (ligneA[x] == niveau) & (ligneXY[x] == niveau) ? valeur : 0;
            }
            std::memset(sortie + fin, 0, size_t(grille.dimX - fin));
        }
    }
}

bool construireVolume(Grille &grille, const Volume &volume, const QList<Materiau> &materiaux, QString *erreur)
{
    if (!initialiserGrille(grille, volume.comptes[0], volume.comptes[1], volume.comptes[2], erreur))
        return false;
    // Walk backwards so that the first record of a value is the one kept.
    std::vector<quint8> table(size_t(niveauMax) + 1, 0);
    for (int k = int(materiaux.size()) - 1; k >= 0; --k) {
        const int valeur = materiaux[k].niveauGris;
        if (valeur >= 0 && valeur <= niveauMax)
            table[size_t(valeur)] = quint8(k);
    }
    remplirGrilleVolume(grille, volume, table.data());
    return true;
}
