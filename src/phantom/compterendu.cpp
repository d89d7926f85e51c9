#include "phantom/compterendu.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <array>
#include <functional>

#include "media/materiaux.h"
#include "egsphant/egsphant.h"
#include "model/ligne.h"
#include "streams/gzip.h"

namespace {

// A stock DOSXYZnrc: $MXMED media, $IMAX/$JMAX/$KMAX voxels per axis, names read as A24.
constexpr int milieuxDosxyz = 20;
constexpr int voxelsDosxyz = 128;
constexpr int longueurNomDosxyz = 24;
// Older egs++ egsphant readers fail on map rows longer than this.
constexpr int ligneEgsxx = 1023;

QString droite(const QString &texte)
{
    qsizetype n = texte.size();
    while (n > 0 && texte[n - 1].isSpace())
        --n;
    return texte.left(n);
}

QStringList notesNom(const QString &nom)
{
    QStringList notes;
    const QString utile = droite(nom);
    if (!utile.isEmpty() && utile[0].isSpace())
        notes << QCoreApplication::translate("phantom",
            "Attention : le milieu « %1 » commence par un blanc ; egs++ et egs_brachy lisent les "
            "noms comme des mots et le perdent (ôter le blanc, ici et dans le fichier PEGS4)").arg(extrait(utile));
    else if (utile.contains(' ') || utile.contains('\t'))
        notes << QCoreApplication::translate("phantom",
            "Attention : le milieu « %1 » contient un blanc ; egs++ et egs_brachy lisent les noms "
            "comme des mots (renommer le milieu sans blanc, ici et dans le fichier PEGS4)").arg(extrait(utile));
    if (utile.size() > longueurNomDosxyz)
        notes << QCoreApplication::translate("phantom",
            "Attention : le milieu « %1 » compte %2 caractères ; DOSXYZnrc n'en lit que %3 "
            "(choisir un nom plus court, ici et dans le fichier PEGS4)")
                     .arg(extrait(utile))
                     .arg(utile.size())
                     .arg(longueurNomDosxyz);
    return notes;
}

bool dansCatalogue(const QString &nom, const QList<Milieu> &catalogue)
{
    for (const Milieu &milieu : catalogue)
        if (milieu.nom.trimmed() == nom.trimmed())
            return true;
    return false;
}

// The items joined by ", ", as many as fit in 80 characters, "…" standing for the rest.
QString listeCoupee(const QStringList &elements)
{
    constexpr int longueur = 80;
    QString liste;
    for (const QString &element : elements) {
        const QString suite = liste.isEmpty() ? element : liste + ", " + element;
        if (suite.size() > longueur)
            return liste.isEmpty() ? element.left(longueur - 1) + "…" : liste + ", …";
        liste = suite;
    }
    return liste;
}

} // namespace

QString resumeEcriture(const QString &nomFich, const QList<Materiau> &materiaux, int dimX, int dimY, int dimZ)
{
    const int n = nombreMilieux(materiaux);
    return QCoreApplication::translate("phantom", "Fantôme écrit dans « %1 » : %2 %3, %4 × %5 × %6 voxels")
        .arg(extrait(QFileInfo(nomFich).absoluteFilePath()))
        .arg(n)
        .arg(n == 1 ? QCoreApplication::translate("phantom", "milieu") : QCoreApplication::translate("phantom",
            "milieux"))
        .arg(dimX)
        .arg(dimY)
        .arg(dimZ);
}

QString resumeEcritureTaille(const QString &nomFich, const QList<Materiau> &materiaux, int dimX, int dimY, int dimZ)
{
    return resumeEcriture(nomFich, materiaux, dimX, dimY, dimZ) + ", "
           + QLocale(QLocale::French).formattedDataSize(QFileInfo(nomFich).size(), 1, QLocale::DataSizeSIFormat);
}

