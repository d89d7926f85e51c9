#include "volume/volume.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <vector>
#include <unistd.h>

#include "model/ligne.h"
#include "model/niveaugris.h"
#include "model/partage.h"
#include "model/suite.h"
#include "volume/lecteurs.h"

namespace {

// A phantom's media list has one record per value, and a voxel of the grid
// one byte for its record.
constexpr int valeursMax = 256;

int tailleVoxel(TypeVoxel type)
{
    switch (type) {
    case TypeVoxel::U8: case TypeVoxel::I8: return 1;
    case TypeVoxel::U16: case TypeVoxel::I16: return 2;
    case TypeVoxel::U32: case TypeVoxel::I32: case TypeVoxel::F32: return 4;
    case TypeVoxel::F64: return 8;
    }
    return 1;
}

// Calls f with the voxels as an array of their own type.
template <typename F>
void selonType(const Volume &volume, F &&f)
{
    const char *d = volume.donnees.get();
    switch (volume.type) {
    case TypeVoxel::U8: f(reinterpret_cast<const quint8 *>(d)); break;
    case TypeVoxel::I8: f(reinterpret_cast<const qint8 *>(d)); break;
    case TypeVoxel::U16: f(reinterpret_cast<const quint16 *>(d)); break;
    case TypeVoxel::I16: f(reinterpret_cast<const qint16 *>(d)); break;
    case TypeVoxel::U32: f(reinterpret_cast<const quint32 *>(d)); break;
    case TypeVoxel::I32: f(reinterpret_cast<const qint32 *>(d)); break;
    case TypeVoxel::F32: f(reinterpret_cast<const float *>(d)); break;
    case TypeVoxel::F64: f(reinterpret_cast<const double *>(d)); break;
    }
}

// Where the file's voxel at this index lies, in the file's own order.
QString positionFichier(const Volume &volume, qint64 index)
{
    const qint64 ligne = volume.comptesFichier[0], coupe = ligne * volume.comptesFichier[1];
    return QString("(%1, %2, %3)").arg(index % ligne).arg(index % coupe / ligne).arg(index / coupe);
}

// Marks each value met in vus (65536 entries). The first value that is not
// a whole number from 0 to niveauMax stops the walk and is returned as text;
// a NaN or an infinity with its position in the file (index of the first voxel debut).
template <typename T>
QString marquerValeurs(const T *voxels, qint64 n, std::vector<quint8> &vus, const Volume &volume, qint64 debut)
{
    for (qint64 i = 0, fin = 0; i < n; i = fin) {
        fin = i + longueurSuite(voxels + i, n - i);
        const T v = voxels[i];
        if constexpr (std::is_floating_point_v<T>) {
            if (!std::isfinite(v))
                return QCoreApplication::translate("volume", "%1 au voxel %2 du fichier")
                    .arg(double(v))
                    .arg(positionFichier(volume, debut + i));
            if (!(v >= 0 && v <= niveauMax && v == std::floor(v)))
                return QString::number(double(v), 'g', 10);
        } else if constexpr (std::is_signed_v<T> || sizeof(T) > 2) {
            if (qint64(v) < 0 || qint64(v) > niveauMax)
                return QString::number(qint64(v));
        }
        vus[size_t(v)] = 1;
    }
    return QString();
}

// The distinct values, highest first; the reason when they cannot be labels.
QString lireValeurs(Volume &volume)
{
    const qint64 n = volume.nombreVoxels();
    const int pieces = nombrePieces(n);
    std::vector<std::vector<quint8>> vus(size_t(pieces), std::vector<quint8>(size_t(niveauMax) + 1, 0));
    std::vector<QString> horsBornes(static_cast<size_t>(pieces));
    selonType(volume, [&](const auto *voxels) {
        enPieces(n, pieces, [&](qint64 debut, qint64 fin, int p) {
            horsBornes[size_t(p)] = marquerValeurs(voxels + debut, fin - debut, vus[size_t(p)], volume, debut);
        });
    });
    // The first piece's first value out of bounds is the volume's first.
    for (const QString &valeur : horsBornes)
        if (!valeur.isEmpty())
            return QCoreApplication::translate("volume", "valeur %1 : une étiquette est un nombre entier de 0 à %2")
                .arg(valeur)
                .arg(niveauMax);
    volume.valeurs.clear();
    for (int v = niveauMax; v >= 0; --v)
        if (std::any_of(vus.begin(), vus.end(), [v](const std::vector<quint8> &piece) { return piece[size_t(v)]; }))
            volume.valeurs.append(v);
    if (volume.valeurs.size() > valeursMax)
        return QCoreApplication::translate(
            "volume", "%1 valeurs distinctes, au plus %2 (une ligne de la table chacune)")
            .arg(volume.valeurs.size())
            .arg(valeursMax);
    return QString();
}

template <typename T>
void remplir(quint8 *grille, const Volume &volume, const T *voxels, const quint8 *table)
{
    // The grid's step along each of the phantom's axes, then along each of the file's.
    const qint64 pasGrille[3] = {1, volume.comptes[0], qint64(volume.comptes[0]) * volume.comptes[1]};
    const int *n = volume.comptesFichier;
    qint64 pas[3], depart = 0;
    for (int a = 0; a < 3; ++a) {
        pas[a] = volume.inverse[a] ? -pasGrille[volume.axe[a]] : pasGrille[volume.axe[a]];
        if (volume.inverse[a])
            depart += (n[a] - 1) * pasGrille[volume.axe[a]];
    }
    // Each piece fills its own rows of the file.
    const qint64 lignes = qint64(n[1]) * n[2];
    enPieces(lignes, nombrePieces(lignes * n[0]), [&](qint64 premiere, qint64 derniere, int) {
        for (qint64 r = premiere; r < derniere; ++r) {
            const qint64 k = r / n[1], j = r % n[1];
            const T *ligne = voxels + r * n[0];
            quint8 *sortie = grille + depart + j * pas[1] + k * pas[2];
            for (qint64 i = 0, fin = 0; i < n[0]; i = fin) {
                fin = i + longueurSuite(ligne + i, n[0] - i);
                const quint8 record = table[quint16(ligne[i])];
                if (pas[0] == 1)
                    std::memset(sortie + i, record, size_t(fin - i));
                else
                    for (qint64 x = i; x < fin; ++x)
                        sortie[x * pas[0]] = record;
            }
        }
    });
}

} // namespace

