// The one file of the scanner library that knows ITK and GDCM: the series
// of a folder, their slices' headers, and the voxels read a few slices at a
// time into the phantom's frame.
#include "scanner/serie.h"

#include <gdcmScanner.h>
#include <gdcmTrace.h>
#include <itkGDCMImageIO.h>
#include <itkGDCMSeriesFileNames.h>
#include <itkImage.h>
#include <itkImageSeriesReader.h>

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <malloc.h>
#include <new>

#include "model/ligne.h"
#include "scanner/volumect.h"
#include "volume/axes.h"

namespace {

const gdcm::Tag tagModalite(0x0008, 0x0060), tagDescription(0x0008, 0x103e),
    tagPosition(0x0020, 0x0032), tagOrientation(0x0020, 0x0037), tagRangees(0x0028, 0x0010),
    tagColonnes(0x0028, 0x0011), tagInclinaison(0x0018, 0x1120), tagReferentiel(0x0020, 0x0052);

// ITK warns on stderr of what it reads (uneven slices spread evenly, a
// missing tag); a refusal is one French line, so they are silenced.
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

QString nomCourt(const std::string &chemin)
{
    return extrait(QFileInfo(QString::fromStdString(chemin)).fileName());
}

QString valeur(const gdcm::Scanner &scanner, const std::string &fichier, const gdcm::Tag &tag)
{
    const char *v = scanner.GetValue(fichier.c_str(), tag);
    return v ? QString::fromLatin1(v).trimmed() : QString();
}

// n numbers separated by backslashes, as DICOM writes vectors.
bool nombres(const QString &texte, int n, double *valeurs)
{
    const QStringList parties = texte.split('\\');
    if (parties.size() != n)
        return false;
    for (int i = 0; i < n; ++i) {
        bool ok = false;
        valeurs[i] = parties[i].trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(valeurs[i]))
            return false;
    }
    return true;
}

struct SerieTrouvee
{
    SerieCT serie;
    std::vector<std::string> fichiers;
};

// The CT series of the folder, the most slices first.
bool trouverSeries(const QString &dossier, std::vector<SerieTrouvee> &series, QString *raison)
{
    silencer();
    if (!QFileInfo(dossier).isDir()) {
        *raison = "dossier introuvable";
        return false;
    }
    std::vector<SerieTrouvee> toutes;
    std::vector<std::string> tousFichiers;
    try {
        auto noms = itk::GDCMSeriesFileNames::New();
        // Series told apart by their UID alone, so that slices of another size stay in theirs and are refused.
        noms->SetUseSeriesDetails(false);
        noms->SetDirectory(QFile::encodeName(dossier).toStdString());
        for (const std::string &uid : noms->GetSeriesUIDs()) {
            SerieTrouvee s;
            s.serie.uid = QString::fromStdString(uid).trimmed();
            s.fichiers = noms->GetFileNames(uid);
            tousFichiers.insert(tousFichiers.end(), s.fichiers.begin(), s.fichiers.end());
            toutes.push_back(std::move(s));
        }
    } catch (const std::exception &) {
        *raison = "dossier illisible";
        return false;
    }
    // ITK's series list held every file whole, pixels included: that memory
    // goes back to the system before the volume is allocated.
    malloc_trim(0);
    gdcm::Scanner scanner;
    scanner.AddTag(tagModalite);
    scanner.AddTag(tagDescription);
    scanner.AddTag(tagReferentiel);
    scanner.Scan(gdcm::Directory::FilenamesType(tousFichiers.begin(), tousFichiers.end()));
    for (SerieTrouvee &s : toutes) {
        if (s.fichiers.empty() || valeur(scanner, s.fichiers.front(), tagModalite) != "CT")
            continue;
        s.serie.description = valeur(scanner, s.fichiers.front(), tagDescription);
        s.serie.referentiel = valeur(scanner, s.fichiers.front(), tagReferentiel);
        s.serie.coupes = int(s.fichiers.size());
        series.push_back(std::move(s));
    }
    std::stable_sort(series.begin(), series.end(),
                     [](const SerieTrouvee &a, const SerieTrouvee &b) { return a.serie.coupes > b.serie.coupes; });
    if (series.empty()) {
        *raison = "aucune série CT (fichiers DICOM de modalité CT)";
        return false;
    }
    return true;
}

