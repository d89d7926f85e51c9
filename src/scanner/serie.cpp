// The one file of the scanner library that knows ITK and GDCM: the series
// of a folder, their slices' headers, and the voxels read a few slices at a
// time into the phantom's frame.
#include "scanner/serie.h"

#include <gdcmTrace.h>
#include <itkGDCMImageIO.h>
#include <itkImage.h>
#include <itkImageSeriesReader.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <new>

#include "model/ligne.h"
#include "scanner/entetedicom.h"
#include "scanner/volumect.h"
#include "volume/axes.h"
#include "volume/lecteurs.h"

namespace {

constexpr quint32 tagTypeImage = etiquette(0x0008, 0x0008), tagClasse = etiquette(0x0008, 0x0016),
                  tagModalite = etiquette(0x0008, 0x0060), tagDescription = etiquette(0x0008, 0x103e),
                  tagReferentiel = etiquette(0x0020, 0x0052),
                  tagInclinaison = etiquette(0x0018, 0x1120), tagUidSerie = etiquette(0x0020, 0x000e),
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

// The CT series of the folder, the most slices first. Files that are not
// DICOM are passed over; a DICOM file whose structure does not hold is
// refused, since it may be a slice of the series.
bool trouverSeries(const QString &dossier, std::vector<SerieTrouvee> &series, QString *raison)
{
    silencer();
    if (!QFileInfo(dossier).isDir()) {
        *raison = "dossier introuvable";
        return false;
    }
    const QDir racine(dossier);
    std::vector<SerieTrouvee> toutes;
    int ecartees = 0, reperages = 0;
    QDirIterator parcours(dossier, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    while (parcours.hasNext()) {
        FichierDicom f;
        f.chemin = parcours.next();
        f.affiche = extrait(racine.relativeFilePath(f.chemin));
        QString pourquoi;
        const LectureDicom lecture = lireEnteteDicom(f.chemin, f.entete, &pourquoi);
        if (lecture == LectureDicom::PasDicom)
            continue;
        if (lecture == LectureDicom::Abimee) {
            *raison = QString("fichier DICOM abîmé « %1 » : %2").arg(f.affiche, pourquoi);
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
            serie->serie.description = f.entete.texte(tagDescription);
            serie->serie.referentiel = f.entete.texte(tagReferentiel);
        }
        serie->fichiers.push_back(std::move(f));
    }
    for (SerieTrouvee &s : toutes) {
        s.serie.coupes = int(s.fichiers.size());
        s.serie.ecartees = ecartees;
        series.push_back(std::move(s));
    }
    std::stable_sort(series.begin(), series.end(),
                     [](const SerieTrouvee &a, const SerieTrouvee &b) { return a.serie.coupes > b.serie.coupes; });
    if (series.empty()) {
        *raison = reperages > 0 ? QString("image de repérage, pas une série de coupes")
                                : QString("aucune série CT (fichiers DICOM de modalité CT)");
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
        return QString("%1 absent ou nul").arg(nomEtiquette(tagRangees));
    if (colonnes < 1)
        return QString("%1 absent ou nul").arg(nomEtiquette(tagColonnes));
    if (bits != 8 && bits != 16 && bits != 32)
        return QString("%1 de %2 : 8, 16 ou 32 attendu").arg(nomEtiquette(tagBits)).arg(bits);
    if (echantillons != 1)
        return QString("%1 de %2 : une seule valeur par pixel attendue").arg(nomEtiquette(tagEchantillons)).arg(echantillons);
    qint64 trames = 1;
    if (e.valeurs.contains(tagTrames)) {
        bool ok = false;
        trames = e.texte(tagTrames).toLongLong(&ok);
        if (!ok || trames < 1)
            return QString("%1 « %2 » illisible").arg(nomEtiquette(tagTrames), extrait(e.texte(tagTrames)));
    }
    const qint64 attendus = qint64(rangees) * colonnes * (bits / 8);
    if (!e.encapsule && e.octetsPixels / trames < attendus)
        return QString("%1 de %2 octets, moins que Rows × Columns × BitsAllocated/8 × NumberOfFrames (%3 × %4 × %5 × %6)")
            .arg(nomEtiquette(tagPixels))
            .arg(e.octetsPixels)
            .arg(rangees)
            .arg(colonnes)
            .arg(bits / 8)
            .arg(trames);
    if (trames > 1)
        return QString("%1 de %2 : une coupe par fichier attendue").arg(nomEtiquette(tagTrames)).arg(trames);
    return QString();
}

// The slices' headers, in order of position along the first one's normal.
QString lireCoupes(const std::vector<FichierDicom> &fichiers, std::vector<Coupe> &coupes, double normale[3])
{
    double cosinus[6];
    const EnteteDicom &premiere = fichiers.front().entete;
    if (!nombres(premiere.texte(tagOrientation), 6, cosinus) ||
        !std::all_of(cosinus, cosinus + 6, [](double c) { return std::abs(c) <= 1.0 + 1e-6; }))
        return QString("« %1 » : %2 illisible").arg(fichiers.front().affiche, nomEtiquette(tagOrientation));
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
            return QString("« %1 » : %2 « %3 » : trois nombres finis attendus")
                .arg(f.affiche, nomEtiquette(tagPosition), extrait(f.entete.texte(tagPosition)));
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
                .arg(premiere.affiche, premiere.taille, coupe.affiche, coupe.taille);
        if (coupe.orientation != premiere.orientation)
            return QString("coupes d'orientations différentes : « %1 » et « %2 »").arg(premiere.affiche, coupe.affiche);
        if (coupe.espacement != premiere.espacement)
            return QString("coupes d'espacements de pixels différents : « %1 » et « %2 »")
                .arg(premiere.affiche, coupe.affiche);
        if (std::abs(coupe.inclinaison) > 1e-3)
            return QString("statif incliné de %1° (« %2 ») : rééchantillonner d'abord la série en coupes droites")
                .arg(coupe.inclinaison)
                .arg(coupe.affiche);
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
                .arg(coupes[i].affiche, coupes[i + 1].affiche)
                .arg(pas, 0, 'g', 6);
    }
    return QString();
}

using ImageCT = itk::Image<float, 3>;

// Where the files' axes lie in the phantom, by the label volumes' rule:
// rows, columns and slices are the file axes, their spacings PixelSpacing's
// and the mean step between slices, the first slice's position the origin.
struct Placement
{
    PlacementAxes axes;
    int comptes[3] = {0, 0, 0};
};

QString placer(const std::vector<Coupe> &coupes, const double normale[3], Placement &placement, VolumeCT &volume)
{
    const Coupe &premiere = coupes.front();
    double cosinus[6], espacement[2];
    nombres(premiere.orientation, 6, cosinus);
    if (!nombres(premiere.espacement, 2, espacement))
        return QString("« %1 » : %2 « %3 » illisible")
            .arg(premiere.affiche, nomEtiquette(tagEspacement), extrait(premiere.espacement));
    EnteteAxes entete;
    const int n = int(coupes.size());
    const int comptes[3] = {premiere.colonnes, premiere.rangees, n};
    // PixelSpacing gives the step between rows first, then between columns.
    const double pas[3] = {espacement[1], espacement[0],
                           n > 1 ? (coupes.back().hauteur - premiere.hauteur) / (n - 1) : 1.0};
    if (!(pas[2] >= 1e-3))
        return QString("coupes à %1 mm l'une de l'autre selon %2 : 0.001 mm au moins attendu")
            .arg(pas[2])
            .arg(nomEtiquette(tagPosition));
    for (int a = 0; a < 3; ++a) {
        entete.comptes[a] = placement.comptes[a] = comptes[a];
        entete.pas[a] = pas[a];
        entete.origine[a] = premiere.position[a];
        for (int p = 0; p < 3; ++p)
            entete.direction[a][p] = a == 2 ? normale[p] : cosinus[3 * a + p];
    }
    if (!placerAxes(entete, placement.axes))
        return "orientation oblique : rééchantillonner d'abord la série sur des axes x, y, z";
    const ChampsGeometrie champs{nomEtiquette(tagEspacement), nomEtiquette(tagPosition)};
    if (const QString refus = geometrieAxes(entete, placement.axes, champs); !refus.isEmpty())
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
QString lireVoxels(const std::vector<Coupe> &coupes, const Placement &placement, VolumeCT &volume)
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
    const auto taille = image->GetLargestPossibleRegion().GetSize();
    for (int a = 0; a < 3; ++a)
        if (taille[a] != itk::SizeValueType(placement.comptes[a]))
            return "voxels illisibles (fichier DICOM abîmé ou compression non prise en charge)";
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

QString imagesEcartees(const SerieCT &serie)
{
    if (serie.ecartees == 0)
        return QString();
    return serie.ecartees == 1 ? QString(", 1 image écartée (repérage ou autre que des coupes CT)")
                               : QString(", %1 images écartées (repérage ou autre que des coupes CT)").arg(serie.ecartees);
}

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
    VolumeCT lu;
    Placement placement;
    if (raison.isEmpty())
        raison = placer(coupes, normale, placement, lu);
    // The volume in 16 bits, and the grid beside it.
    if (raison.isEmpty())
        placePourVolume(lu.nombreVoxels(), 2, &raison);
    if (raison.isEmpty()) {
        try {
            raison = lireVoxels(coupes, placement, lu);
        } catch (const std::bad_alloc &) {
            raison = "mémoire insuffisante pour ses voxels";
        } catch (const std::exception &) {
            raison = "voxels illisibles (fichier DICOM abîmé ou compression non prise en charge)";
        }
    }
    if (!raison.isEmpty())
        return refuser(raison);
    volume = std::move(lu);
    if (lue)
        *lue = choisie->serie;
    return true;
}
