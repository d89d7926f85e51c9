// An RT Structure Set's regions and their closed contours, from the data
// elements that dicom.cpp has walked.
#include "structures/structures.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/ligne.h"
#include "structures/dicom.h"

namespace {

constexpr const char *classeRTStruct = "1.2.840.10008.5.1.4.1.1.481.3";
// A structure set of a whole body is a few tens of megabytes.
constexpr qint64 tailleMaxStructures = qint64(512) << 20;
// Coordinates beyond this (mm) are no patient's.
constexpr double coordonneeMaxMm = 1e7;
// Points of one contour on one plane: z equal within this (mm), as exports round it.
constexpr double ecartPlanMm = 1e-3;

const quint32 tagClasse = etiquette(0x0008, 0x0016), tagSyntaxe = etiquette(0x0002, 0x0010),
              tagReferentiels = etiquette(0x3006, 0x0010), tagReferentiel = etiquette(0x0020, 0x0052),
              tagRegions = etiquette(0x3006, 0x0020), tagNumero = etiquette(0x3006, 0x0022),
              tagReferentielRegion = etiquette(0x3006, 0x0024), tagNom = etiquette(0x3006, 0x0026),
              tagCouleur = etiquette(0x3006, 0x002A), tagContoursRegions = etiquette(0x3006, 0x0039),
              tagContours = etiquette(0x3006, 0x0040), tagGeometrie = etiquette(0x3006, 0x0042),
              tagPoints = etiquette(0x3006, 0x0050), tagObservations = etiquette(0x3006, 0x0080),
              tagRegionReferencee = etiquette(0x3006, 0x0084), tagType = etiquette(0x3006, 0x00A4);

bool garde(quint32 tag, int)
{
    for (quint32 t : {tagClasse, tagSyntaxe, tagReferentiels, tagReferentiel, tagRegions, tagNumero,
                      tagReferentielRegion, tagNom, tagCouleur, tagContoursRegions, tagContours, tagGeometrie,
                      tagPoints, tagObservations, tagRegionReferencee, tagType})
        if (tag == t)
            return true;
    return false;
}

// Numbers of a DS or IS value, "a\b\c", in the C locale whatever the user's.
bool nombres(QByteArrayView valeur, std::vector<double> &sortie)
{
    sortie.clear();
    while (!valeur.isEmpty() && (valeur.back() == ' ' || valeur.back() == '\0'))
        valeur.chop(1);
    if (valeur.isEmpty())
        return true;
    qsizetype debut = 0;
    while (debut <= valeur.size()) {
        qsizetype fin = valeur.indexOf('\\', debut);
        if (fin < 0)
            fin = valeur.size();
        const char *p = valeur.data() + debut, *q = valeur.data() + fin;
        while (p < q && *p == ' ')
            ++p;
        while (q > p && q[-1] == ' ')
            --q;
        if (p < q && *p == '+')
            ++p;
        double v = 0.0;
        const auto [fini, erreur] = std::from_chars(p, q, v);
        if (erreur != std::errc() || fini != q || !std::isfinite(v))
            return false;
        sortie.push_back(v);
        debut = fin + 1;
    }
    return true;
}

// An IS value's integer, or nullopt.
std::optional<int> entier(const ElementDicom *element)
{
    std::vector<double> v;
    if (!element || !nombres(element->valeur, v) || v.size() != 1 || v[0] != std::floor(v[0])
        || std::abs(v[0]) > 2147483647.0)
        return std::nullopt;
    return int(v[0]);
}

const std::vector<ArticleDicom> &articles(const ArticleDicom &parent, quint32 tag)
{
    static const std::vector<ArticleDicom> aucun;
    const ElementDicom *e = parent.trouver(tag);
    return e ? e->articles : aucun;
}

// A contour's polygon, in cm, and its plane's z in mm; why not, or empty.
// zHors gets the first z (mm) that differs from the first point's, NaN when
// every point shares it: a contour drawn on another plane, with which the
// region cannot be laid on axial slices.
QString lirePolygone(const ArticleDicom &contour, std::vector<QPointF> &polygone, double &zMm, double &zHors)
{
    std::vector<double> v;
    const ElementDicom *points = contour.trouver(tagPoints);
    if (!points || !nombres(points->valeur, v))
        return QCoreApplication::translate("structures", "(3006,0050) ContourData illisible");
    if (v.size() % 3 != 0)
        return QCoreApplication::translate(
            "structures", "(3006,0050) ContourData de %1 nombres : des triplets x, y, z sont attendus")
            .arg(v.size());
    for (double c : v)
        if (std::abs(c) > coordonneeMaxMm)
            return QCoreApplication::translate(
                "structures", "(3006,0050) ContourData : coordonnée %1 mm hors de ±1e7 mm")
                .arg(c);
    zMm = v.empty() ? 0.0 : v[2];
    zHors = NAN;
    polygone.reserve(v.size() / 3);
    for (size_t i = 0; i < v.size(); i += 3) {
        if (std::isnan(zHors) && std::abs(v[i + 2] - zMm) > ecartPlanMm)
            zHors = v[i + 2];
        polygone.push_back(QPointF(v[i] / 10.0, v[i + 1] / 10.0));
    }
    return QString();
}

// The CLOSED_PLANAR contours of one item of ROIContourSequence, by plane.
QString lireContours(const ArticleDicom &article, RegionRT &region)
{
    struct Lu
    {
        double zMm;
        std::vector<QPointF> polygone;
    };
    std::vector<Lu> lus;
    for (const ArticleDicom &contour : articles(article, tagContours)) {
        if (texteDicom(contour.trouver(tagGeometrie)) != "CLOSED_PLANAR")
            continue;
        Lu lu;
        double zHors = NAN;
        ++region.contours;
        if (const QString refus = lirePolygone(contour, lu.polygone, lu.zMm, zHors); !refus.isEmpty())
            return QCoreApplication::translate("structures", "région « %1 », contour %2 : %3")
                .arg(extrait(region.nom), QString::number(region.contours), refus);
        if (!std::isnan(zHors) && region.refus.isEmpty())
            region.refus = QCoreApplication::translate(
                "structures", "son contour %1 n'est pas sur un plan axial (z de %2 et de %3 mm)")
                               .arg(region.contours)
                               .arg(lu.zMm)
                               .arg(zHors);
        // Fewer than three points enclose nothing.
        if (lu.polygone.size() >= 3)
            lus.push_back(std::move(lu));
    }
    std::stable_sort(lus.begin(), lus.end(), [](const Lu &a, const Lu &b) { return a.zMm < b.zMm; });
    for (Lu &lu : lus) {
        if (region.plans.empty() || lu.zMm - region.plans.back().z * 10.0 > ecartPlanMm)
            region.plans.push_back(PlanContours{lu.zMm / 10.0, {}});
        region.plans.back().polygones.push_back(std::move(lu.polygone));
    }
    return QString();
}

QColor couleur(const ElementDicom *element)
{
    std::vector<double> v;
    if (!element || !nombres(element->valeur, v) || v.size() != 3)
        return QColor();
    for (double c : v)
        if (c < 0 || c > 255 || c != std::floor(c))
            return QColor();
    return QColor(int(v[0]), int(v[1]), int(v[2]));
}

RegionRT *parNumero(QList<RegionRT> &regions, std::optional<int> numero)
{
    for (RegionRT &r : regions)
        if (numero && r.numero == *numero)
            return &r;
    return nullptr;
}

QString lireJeu(const ArticleDicom &dicom, JeuStructures &jeu)
{
    const QString classe = texteDicom(dicom.trouver(tagClasse));
    if (classe != classeRTStruct)
        return QCoreApplication::translate(
            "structures", "(0008,0016) SOPClassUID « %1 » : pas un RT Structure Set (%2)")
            .arg(extrait(classe), classeRTStruct);
    for (const ArticleDicom &a : articles(dicom, tagReferentiels))
        if (const QString uid = texteDicom(a.trouver(tagReferentiel)); !uid.isEmpty())
            jeu.referentiels << uid;
    if (jeu.referentiels.isEmpty())
        return QCoreApplication::translate(
            "structures", "(3006,0010) ReferencedFrameOfReferenceSequence sans FrameOfReferenceUID");
    for (const ArticleDicom &a : articles(dicom, tagRegions)) {
        RegionRT region;
        const std::optional<int> numero = entier(a.trouver(tagNumero));
        if (!numero)
            return QCoreApplication::translate(
                "structures", "(3006,0020) StructureSetROISequence, article %1 : (3006,0022) ROINumber illisible")
                .arg(jeu.regions.size() + 1);
        if (parNumero(jeu.regions, numero))
            return QCoreApplication::translate("structures", "(3006,0022) ROINumber %1 donné à deux régions")
                .arg(*numero);
        region.numero = *numero;
        region.nom = texteDicom(a.trouver(tagNom));
        region.referentiel = texteDicom(a.trouver(tagReferentielRegion));
        if (region.referentiel.isEmpty())
            region.referentiel = jeu.referentiels.first();
        jeu.regions << region;
    }
    for (const ArticleDicom &a : articles(dicom, tagContoursRegions)) {
        RegionRT *region = parNumero(jeu.regions, entier(a.trouver(tagRegionReferencee)));
        if (!region)
            return QCoreApplication::translate(
                "structures", "(3006,0039) ROIContourSequence : (3006,0084) ReferencedROINumber sans région");
        region->couleur = couleur(a.trouver(tagCouleur));
        if (const QString refus = lireContours(a, *region); !refus.isEmpty())
            return refus;
    }
    for (const ArticleDicom &a : articles(dicom, tagObservations))
        if (RegionRT *region = parNumero(jeu.regions, entier(a.trouver(tagRegionReferencee))))
            region->type = texteDicom(a.trouver(tagType));
    return QString();
}

// The file whole, read to its size as the file system gives it: nothing
// is set aside for more than the file holds.
QString lireFichier(const QString &chemin, QByteArray &contenu)
{
    const QFileInfo info(chemin);
    if (!info.isFile())
        return QCoreApplication::translate("structures", "fichier introuvable");
    if (info.size() > tailleMaxStructures)
        return QCoreApplication::translate("structures", "%1 octets, trop grand pour un RT Structure Set")
            .arg(info.size());
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("structures", "illisible (%1)").arg(fichier.errorString());
    contenu = fichier.read(info.size());
    if (contenu.size() != info.size() || fichier.error() != QFileDevice::NoError)
        return QCoreApplication::translate("structures", "illisible (%1)").arg(fichier.errorString());
    return QString();
}

} // namespace

bool lireStructures(const QString &chemin, JeuStructures &jeu, QString *erreur)
{
    QByteArray contenu;
    QString raison = lireFichier(chemin, contenu);
    ArticleDicom dicom;
    JeuStructures lu;
    if (raison.isEmpty())
        raison = lireDicom(contenu, garde, dicom);
    if (raison.isEmpty())
        raison = lireJeu(dicom, lu);
    if (!raison.isEmpty()) {
        if (erreur)
            *erreur = QCoreApplication::translate("structures", "Structures « %1 » : %2").arg(extrait(chemin), raison);
        return false;
    }
    jeu = std::move(lu);
    return true;
}

QString lignesStructures(const JeuStructures &jeu)
{
    QString lignes;
    for (const RegionRT &r : jeu.regions)
        lignes += QString::number(r.numero) + '\t' + surUneLigne(r.nom) + '\t' + surUneLigne(r.type) + '\t'
                  + QString::number(r.contours) + '\n';
    return lignes;
}