// A slice's header as the checks need it.
struct Coupe
{
    std::string fichier;
    QString taille, orientation;
    double inclinaison = 0.0;
    double position[3] = {0, 0, 0};
    double hauteur = 0.0; // along the slice normal
};

double scalaire(const double a[3], const double b[3])
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The slices' headers, in order of position along the first one's normal.
QString lireCoupes(const std::vector<std::string> &fichiers, std::vector<Coupe> &coupes, double normale[3])
{
    gdcm::Scanner scanner;
    for (const gdcm::Tag &tag : {tagPosition, tagOrientation, tagRangees, tagColonnes, tagInclinaison})
        scanner.AddTag(tag);
    scanner.Scan(gdcm::Directory::FilenamesType(fichiers.begin(), fichiers.end()));
    double cosinus[6];
    if (!nombres(valeur(scanner, fichiers.front(), tagOrientation), 6, cosinus))
        return QString("orientation des coupes illisible dans « %1 »").arg(nomCourt(fichiers.front()));
    normale[0] = cosinus[1] * cosinus[5] - cosinus[2] * cosinus[4];
    normale[1] = cosinus[2] * cosinus[3] - cosinus[0] * cosinus[5];
    normale[2] = cosinus[0] * cosinus[4] - cosinus[1] * cosinus[3];
    for (const std::string &fichier : fichiers) {
        Coupe coupe;
        coupe.fichier = fichier;
        coupe.taille = valeur(scanner, fichier, tagColonnes) + " × " + valeur(scanner, fichier, tagRangees);
        coupe.orientation = valeur(scanner, fichier, tagOrientation);
        coupe.inclinaison = valeur(scanner, fichier, tagInclinaison).toDouble();
        if (!nombres(valeur(scanner, fichier, tagPosition), 3, coupe.position))
            return QString("position de coupe illisible dans « %1 »").arg(nomCourt(fichier));
        coupe.hauteur = scalaire(coupe.position, normale);
        coupes.push_back(coupe);
    }
    std::stable_sort(coupes.begin(), coupes.end(), [](const Coupe &a, const Coupe &b) { return a.hauteur < b.hauteur; });
    return QString();
}

// Why the slices do not form one even stack of equal slices square to it,
// or an empty text.
QString verifierCoupes(const std::vector<Coupe> &coupes, const double normale[3])
{
    const Coupe &premiere = coupes.front();
    for (const Coupe &coupe : coupes) {
        if (coupe.taille != premiere.taille)
            return QString("coupes de tailles différentes : « %1 » a %2 pixels, « %3 » %4")
                .arg(nomCourt(premiere.fichier), premiere.taille, nomCourt(coupe.fichier), coupe.taille);
        if (coupe.orientation != premiere.orientation)
            return QString("coupes d'orientations différentes : « %1 » et « %2 »")
                .arg(nomCourt(premiere.fichier), nomCourt(coupe.fichier));
        if (std::abs(coupe.inclinaison) > 1e-3)
            return QString("statif incliné de %1° (« %2 ») : rééchantillonner d'abord la série en coupes droites")
                .arg(coupe.inclinaison)
                .arg(nomCourt(coupe.fichier));
    }
    const size_t n = coupes.size();
    if (n < 2)
        return QString();
    const double pas = (coupes.back().hauteur - premiere.hauteur) / double(n - 1);
    if (!(pas > 0))
        return QString("toutes les coupes sont à la même position (%1 coupes)").arg(n);
    // A tilted gantry shifts each slice sideways as well as along the normal.
    double ecart[3], carre = 0.0;
    for (int i = 0; i < 3; ++i) {
        ecart[i] = coupes.back().position[i] - premiere.position[i];
        carre += ecart[i] * ecart[i];
    }
    const double lateral = std::sqrt(std::max(0.0, carre - std::pow(scalaire(ecart, normale), 2)));
    if (lateral > 1e-3 * std::sqrt(carre))
        return "coupes décalées de biais (statif incliné) : rééchantillonner d'abord la série en coupes droites";
    for (size_t i = 0; i + 1 < n; ++i) {
        const double d = coupes[i + 1].hauteur - coupes[i].hauteur;
        if (std::abs(d - pas) > 0.01 * pas)
            return QString("espacement inégal des coupes : %1 mm entre les coupes %2 et %3 (« %4 » et « %5 »), "
                           "%6 mm en moyenne")
                .arg(d, 0, 'g', 6)
                .arg(i + 1)
                .arg(i + 2)
                .arg(nomCourt(coupes[i].fichier), nomCourt(coupes[i + 1].fichier))
                .arg(pas, 0, 'g', 6);
    }
    return QString();
}