qint64 Volume::octets() const
{
    return nombreVoxels() * tailleVoxel(type);
}

bool placePourVolume(qint64 voxels, int octetsParVoxel, QString *raison)
{
    const qint64 pages = sysconf(_SC_PHYS_PAGES), taillePage = sysconf(_SC_PAGE_SIZE);
    const qint64 memoire = pages > 0 && taillePage > 0 ? pages * taillePage : qint64(1) << 32;
    if (voxels <= memoire / (octetsParVoxel + 1))
        return true;
    *raison = QCoreApplication::translate(
        "volume", "%1 voxels de %2 octet%3 : trop pour la mémoire de cette machine avec la grille du fantôme")
                  .arg(voxels)
                  .arg(octetsParVoxel)
                  .arg(octetsParVoxel > 1 ? "s" : "");
    return false;
}

bool chargerVolume(const QString &chemin, Volume &volume, QString *erreur)
{
    const QFileInfo info(chemin);
    const QString affiche = extrait(chemin);
    Volume lu;
    QString raison;
    if (!info.exists())
        raison = QCoreApplication::translate("volume", "Volume « %1 » introuvable").arg(affiche);
    else if (!info.isDir() && !info.isFile())
        // A pipe would block the reader, a device might never end.
        raison =
            QCoreApplication::translate("volume", "Volume « %1 » : ni un fichier ordinaire ni un dossier").arg(affiche);
    else if (info.isDir() ? lireDossierCoupes(chemin, lu, &raison) : lireFichierVolume(chemin, lu, &raison))
        if (const QString refus = lireValeurs(lu); !refus.isEmpty())
            raison = QCoreApplication::translate("volume", "Volume « %1 » : %2").arg(affiche, refus);
    if (!raison.isEmpty()) {
        if (erreur)
            *erreur = raison;
        return false;
    }
    volume = lu;
    return true;
}

void remplirGrilleVolume(Grille &grille, const Volume &volume, const quint8 *table)
{
    selonType(volume, [&](const auto *voxels) { remplir(grille.voxels.data(), volume, voxels, table); });
}

int valeurVoxel(const Volume &volume, int x, int y, int z)
{
    const int coordonnees[3] = {x, y, z};
    qint64 i[3];
    for (int a = 0; a < 3; ++a) {
        const int c = coordonnees[volume.axe[a]];
        i[a] = volume.inverse[a] ? volume.comptesFichier[a] - 1 - c : c;
    }
    const qint64 position = (i[2] * volume.comptesFichier[1] + i[1]) * volume.comptesFichier[0] + i[0];
    int valeur = 0;
    selonType(volume, [&](const auto *voxels) { valeur = int(voxels[position]); });
    return valeur;
}

QImage coupeMilieu(const Volume &volume, const QHash<int, QRgb> &couleurs)
{
    if (!volume.donnees)
        return QImage();
    QImage image(volume.comptes[0], volume.comptes[1], QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const int z = volume.comptes[2] / 2;
    for (int y = 0; y < volume.comptes[1]; ++y) {
        QRgb *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < volume.comptes[0]; ++x)
            ligne[x] = couleurs.value(valeurVoxel(volume, x, y, z), qRgb(0, 0, 0));
    }
    return image;
}