QStringList notesLecteurs(const QString &nomFich, const QList<Materiau> &materiaux, int dimX, int dimY, int dimZ,
                          const QList<Milieu> &catalogue)
{
    QStringList notes;
    if (nomCompresse(nomFich))
        notes << QCoreApplication::translate("phantom",
            "Attention : fichier compressé ; DOSXYZnrc ne lit que les fichiers non compressés, et egs++ "
            "ne lit un .gz que s'il a été compilé avec gzip, ce qu'une installation standard n'a pas "
            "(le décompresser avec gunzip)");
    if (const int n = nombreMilieux(materiaux); n > milieuxDosxyz)
        notes << QCoreApplication::translate("phantom",
            "Attention : %1 milieux ; DOSXYZnrc n'en accepte que %2 sans recompilation ($MXMED)")
                     .arg(n)
                     .arg(milieuxDosxyz);
    const int dims[3] = {dimX, dimY, dimZ};
    const char *axes[3] = {"X", "Y", "Z"};
    const char *macros[3] = {"$IMAX", "$JMAX", "$KMAX"};
    for (int a = 0; a < 3; ++a)
        if (dims[a] > voxelsDosxyz)
            notes << QCoreApplication::translate("phantom",
                "Attention : %1 voxels en %2 ; DOSXYZnrc n'en accepte que %3 sans recompilation (%4)")
                         .arg(dims[a])
                         .arg(axes[a])
                         .arg(voxelsDosxyz)
                         .arg(macros[a]);
    if (dimX > ligneEgsxx)
        notes << QCoreApplication::translate("phantom",
            "Attention : lignes de %1 voxels en X ; les anciens lecteurs egs++ n'en lisent que %2 "
            "par ligne (employer un EGSnrc récent, ou au plus %2 voxels en X)")
                     .arg(dimX)
                     .arg(ligneEgsxx);
    const std::vector<int> numeros = numerosMilieux(materiaux);
    int vus = 0;
    for (size_t k = 0; k < numeros.size(); ++k)
        if (numeros[k] > vus) {
            ++vus;
            notes << notesNom(materiaux[qsizetype(k)].nom);
            if (!catalogue.isEmpty() && !dansCatalogue(materiaux[qsizetype(k)].nom, catalogue))
                notes << QCoreApplication::translate("phantom",
                    "Attention : le milieu « %1 » n'est pas dans le fichier PEGS4 chargé ; DOSXYZnrc "
                    "s'arrêtera sur ce nom sans calculer de dose (HATCH : NAMES WERE NOT RECOGNIZED) "
                    "(choisir un milieu du fichier, ou l'y ajouter)")
                             .arg(extrait(materiaux[qsizetype(k)].nom.trimmed()));
        }
    return notes;
}

QString noteMilieuParDefaut(const QList<Materiau> &materiaux, const QSet<int> &choisis,
                            const QList<Milieu> &catalogue)
{
    if (catalogue.isEmpty())
        return QString();
    const QString defaut = catalogue.first().nom.trimmed();
    QList<int> parDefaut;
    for (const Materiau &m : materiaux)
        if (!choisis.contains(m.niveauGris) && m.nom.trimmed() == defaut)
            parDefaut << m.niveauGris;
    if (parDefaut.isEmpty())
        return QString();
    // In the table's order, the lightest first, wherever the background record went.
    std::sort(parDefaut.begin(), parDefaut.end(), std::greater<int>());
    QStringList niveaux;
    for (int niveau : parDefaut)
        niveaux << QString::number(niveau);
    if (niveaux.size() > 1)
        return QCoreApplication::translate("phantom",
            "Attention : %1 niveaux de gris laissés sans choix au premier milieu du catalogue, %2 : %3")
            .arg(niveaux.size())
            .arg(extrait(defaut), listeCoupee(niveaux));
    return QCoreApplication::translate("phantom",
        "Attention : le niveau de gris laissé sans choix au premier milieu du catalogue, %1 : %2")
        .arg(extrait(defaut), listeCoupee(niveaux));
}

QString noteMilieuxVides(const QList<Materiau> &materiaux, const Grille &grille)
{
    const std::array<qint64, 256> comptes = comptesVoxels(grille, int(materiaux.size()));
    const std::vector<int> numeros = numerosMilieux(materiaux);
    std::vector<qint64> parMilieu(size_t(nombreMilieux(materiaux)) + 1, 0);
    for (size_t k = 0; k < numeros.size() && k < 256; ++k)
        parMilieu[size_t(numeros[k])] += comptes[k];
    QStringList vides;
    std::vector<bool> nomme(parMilieu.size(), false);
    for (size_t k = 0; k < numeros.size(); ++k) {
        const size_t m = size_t(numeros[k]);
        if (parMilieu[m] == 0 && !nomme[m]) {
            nomme[m] = true;
            vides << extrait(materiaux[qsizetype(k)].nom.trimmed());
        }
    }
    if (vides.isEmpty())
        return QString();
    return (vides.size() > 1 ? QCoreApplication::translate("phantom",
        "Attention : milieux sans aucun voxel dans le fichier : %1")
                             : QCoreApplication::translate("phantom",
                                 "Attention : milieu sans aucun voxel dans le fichier : %1"))
        .arg(listeCoupee(vides));
}

QStringList notesChoix(const QList<Materiau> &materiaux, const QSet<int> &choisis, const QList<Milieu> &catalogue,
                       const Grille &grille)
{
    QStringList notes{noteMilieuParDefaut(materiaux, choisis, catalogue), noteMilieuxVides(materiaux, grille)};
    notes.removeAll(QString());
    return notes;
}
