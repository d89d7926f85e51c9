#include "scanner/rampe.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

#include "media/nom.h"
#include "media/tablegris.h"
#include "model/ligne.h"
#include "model/nombre.h"
#include "io/fichierentier.h"
#include "io/textelignes.h"

namespace {

// A ramp has a few lines and their comments; anything far larger is not one,
// and a device that never ends must not hang the reader.
constexpr qint64 tailleMaxRampe = 1 << 20;

// A voxel's value is its ramp line, kept in one byte.
constexpr int paliersMax = 256;

// Shortest text that reads back as the same double.
QString texteNombre(double v)
{
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

// Reads "NAME HU_MAX DENSITY_MIN DENSITY_MAX" after the lines already read;
// an empty text when it is sound, else why not.
QString lirePalier(const QStringList &champs, const Rampe &rampe, PalierRampe &palier)
{
    if (champs.size() != 4)
        return QCoreApplication::translate(
            "scanner", "%1 champs ; une ligne de milieu s'écrit NOM HU_MAX DENSITE_MIN DENSITE_MAX")
            .arg(champs.size());
    if (const QString refus = refusNom(champs[0]); !refus.isEmpty())
        return refus;
    palier.nom = champs[0];
    double *valeurs[3] = {&palier.huMax, &palier.densiteMin, &palier.densiteMax};
    const char *quoi[3] = {"HU_MAX", "DENSITE_MIN", "DENSITE_MAX"};
    for (int i = 0; i < 3; ++i)
        if (!lireReel(champs[i + 1], *valeurs[i]))
            return QCoreApplication::translate("scanner", "%1 « %2 » n'est pas un nombre (écrit avec un point)")
                .arg(quoi[i], extrait(champs[i + 1]));
    const double bas = rampe.paliers.isEmpty() ? rampe.huMin : rampe.paliers.last().huMax;
    if (!(palier.huMax > bas))
        return rampe.paliers.isEmpty()
                   ? QCoreApplication::translate("scanner", "HU_MAX %1 ne dépasse pas la borne min %2")
                         .arg(extrait(champs[1]), texteNombre(bas))
                   : QCoreApplication::translate("scanner",
                         "HU_MAX %1 ne dépasse pas celui de la ligne précédente (%2) ; les HU_MAX doivent "
                         "croître strictement")
                         .arg(extrait(champs[1]), texteNombre(bas));
    if (!(palier.densiteMin > 0.0))
        return QCoreApplication::translate("scanner", "DENSITE_MIN %1 : une densité doit être supérieure à 0")
            .arg(extrait(champs[2]));
    if (!(palier.densiteMax >= palier.densiteMin))
        return QCoreApplication::translate("scanner", "DENSITE_MAX %1 inférieure à DENSITE_MIN %2")
            .arg(extrait(champs[3]), extrait(champs[2]));
    return QString();
}

} // namespace

bool lireRampe(QByteArrayView contenu, Rampe &rampe, QString *erreur)
{
    Rampe lue;
    int ligneMin = 0;
    QString refus = parcourirLignes(contenu, [&](int numero, const QStringList &champs) -> QString {
        if (champs[0] == "min") {
            if (ligneMin)
                return QCoreApplication::translate("scanner", "lignes %1 et %2 : deux lignes « min »")
                    .arg(ligneMin)
                    .arg(numero);
            if (!lue.paliers.isEmpty())
                return refusLigne(numero,
                    QCoreApplication::translate("scanner", "la ligne « min HU_MIN » doit précéder les milieux"));
            if (champs.size() != 2 || !lireReel(champs[1], lue.huMin))
                return refusLigne(numero, QCoreApplication::translate("scanner",
                                              "« min » attend un seul nombre, écrit avec un point : min HU_MIN"));
            ligneMin = numero;
            return QString();
        }
        if (!ligneMin)
            return refusLigne(
                numero, QCoreApplication::translate("scanner", "la ligne « min HU_MIN » doit précéder les milieux"));
        if (lue.paliers.size() == paliersMax)
            return refusLigne(
                numero, QCoreApplication::translate("scanner", "plus de %1 lignes de milieux").arg(paliersMax));
        PalierRampe palier;
        if (const QString refus = lirePalier(champs, lue, palier); !refus.isEmpty())
            return refusLigne(numero, refus);
        lue.paliers << palier;
        return QString();
    });
    if (refus.isEmpty() && lue.paliers.isEmpty())
        refus = ligneMin ? QCoreApplication::translate(
                               "scanner", "aucune ligne de milieu (NOM HU_MAX DENSITE_MIN DENSITE_MAX)")
                         : QCoreApplication::translate("scanner",
                               "rampe vide : une ligne « min HU_MIN » puis une ligne par milieu sont attendues");
    if (!refus.isEmpty()) {
        if (erreur)
            *erreur = refus;
        return false;
    }
    rampe = lue;
    return true;
}

bool rampeDuTableau(const QString &huMin, const QList<QStringList> &lignes, Rampe &rampe, QString *erreur)
{
    auto refuser = [erreur](const QString &message) {
        if (erreur)
            *erreur = QCoreApplication::translate("scanner", "Rampe, %1").arg(message);
        return false;
    };
    Rampe lue;
    if (!lireReelVirgule(huMin, lue.huMin))
        return refuser(
            QCoreApplication::translate("scanner", "borne min « %1 » : un nombre est attendu").arg(extrait(huMin)));
    if (lignes.isEmpty())
        return refuser(QCoreApplication::translate(
            "scanner", "aucune ligne : une ligne par milieu (Nom, HU max, Densité min, Densité max)"));
    if (lignes.size() > paliersMax)
        return refuser(
            QCoreApplication::translate("scanner", "%1 lignes, au plus %2").arg(lignes.size()).arg(paliersMax));
    for (int i = 0; i < lignes.size(); ++i) {
        // A decimal comma, as a French user types it, reads as in the window's other number fields.
        QStringList champs;
        for (int c = 0; c < lignes[i].size(); ++c) {
            double v = 0.0;
            champs << (c > 0 && lireReelVirgule(lignes[i][c], v) ? texteNombre(v) : lignes[i][c].trimmed());
        }
        PalierRampe palier;
        static const QRegularExpression blanc("[ \\t#]");
        const QString refus = champs[0].isEmpty()         ? QCoreApplication::translate("scanner", "nom de milieu vide")
                              : champs[0].contains(blanc) ? QCoreApplication::translate("scanner",
                                                                "nom « %1 » : un seul mot, sans « # », est attendu")
                                                                .arg(extrait(champs[0]))
                                                          : lirePalier(champs, lue, palier);
        if (!refus.isEmpty())
            return refuser(QCoreApplication::translate("scanner", "ligne %1 du tableau : %2").arg(i + 1).arg(refus));
        lue.paliers << palier;
    }
    rampe = lue;
    return true;
}

bool chargerRampe(const QString &chemin, Rampe &rampe, QString *erreur)
{
    QByteArray contenu;
    QString raison =
        lireTexteCourt(chemin, tailleMaxRampe, QCoreApplication::translate("scanner", "une rampe"), contenu);
    if (raison.isEmpty() && lireRampe(contenu, rampe, &raison))
        return true;
    if (erreur)
        *erreur = QCoreApplication::translate("scanner", "Rampe « %1 » : %2").arg(extrait(chemin), raison);
    return false;
}

bool rampeParDefaut(const QList<Milieu> &catalogue, Rampe &rampe, QString *erreur)
{
    struct Defaut
    {
        const char *mot;
        double huMax, densiteMin, densiteMax;
    };
    static const Defaut defauts[] = {{"AIR", -950, 0.001, 0.044},
                                     {"LUNG", -700, 0.044, 0.302},
                                     {"ICRUTISSUE", 125, 0.302, 1.101},
                                     {"ICRPBONE", 2000, 1.101, 2.088}};
    if (catalogue.isEmpty()) {
        if (erreur)
            *erreur = QCoreApplication::translate("scanner",
                "La rampe par défaut nomme ses milieux d'après un catalogue : donner le fichier PEGS4, "
                "ou une rampe");
        return false;
    }
    Rampe faite;
    faite.huMin = -1024;
    for (const Defaut &d : defauts) {
        const auto milieu = std::find_if(catalogue.begin(), catalogue.end(), [&d](const Milieu &m) {
            return m.nom.trimmed().startsWith(QLatin1String(d.mot));
        });
        if (milieu == catalogue.end()) {
            if (erreur)
                *erreur = QCoreApplication::translate("scanner",
                    "Rampe par défaut : aucun milieu du catalogue ne commence par « %1 » ; "
                    "donner une rampe")
                              .arg(d.mot);
            return false;
        }
        faite.paliers << PalierRampe{milieu->nom.trimmed(), d.huMax, d.densiteMin, d.densiteMax};
    }
    rampe = faite;
    return true;
}

QByteArray texteRampe(const Rampe &rampe)
{
    int largeur = 4;
    for (const PalierRampe &p : rampe.paliers)
        largeur = std::max(largeur, int(p.nom.size()));
    QString t = "# Rampe de calibration : le milieu et la densité de chaque voxel selon son nombre CT (HU).\n"
                "# « min HU_MIN » donne la borne basse du premier milieu ; puis une ligne par milieu,\n"
                "# HU_MAX croissants : NOM HU_MAX DENSITE_MIN DENSITE_MAX (g/cm3, nombres avec un point).\n"
                "# Un voxel prend le premier milieu dont HU_MAX est au moins sa valeur (le dernier prend\n"
                "# tout ce qui dépasse) ; sa densité va de DENSITE_MIN à DENSITE_MAX entre les deux bornes.\n";
    t += "min " + texteNombre(rampe.huMin) + '\n';
    for (const PalierRampe &p : rampe.paliers)
        t += QString("%1 %2 %3 %4\n")
                 .arg(p.nom, -largeur)
                 .arg(texteNombre(p.huMax), 7)
                 .arg(texteNombre(p.densiteMin), 9)
                 .arg(texteNombre(p.densiteMax), 9);
    return t.toUtf8();
}

bool enregistrerRampe(const QString &chemin, const Rampe &rampe, QString *erreur)
{
    const QByteArray texte = texteRampe(rampe);
    QString raison;
    if (ecrireFichierEntier(chemin, [&texte](QIODevice &sortie) { return sortie.write(texte) == texte.size(); },
                            &raison))
        return true;
    if (erreur)
        *erreur = QCoreApplication::translate("scanner", "Rampe « %1 » non écrite : %2").arg(extrait(chemin), raison);
    return false;
}

QList<Materiau> materiauxRampe(const Rampe &rampe, const QList<Milieu> &catalogue)
{
    QList<Materiau> materiaux;
    for (int i = 0; i < rampe.paliers.size(); ++i) {
        const PalierRampe &p = rampe.paliers[i];
        const Milieu *milieu = trouverMilieu(catalogue, p.nom);
        QString nom = milieu ? milieu->nom : p.nom;
        double densite = p.densiteMin;
        // Every line of one name carries its first line's record: one medium, one header density.
        for (const Materiau &avant : materiaux)
            if (avant.nom.trimmed() == nom.trimmed()) {
                nom = avant.nom;
                densite = avant.densite;
                break;
            }
        materiaux << Materiau(i, nom, densite);
    }
    return materiaux;
}

PointRampe appliquerRampe(const Rampe &rampe, double h)
{
    const QList<PalierRampe> &paliers = rampe.paliers;
    int i = 0;
    while (i + 1 < paliers.size() && !(h <= paliers[i].huMax))
        ++i;
    const PalierRampe &p = paliers[i];
    const double bas = i == 0 ? rampe.huMin : paliers[i - 1].huMax;
    const double t = std::clamp((h - bas) / (p.huMax - bas), 0.0, 1.0);
    return {i, p.densiteMin + (p.densiteMax - p.densiteMin) * t};
}