using ImageCT = itk::Image<float, 3>;

// Where the reader's axes lie in the phantom, by the label volumes' rule.
struct Placement
{
    PlacementAxes axes;
    int comptes[3] = {0, 0, 0};
};

QString placer(const ImageCT &image, Placement &placement, VolumeCT &volume)
{
    EnteteAxes entete;
    const auto taille = image.GetLargestPossibleRegion().GetSize();
    for (unsigned a = 0; a < 3; ++a) {
        entete.comptes[a] = placement.comptes[a] = int(taille[a]);
        entete.pas[a] = image.GetSpacing()[a];
        entete.origine[a] = image.GetOrigin()[a];
        for (unsigned p = 0; p < 3; ++p)
            entete.direction[a][p] = image.GetDirection()[p][a];
    }
    if (!placerAxes(entete, placement.axes))
        return "orientation oblique : rééchantillonner d'abord la série sur des axes x, y, z";
    if (const QString refus = geometrieAxes(entete, placement.axes); !refus.isEmpty())
        return refus;
    for (int a = 0; a < 3; ++a) {
        const int p = placement.axes.axe[a];
        volume.axes[p] = AxeCT{placement.comptes[a], placement.axes.taille[p], placement.axes.origine[p]};
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
                    volume.entiers = std::vector<qint16>();
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

// The slices' voxels, a few slices at a time so that only the volume itself
// is held in full.
QString lireVoxels(const std::vector<Coupe> &coupes, VolumeCT &volume)
{
    std::vector<std::string> noms;
    for (const Coupe &c : coupes)
        noms.push_back(c.fichier);
    auto lecteur = itk::ImageSeriesReader<ImageCT>::New();
    lecteur->SetImageIO(itk::GDCMImageIO::New());
    lecteur->SetFileNames(noms);
    lecteur->MetaDataDictionaryArrayUpdateOff();
    lecteur->UseStreamingOn();
    lecteur->UpdateOutputInformation();
    ImageCT *image = lecteur->GetOutput();
    Placement placement;
    if (const QString refus = placer(*image, placement, volume); !refus.isEmpty())
        return refus;
    Rangement rangement(volume, placement);
    constexpr int tranche = 8;
    for (int k0 = 0; k0 < placement.comptes[2]; k0 += tranche) {
        ImageCT::RegionType region = image->GetLargestPossibleRegion();
        region.SetIndex(2, k0);
        region.SetSize(2, itk::SizeValueType(std::min(tranche, placement.comptes[2] - k0)));
        image->SetRequestedRegion(region);
        image->Update();
        rangement.ranger(image->GetBufferPointer(), k0, int(region.GetSize(2)));
    }
    return QString();
}

} // namespace

bool listerSeriesCT(const QString &dossier, QList<SerieCT> &series, QString *erreur)
{
    std::vector<SerieTrouvee> trouvees;
    QString raison;
    if (!trouverSeries(dossier, trouvees, &raison)) {
        if (erreur)
            *erreur = QString("Dossier « %1 » : %2").arg(extrait(dossier), raison);
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
            *erreur = QString("Série CT de « %1 » : %2").arg(extrait(dossier), pourquoi);
        return false;
    };
    if (!trouverSeries(dossier, trouvees, &raison)) {
        if (erreur)
            *erreur = QString("Dossier « %1 » : %2").arg(extrait(dossier), raison);
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
            return refuser(QString("aucune série CT d'UID « %1 » (séries CT : %2)").arg(extrait(uid), uids.join(", ")));
        }
    }
    std::vector<Coupe> coupes;
    double normale[3] = {0, 0, 1};
    raison = lireCoupes(choisie->fichiers, coupes, normale);
    if (raison.isEmpty())
        raison = verifierCoupes(coupes, normale);
    if (!raison.isEmpty())
        return refuser(raison);
    VolumeCT lu;
    try {
        raison = lireVoxels(coupes, lu);
    } catch (const std::bad_alloc &) {
        raison = "mémoire insuffisante pour ses voxels";
    } catch (const std::exception &) {
        raison = "voxels illisibles (fichier DICOM abîmé ou compression non prise en charge)";
    }
    if (!raison.isEmpty())
        return refuser(raison);
    volume = std::move(lu);
    if (lue)
        *lue = choisie->serie;
    return true;
}
