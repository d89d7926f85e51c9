// A folder of slice pictures read as a volume: picture n is slice z = n − 1,
// its pixel (column, row) voxel (x, y), its grey level the voxel's value.
#include "volume/lecteurs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cstring>
#include <new>

#include "images/chargement.h"
#include "images/inventaire.h"
#include "model/ligne.h"
#include "volume/volume.h"

namespace {

// Natural order: runs of digits compare by their value, so "coupe2" comes
// before "coupe10"; the rest compares character by character.
bool avantNaturel(const QString &a, const QString &b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype debutA = i, debutB = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            // Leading zeros aside, a longer run is a larger number.
            QStringView chiffresA = QStringView(a).sliced(debutA, i - debutA);
            QStringView chiffresB = QStringView(b).sliced(debutB, j - debutB);
            while (chiffresA.size() > 1 && chiffresA.front() == '0')
                chiffresA = chiffresA.sliced(1);
            while (chiffresB.size() > 1 && chiffresB.front() == '0')
                chiffresB = chiffresB.sliced(1);
            if (chiffresA.size() != chiffresB.size())
                return chiffresA.size() < chiffresB.size();
            if (const int c = chiffresA.compare(chiffresB); c != 0)
                return c < 0;
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    if (a.size() - i != b.size() - j)
        return a.size() - i < b.size() - j;
    // Names equal but for leading zeros: plain order decides.
    return a < b;
}

// The folder's pictures: files whose extension is a format Qt reads.
QFileInfoList imagesDuDossier(const QString &chemin)
{
    QStringList extensions;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        extensions << "*." + QString::fromLatin1(format);
    QFileInfoList fichiers = QDir(chemin).entryInfoList(extensions, QDir::Files, QDir::NoSort);
    std::sort(fichiers.begin(), fichiers.end(),
              [](const QFileInfo &a, const QFileInfo &b) { return avantNaturel(a.fileName(), b.fileName()); });
    return fichiers;
}

} // namespace

bool lireDossierCoupes(const QString &chemin, Volume &volume, QString *erreur)
{
    const QFileInfoList fichiers = imagesDuDossier(chemin);
    if (fichiers.isEmpty()) {
        *erreur = QCoreApplication::translate("volume", "Dossier « %1 » : aucune image").arg(extrait(chemin));
        return false;
    }
    QImage image = chargerImage(fichiers[0].filePath(), erreur);
    if (image.isNull())
        return false;
    const QSize taille = image.size();
    const qint64 tailleCoupe = qint64(taille.width()) * taille.height();
    volume.comptes[0] = volume.comptesFichier[0] = taille.width();
    volume.comptes[1] = volume.comptesFichier[1] = taille.height();
    volume.comptes[2] = volume.comptesFichier[2] = int(fichiers.size());
    volume.type = TypeVoxel::U8;
    if (!placePourVolume(volume.nombreVoxels(), 1, erreur))
        return false;
    volume.donnees.reset(new (std::nothrow) char[size_t(volume.octets())]);
    if (!volume.donnees) {
        *erreur = QCoreApplication::translate("volume", "Dossier « %1 » : mémoire insuffisante pour ses images")
                      .arg(extrait(chemin));
        return false;
    }
    for (qsizetype z = 0; z < fichiers.size(); ++z) {
        if (z > 0)
            image = chargerImage(fichiers[z].filePath(), erreur);
        if (image.isNull())
            return false;
        if (image.size() != taille) {
            *erreur =
                QCoreApplication::translate("volume", "Image « %1 » : %2 × %3 pixels, alors que « %4 » en a %5 × %6")
                    .arg(extrait(fichiers[z].fileName()))
                    .arg(image.width())
                    .arg(image.height())
                    .arg(extrait(fichiers[0].fileName()))
                    .arg(taille.width())
                    .arg(taille.height());
            return false;
        }
        const QVector<quint8> gris = planGris(image);
        std::memcpy(volume.donnees.get() + z * tailleCoupe, gris.constData(), size_t(tailleCoupe));
    }
    return true;
}
