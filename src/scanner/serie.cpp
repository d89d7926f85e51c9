// The one file of the scanner library that knows ITK and GDCM: the series
// of a folder, their slices' headers, and the voxels read a few slices at a
// time into the phantom's frame.
#include "scanner/serie.h"

#include <gdcmTrace.h>
#include <itkGDCMImageIO.h>
#include <itkImage.h>
#include <itkImageFileReader.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <new>

#include "model/ligne.h"
#include "scanner/entetedicom.h"
#include "scanner/redressement.h"
#include "scanner/volumect.h"
#include "volume/axes.h"
#include "volume/lecteurs.h"

namespace {

constexpr quint32 tagTypeImage = etiquette(0x0008, 0x0008), tagClasse = etiquette(0x0008, 0x0016),
                  tagModalite = etiquette(0x0008, 0x0060), tagDescription = etiquette(0x0008, 0x103e),
                  tagReferentiel = etiquette(0x0020, 0x0052),
                  tagInclinaison = etiquette(0x0018, 0x1120), tagUidSerie = etiquette(0x0020, 0x000e),
                  tagNumeroSerie = etiquette(0x0020, 0x0011),
                  tagPosition = etiquette(0x0020, 0x0032), tagOrientation = etiquette(0x0020, 0x0037),
                  tagEchantillons = etiquette(0x0028, 0x0002), tagTrames = etiquette(0x0028, 0x0008),
                  tagRangees = etiquette(0x0028, 0x0010), tagColonnes = etiquette(0x0028, 0x0011),
                  tagEspacement = etiquette(0x0028, 0x0030), tagBits = etiquette(0x0028, 0x0100),
                  tagPixels = etiquette(0x7fe0, 0x0010);

// CT Image Storage and Enhanced CT Image Storage: the only images that are CT slices.
const char *const classesCT[] = {"1.2.840.10008.5.1.4.1.1.2", "1.2.840.10008.5.1.4.1.1.2.1"};

// ITK and GDCM write on stderr of what they read (uneven slices spread
// evenly, a missing tag); a refusal is one French line, so they are silenced.
void silencer()
{
    static const bool fait = [] {
        itk::Object::GlobalWarningDisplayOff();
        gdcm::Trace::WarningOff();
        gdcm::Trace::DebugOff();
        gdcm::Trace::ErrorOff();
        return true;
    }();
    (void)fait;
}

// n numbers separated by backslashes, as DICOM writes vectors; NaN and
// infinities are read as such, for the geometry's checks to name them.
bool nombres(const QString &texte, int n, double *valeurs)
{
    const QStringList parties = texte.split('\\');
    if (parties.size() != n)
        return false;
    for (int i = 0; i < n; ++i) {
        bool ok = false;
        valeurs[i] = parties[i].trimmed().toDouble(&ok);
        if (!ok)
            return false;
    }
    return true;
}

// One DICOM file of the folder, its header walked.
struct FichierDicom
{
    QString chemin, affiche; // affiche: relative to the folder, for the messages
    EnteteDicom entete;
};

// A scout, a secondary capture, a dose report: an image that is not a CT slice.
bool coupeCT(const EnteteDicom &e)
{
    const QString classe = e.texte(tagClasse);
    const bool classeCT = classe.isEmpty() || classe == classesCT[0] || classe == classesCT[1];
    return e.texte(tagModalite) == "CT" && classeCT && !e.texte(tagTypeImage).split('\\').contains("LOCALIZER");
}

bool reperage(const EnteteDicom &e)
{
    return e.texte(tagTypeImage).split('\\').contains("LOCALIZER");
}

struct SerieTrouvee
{
    SerieCT serie;
    std::vector<FichierDicom> fichiers;
};

void decrire(SerieTrouvee &serie);

// The default series first: the most slices, then the lowest SeriesNumber,
// compared as a number (a series without one last).
bool avant(const SerieTrouvee &a, const SerieTrouvee &b)
{
    if (a.serie.coupes != b.serie.coupes)
        return a.serie.coupes > b.serie.coupes;
    bool okA = false, okB = false;
    const double na = a.serie.numero.toDouble(&okA), nb = b.serie.numero.toDouble(&okB);
    if (okA != okB)
        return okA;
    return okA && na < nb;
}

// The CT series of the folder, the most slices first. Files that are not
// DICOM are passed over; a DICOM file whose structure does not hold is
// refused, since it may be a slice of the series.
bool trouverSeries(const QString &dossier, std::vector<SerieTrouvee> &series, QString *raison)
{
    silencer();
    if (const QFileInfo lieu(dossier); !lieu.isDir()) {
        *raison = lieu.exists()
                      ? QCoreApplication::translate("scanner", "un fichier, pas un dossier : donner le dossier de la série")
                      : QCoreApplication::translate("scanner", "dossier introuvable");
        return false;
    }
    const QDir racine(dossier);
    // Sorted, so that the series and their order do not depend on how the file system lists them.
    QStringList chemins;
    QDirIterator parcours(dossier, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (parcours.hasNext())
        chemins << parcours.next();
    chemins.sort();
    std::vector<SerieTrouvee> toutes;
    int ecartees = 0, reperages = 0;
    for (const QString &chemin : chemins) {
        FichierDicom f;
        f.chemin = chemin;
        f.affiche = extrait(racine.relativeFilePath(f.chemin));
        QString pourquoi;
        const LectureDicom lecture = lireEnteteDicom(f.chemin, f.entete, &pourquoi);
        if (lecture == LectureDicom::PasDicom)
            continue;
        if (lecture == LectureDicom::Abimee) {
            *raison =
                QCoreApplication::translate("scanner", "fichier DICOM abîmé « %1 » : %2").arg(f.affiche, pourquoi);
            return false;
        }
        if (f.entete.octetsPixels < 0 && !f.entete.encapsule)
            continue; // no image: a structure set, a dose report's text
        if (!coupeCT(f.entete)) {
            ++ecartees;
            reperages += reperage(f.entete);
            continue;
        }
        const QString uid = f.entete.texte(tagUidSerie);
        auto serie = std::find_if(toutes.begin(), toutes.end(), [&uid](const SerieTrouvee &s) { return s.serie.uid == uid; });
        if (serie == toutes.end()) {
            toutes.push_back(SerieTrouvee());
            serie = toutes.end() - 1;
            serie->serie.uid = uid;
            serie->serie.numero = f.entete.texte(tagNumeroSerie);
            serie->serie.description = f.entete.texte(tagDescription);
            serie->serie.referentiel = f.entete.texte(tagReferentiel);
        }
        serie->fichiers.push_back(std::move(f));
    }
    for (SerieTrouvee &s : toutes) {
        s.serie.coupes = int(s.fichiers.size());
        s.serie.ecartees = ecartees;
        decrire(s);
        series.push_back(std::move(s));
    }
    std::stable_sort(series.begin(), series.end(), avant);
    if (series.empty()) {
        *raison = reperages > 0
                      ? QCoreApplication::translate("scanner", "image de repérage, pas une série de coupes")
                      : QCoreApplication::translate("scanner", "aucune série CT (fichiers DICOM de modalité CT)");
        return false;
    }
    return true;
}

// A slice's header as the checks need it.
struct Coupe
{
    std::string fichier;
    QString affiche, taille, orientation, espacement;
    int colonnes = 0, rangees = 0;
    double inclinaison = 0.0;
    double position[3] = {0, 0, 0};
    double hauteur = 0.0; // along the slice normal
};

double scalaire(const double a[3], const double b[3])
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// Why the file's pixels cannot be one slice of Rows × Columns, or an empty
// text: checked before anything is allocated, so that a header's claim
// never sizes memory, and a short pixel data is never padded.
QString verifierPixels(const EnteteDicom &e)
{
    const int rangees = e.entier(tagRangees), colonnes = e.entier(tagColonnes), bits = e.entier(tagBits);
    const int echantillons = e.valeurs.contains(tagEchantillons) ? e.entier(tagEchantillons) : 1;
    if (rangees < 1)
        return QCoreApplication::translate("scanner", "%1 absent ou nul").arg(nomEtiquette(tagRangees));
    if (colonnes < 1)
        return QCoreApplication::translate("scanner", "%1 absent ou nul").arg(nomEtiquette(tagColonnes));
    if (bits != 8 && bits != 16 && bits != 32)
        return QCoreApplication::translate("scanner", "%1 de %2 : 8, 16 ou 32 attendu")
            .arg(nomEtiquette(tagBits))
            .arg(bits);
    if (echantillons != 1)
        return QCoreApplication::translate("scanner", "%1 de %2 : une seule valeur par pixel attendue")
            .arg(nomEtiquette(tagEchantillons))
            .arg(echantillons);
    qint64 trames = 1;
    if (e.valeurs.contains(tagTrames)) {
        bool ok = false;
        trames = e.texte(tagTrames).toLongLong(&ok);
        if (!ok || trames < 1)
            return QCoreApplication::translate("scanner", "%1 « %2 » illisible")
                .arg(nomEtiquette(tagTrames), extrait(e.texte(tagTrames)));
    }
    const qint64 attendus = qint64(rangees) * colonnes * (bits / 8);
    if (!e.encapsule && e.octetsPixels / trames < attendus)
        return QCoreApplication::translate("scanner",
            "%1 de %2 octets, moins que Rows × Columns × BitsAllocated/8 × NumberOfFrames (%3 × %4 × %5 × %6)")
            .arg(nomEtiquette(tagPixels))
            .arg(e.octetsPixels)
            .arg(rangees)
            .arg(colonnes)
            .arg(bits / 8)
            .arg(trames);
    if (trames > 1)
        return QCoreApplication::translate("scanner", "%1 de %2 : une coupe par fichier attendue")
            .arg(nomEtiquette(tagTrames))
            .arg(trames);
    return QString();
}

// The slices' headers, in order of position along the first one's normal.
QString lireCoupes(const std::vector<FichierDicom> &fichiers, std::vector<Coupe> &coupes, double normale[3])
{
    double cosinus[6];
    const EnteteDicom &premiere = fichiers.front().entete;
    if (!nombres(premiere.texte(tagOrientation), 6, cosinus) ||
        !std::all_of(cosinus, cosinus + 6, [](double c) { return std::abs(c) <= 1.0 + 1e-6; }))
        return QCoreApplication::translate("scanner", "« %1 » : %2 illisible")
            .arg(fichiers.front().affiche, nomEtiquette(tagOrientation));
    normale[0] = cosinus[1] * cosinus[5] - cosinus[2] * cosinus[4];
    normale[1] = cosinus[2] * cosinus[3] - cosinus[0] * cosinus[5];
    normale[2] = cosinus[0] * cosinus[4] - cosinus[1] * cosinus[3];
    for (const FichierDicom &f : fichiers) {
        if (const QString refus = verifierPixels(f.entete); !refus.isEmpty())
            return QString("« %1 » : %2").arg(f.affiche, refus);
        Coupe coupe;
        coupe.fichier = QFile::encodeName(f.chemin).toStdString();
        coupe.affiche = f.affiche;
        coupe.taille = QString("%1 × %2").arg(f.entete.entier(tagColonnes)).arg(f.entete.entier(tagRangees));
        coupe.orientation = f.entete.texte(tagOrientation);
        coupe.espacement = f.entete.texte(tagEspacement);
        coupe.colonnes = f.entete.entier(tagColonnes);
        coupe.rangees = f.entete.entier(tagRangees);
        coupe.inclinaison = f.entete.texte(tagInclinaison).toDouble();
        if (!nombres(f.entete.texte(tagPosition), 3, coupe.position) ||
            !std::all_of(coupe.position, coupe.position + 3, [](double v) { return std::isfinite(v); }))
            return QCoreApplication::translate("scanner", "« %1 » : %2 « %3 » : trois nombres finis attendus")
                .arg(f.affiche, nomEtiquette(tagPosition), extrait(f.entete.texte(tagPosition)));
        coupe.hauteur = scalaire(coupe.position, normale);
        coupes.push_back(coupe);
    }
    std::stable_sort(coupes.begin(), coupes.end(), [](const Coupe &a, const Coupe &b) { return a.hauteur < b.hauteur; });
    return QString();
}

// The gantry tilt (degrees) of slices whose rows run along x and whose
// columns lie in the y–z plane: atan2(c_z, c_y). 0 for any other
// orientation: columns nearer z than y make a coronal series, not a tilt.
double angleStatif(const double cosinus[6])
{
    const bool rangeesX = std::abs(std::abs(cosinus[0]) - 1.0) <= 1e-6 && std::abs(cosinus[1]) <= 1e-6 &&
                          std::abs(cosinus[2]) <= 1e-6 && std::abs(cosinus[3]) <= 1e-6;
    const double angle = std::atan2(cosinus[5], cosinus[4]) * 180.0 / M_PI;
    return rangeesX && std::abs(cosinus[5]) > 1e-6 && std::abs(angle) < 45.0 ? angle : 0.0;
}

// The physical axis the slices step along: the normal's largest component.
int axeEmpilement(const double normale[3])
{
    return int(std::max_element(normale, normale + 3, [](double a, double b) { return std::abs(a) < std::abs(b); }) -
               normale);
}

// What the headers say of the series' geometry, for the lists; NaN where
// they cannot say.
void decrire(SerieTrouvee &serie)
{
    std::vector<Coupe> coupes;
    double normale[3], cosinus[6], espacement[2];
    if (!lireCoupes(serie.fichiers, coupes, normale).isEmpty())
        return;
    SerieCT &s = serie.serie;
    if (nombres(coupes.front().espacement, 2, espacement)) {
        s.espacement[0] = espacement[1];
        s.espacement[1] = espacement[0];
    }
    nombres(coupes.front().orientation, 6, cosinus);
    s.inclinaison = angleStatif(cosinus);
    const int axe = axeEmpilement(normale);
    const auto bout = std::min_element(coupes.begin(), coupes.end(),
                                       [axe](const Coupe &a, const Coupe &b) { return a.position[axe] < b.position[axe]; });
    s.fichier = bout->affiche;
    for (size_t i = 0; i + 1 < coupes.size(); ++i) {
        const double pas = std::abs(coupes[i + 1].position[axe] - coupes[i].position[axe]);
        s.pasMin = i == 0 ? pas : std::min(s.pasMin, pas);
        s.pasMax = i == 0 ? pas : std::max(s.pasMax, pas);
    }
}

// Why the slices do not form one stack of equal slices square to it (or,
// tilted, shifted only in the y–z plane), or an empty text.
QString verifierCoupes(const std::vector<Coupe> &coupes, const double normale[3], bool incline)
{
    const Coupe &premiere = coupes.front();
    for (const Coupe &coupe : coupes) {
        if (coupe.taille != premiere.taille)
            return QCoreApplication::translate(
                "scanner", "coupes de tailles différentes : « %1 » a %2 pixels, « %3 » %4")
                .arg(premiere.affiche, premiere.taille, coupe.affiche, coupe.taille);
        if (coupe.orientation != premiere.orientation)
            return QCoreApplication::translate("scanner", "coupes d'orientations différentes : « %1 » et « %2 »")
                .arg(premiere.affiche, coupe.affiche);
        if (coupe.espacement != premiere.espacement)
            return QCoreApplication::translate(
                "scanner", "coupes d'espacements de pixels différents : « %1 » et « %2 »")
                .arg(premiere.affiche, coupe.affiche);
    }
    const size_t n = coupes.size();
    if (n < 2)
        return QString();
    if (!(coupes.back().hauteur - premiere.hauteur > 0))
        return QCoreApplication::translate("scanner", "toutes les coupes sont à la même position (%1 coupes)").arg(n);
    for (size_t i = 0; i + 1 < n; ++i)
        if (!(coupes[i + 1].hauteur - coupes[i].hauteur >= 1e-3))
            return QCoreApplication::translate("scanner", "coupes « %1 » et « %2 » à la même position")
                .arg(coupes[i].affiche, coupes[i + 1].affiche);
    // Straight slices step along their normal only; a tilted gantry's shift
    // within the y–z plane, never along x.
    double ecart[3], carre = 0.0;
    for (int i = 0; i < 3; ++i) {
        ecart[i] = coupes.back().position[i] - premiere.position[i];
        carre += ecart[i] * ecart[i];
    }
    const double lateral = incline ? std::abs(ecart[0])
                                   : std::sqrt(std::max(0.0, carre - std::pow(scalaire(ecart, normale), 2)));
    if (lateral > 1e-3 * std::sqrt(carre))
        return QCoreApplication::translate("scanner",
            "coupes décalées de biais (statif incliné) : rééchantillonner d'abord la série en coupes droites");
    return QString();
}

// The note on slices unevenly spaced, or an empty text.
QString noteEspacement(const std::vector<Coupe> &coupes, const AxeCT &axe)
{
    if (axe.bornes.empty())
        return QString();
    double plusPetit = INFINITY, plusGrand = 0.0;
    for (size_t i = 0; i + 1 < coupes.size(); ++i) {
        plusPetit = std::min(plusPetit, coupes[i + 1].hauteur - coupes[i].hauteur);
        plusGrand = std::max(plusGrand, coupes[i + 1].hauteur - coupes[i].hauteur);
    }
    return QCoreApplication::translate(
        "scanner", "coupes inégalement espacées, pas de %1 à %2 mm : limites des voxels à mi-chemin entre les coupes")
        .arg(plusPetit, 0, 'g', 6)
        .arg(plusGrand, 0, 'g', 6);
}

// Where the files' axes lie in the phantom, by the label volumes' rule:
// rows, columns and slices are the file axes, their spacings PixelSpacing's
// and the mean step between slices, the first slice's position the origin.
struct Placement
{
    PlacementAxes axes;
    int comptes[3] = {0, 0, 0};
};

QString placer(const std::vector<Coupe> &coupes, const double normale[3], bool incline, Placement &placement,
               VolumeCT &volume)
{
    const Coupe &premiere = coupes.front();
    double cosinus[6], espacement[2];
    nombres(premiere.orientation, 6, cosinus);
    if (!nombres(premiere.espacement, 2, espacement))
        return QCoreApplication::translate("scanner", "« %1 » : %2 « %3 » illisible")
            .arg(premiere.affiche, nomEtiquette(tagEspacement), extrait(premiere.espacement));
    EnteteAxes entete;
    const int n = int(coupes.size());
    const int comptes[3] = {premiere.colonnes, premiere.rangees, n};
    // PixelSpacing gives the step between rows first, then between columns.
    const double pas[3] = {espacement[1], espacement[0],
                           n > 1 ? (coupes.back().hauteur - premiere.hauteur) / (n - 1) : 1.0};
    if (!(pas[2] >= 1e-3))
        return QCoreApplication::translate(
            "scanner", "coupes à %1 mm l'une de l'autre selon %2 : 0.001 mm au moins attendu")
            .arg(pas[2])
            .arg(nomEtiquette(tagPosition));
    for (int a = 0; a < 3; ++a) {
        entete.comptes[a] = placement.comptes[a] = comptes[a];
        entete.pas[a] = pas[a];
        entete.origine[a] = premiere.position[a];
        // A tilted series is read as it lies, to be resampled after.
        for (int p = 0; p < 3; ++p)
            entete.direction[a][p] = incline ? double(a == p) : a == 2 ? normale[p] : cosinus[3 * a + p];
    }
    if (!placerAxes(entete, placement.axes))
        return QCoreApplication::translate(
            "scanner", "orientation oblique : rééchantillonner d'abord la série sur des axes x, y, z");
    const ChampsGeometrie champs{nomEtiquette(tagEspacement), nomEtiquette(tagPosition)};
    if (const QString refus = geometrieAxes(entete, placement.axes, champs); !refus.isEmpty())
        return refus;
    for (int a = 0; a < 3; ++a) {
        const int p = placement.axes.axe[a];
        volume.axes[p] = AxeCT{placement.comptes[a], placement.axes.taille[p], placement.axes.origine[p], {}};
    }
    // Uneven slices: their own positions along the axis they step along.
    const int p = placement.axes.axe[2];
    std::vector<double> centres;
    for (const Coupe &c : coupes)
        centres.push_back(c.position[p]);
    std::sort(centres.begin(), centres.end());
    if (AxeCT inegal = axeDesCentres(centres); !incline && !inegal.bornes.empty()) {
        volume.axes[p] = inegal;
        volume.notes << noteEspacement(coupes, inegal);
    }
    return QString();
}

// Keeps the HU read in 16 bits while they are whole and fit; the first that
// is not turns the whole volume to floats.
class Rangement
{
public:
    Rangement(VolumeCT &volume, const Placement &placement) : volume(volume), placement(placement)
    {
        const qint64 pasPhantom[3] = {1, volume.axes[0].compte, qint64(volume.axes[0].compte) * volume.axes[1].compte};
        for (int a = 0; a < 3; ++a) {
            const qint64 s = pasPhantom[placement.axes.axe[a]];
            pas[a] = placement.axes.inverse[a] ? -s : s;
            depart[a] = placement.axes.inverse[a] ? (placement.comptes[a] - 1) * s : 0;
        }
        volume.entiers.assign(size_t(volume.nombreVoxels()), 0);
        volume.reels.clear();
        volume.huMin = INFINITY;
        volume.huMax = -INFINITY;
    }

    // Slices k0 .. k0 + n - 1 of the image, as the reader's buffer holds them.
    void ranger(const float *hu, int k0, int n)
    {
        const int largeur = placement.comptes[0];
        for (int k = k0; k < k0 + n; ++k)
            for (int j = 0; j < placement.comptes[1]; ++j, hu += largeur) {
                const qint64 cible = depart[0] + depart[1] + j * pas[1] + depart[2] + k * pas[2];
                int i = volume.reels.empty() ? rangerEntiers(hu, largeur, cible) : 0;
                if (i < largeur && volume.reels.empty()) {
                    volume.reels.assign(volume.entiers.begin(), volume.entiers.end());
                    volume.entiers = NombresCT();
                }
                for (; i < largeur; ++i) {
                    volume.reels[size_t(cible + i * pas[0])] = hu[i];
                    volume.huMin = std::min(volume.huMin, double(hu[i]));
                    volume.huMax = std::max(volume.huMax, double(hu[i]));
                }
            }
    }

private:
    // Stores a row while its HU are whole and fit 16 bits; how many it stored.
    int rangerEntiers(const float *hu, int largeur, qint64 cible)
    {
        float bas = float(volume.huMin), haut = float(volume.huMax);
        qint16 *sortie = volume.entiers.data() + cible;
        int i = 0;
        for (; i < largeur; ++i, sortie += pas[0]) {
            const float h = hu[i];
            if (!(h >= -32768.0f && h <= 32767.0f) || float(int(h)) != h)
                break;
            *sortie = qint16(h);
            bas = std::min(bas, h);
            haut = std::max(haut, h);
        }
        volume.huMin = bas;
        volume.huMax = haut;
        return i;
    }

    VolumeCT &volume;
    const Placement &placement;
    qint64 pas[3];
    qint64 depart[3];
};

// The slices' voxels, one slice at a time so that only the volume itself
// is held in full.
QString lireVoxels(const std::vector<Coupe> &coupes, const Placement &placement, VolumeCT &volume)
{
    // One file at a time: the geometry is already the headers', and ITK's
    // series reader would check every slice's spacing again, slowly when
    // it is uneven.
    using CoupeITK = itk::Image<float, 2>;
    auto io = itk::GDCMImageIO::New();
    Rangement rangement(volume, placement);
    for (int k = 0; k < placement.comptes[2]; ++k) {
        auto lecteur = itk::ImageFileReader<CoupeITK>::New();
        lecteur->SetImageIO(io);
        lecteur->SetFileName(coupes[size_t(k)].fichier);
        lecteur->Update();
        const auto taille = lecteur->GetOutput()->GetLargestPossibleRegion().GetSize();
        if (taille[0] != itk::SizeValueType(placement.comptes[0]) || taille[1] != itk::SizeValueType(placement.comptes[1]))
            return QCoreApplication::translate(
                "scanner", "voxels illisibles (fichier DICOM abîmé ou compression non prise en charge)");
        rangement.ranger(lecteur->GetOutput()->GetBufferPointer(), k, 1);
    }
    return QString();
}

// A tilted series, read as it lies, resampled onto straight slices.
void redresserSerie(const std::vector<Coupe> &coupes, const double cosinus[6], double angle, VolumeCT &volume)
{
    SerieInclinee serie;
    serie.pixels = &volume;
    for (const Coupe &c : coupes)
        serie.positions.push_back({c.position[0], c.position[1], c.position[2]});
    double espacement[2];
    nombres(coupes.front().espacement, 2, espacement);
    serie.pas[0] = espacement[1];
    serie.pas[1] = espacement[0];
    std::copy(cosinus, cosinus + 3, serie.rangees);
    std::copy(cosinus + 3, cosinus + 6, serie.colonnes);
    VolumeCT droit;
    redresser(serie, droit);
    droit.inclinaison = angle;
    droit.notes << QCoreApplication::translate("scanner", "statif incliné de %1° : coupes rééchantillonnées droites")
                       .arg(angle, 0, 'g', 4);
    volume = std::move(droit);
}

} // namespace

QString imagesEcartees(const SerieCT &serie)
{
    if (serie.ecartees == 0)
        return QString();
    return serie.ecartees == 1
               ? QCoreApplication::translate("scanner", ", 1 image écartée (repérage ou autre que des coupes CT)")
               : QCoreApplication::translate("scanner", ", %1 images écartées (repérage ou autre que des coupes CT)")
                     .arg(serie.ecartees);
}

bool listerSeriesCT(const QString &dossier, QList<SerieCT> &series, QString *erreur)
{
    std::vector<SerieTrouvee> trouvees;
    QString raison;
    if (!trouverSeries(dossier, trouvees, &raison)) {
        if (erreur)
            *erreur = QCoreApplication::translate("scanner", "Dossier « %1 » : %2").arg(extrait(dossier), raison);
        return false;
    }
    series.clear();
    for (const SerieTrouvee &s : trouvees)
        series << s.serie;
    return true;
}

bool lireSerieCT(const QString &dossier, const QString &uid, VolumeCT &volume, QString *erreur, SerieCT *lue)
{
    std::vector<SerieTrouvee> trouvees;
    QString raison;
    auto refuser = [&](const QString &pourquoi) {
        if (erreur)
            *erreur = QCoreApplication::translate("scanner", "Série CT de « %1 » : %2").arg(extrait(dossier), pourquoi);
        return false;
    };
    if (!trouverSeries(dossier, trouvees, &raison)) {
        if (erreur)
            *erreur = QCoreApplication::translate("scanner", "Dossier « %1 » : %2").arg(extrait(dossier), raison);
        return false;
    }
    auto choisie = trouvees.begin();
    if (!uid.isEmpty()) {
        choisie = std::find_if(trouvees.begin(), trouvees.end(),
                               [&uid](const SerieTrouvee &s) { return s.serie.uid == uid.trimmed(); });
        if (choisie == trouvees.end()) {
            QStringList uids;
            for (const SerieTrouvee &s : trouvees)
                uids << s.serie.uid;
            return refuser(QCoreApplication::translate("scanner", "aucune série CT d'UID « %1 » (séries CT : %2)")
                               .arg(extrait(uid), uids.join(", ")));
        }
    }
    std::vector<Coupe> coupes;
    double normale[3] = {0, 0, 1};
    raison = lireCoupes(choisie->fichiers, coupes, normale);
    double cosinus[6] = {1, 0, 0, 0, 1, 0};
    if (raison.isEmpty())
        nombres(coupes.front().orientation, 6, cosinus);
    const double angle = angleStatif(cosinus);
    if (raison.isEmpty())
        raison = verifierCoupes(coupes, normale, angle != 0.0);
    VolumeCT lu;
    Placement placement;
    if (raison.isEmpty())
        raison = placer(coupes, normale, angle != 0.0, placement, lu);
    // The volume in 16 bits, and the grid beside it; tilted, its straight
    // slices as well, on a box up to twice as large.
    if (raison.isEmpty())
        placePourVolume(lu.nombreVoxels(), angle != 0.0 ? 6 : 2, &raison);
    if (raison.isEmpty()) {
        try {
            raison = lireVoxels(coupes, placement, lu);
            if (raison.isEmpty() && angle != 0.0)
                redresserSerie(coupes, cosinus, angle, lu);
        } catch (const std::bad_alloc &) {
            raison = QCoreApplication::translate("scanner", "mémoire insuffisante pour ses voxels");
        } catch (const std::exception &) {
            raison = QCoreApplication::translate(
                "scanner", "voxels illisibles (fichier DICOM abîmé ou compression non prise en charge)");
        }
    }
    if (!raison.isEmpty())
        return refuser(raison);
    volume = std::move(lu);
    if (lue)
        *lue = choisie->serie;
    return true;
}
