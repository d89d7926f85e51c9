#include "viewer/coupe.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

#include "dose/dose.h"
#include "egsphant/lecture.h"
#include "viewer/couleurs.h"
#include "viewer/couleursdose.h"

namespace {

// Edges of the voxels along an axis, from 0, each width taken as it is
// drawn: its size whatever the sign. Boundaries that do not spread (all
// equal) give every voxel the same width.
std::vector<double> bords(const std::vector<double> &bornes)
{
    std::vector<double> b{0.0};
    for (size_t i = 0; i + 1 < bornes.size(); ++i)
        b.push_back(b.back() + std::fabs(bornes[i + 1] - bornes[i]));
    if (!(b.back() > 0) || !std::isfinite(b.back()))
        for (size_t i = 0; i < b.size(); ++i)
            b[i] = double(i);
    return b;
}

// Voxel of each of n pixels spread over the edges, by its pixel centre.
std::vector<int> voxelsDesPixels(const std::vector<double> &b, int n)
{
    std::vector<int> v(size_t(std::max(n, 0)));
    const double total = b.back();
    size_t i = 0;
    for (int p = 0; p < n; ++p) {
        const double x = (p + 0.5) / n * total;
        while (i + 2 < b.size() && b[i + 1] <= x)
            ++i;
        v[size_t(p)] = int(i);
    }
    return v;
}

// First pixel of a voxel and how many pixels show it, from the voxel of
// each pixel in order; no pixel for a voxel thinner than one.
std::pair<int, int> etendue(const std::vector<int> &pixels, int voxel)
{
    const auto debut = std::lower_bound(pixels.begin(), pixels.end(), voxel);
    const auto fin = std::upper_bound(debut, pixels.end(), voxel);
    return {int(debut - pixels.begin()), int(fin - debut)};
}

constexpr int coteExport = 512;        // the longer side of an exported slice reaches this
constexpr int coteExportMax = 16384;

// Width of every voxel along an axis when they are all even, else 0.
double pasRegulier(const std::vector<double> &b)
{
    const double pas = b[1] - b[0];
    for (size_t i = 1; i + 1 < b.size(); ++i)
        if (std::fabs(b[i + 1] - b[i] - pas) > 1e-6 * pas)
            return 0;
    return pas;
}

bool presqueEntier(double v)
{
    return std::fabs(v - std::round(v)) < 1e-6 * std::max(1.0, v);
}

// Pixels for the narrowest voxel of an exported slice: the least whole
// number giving 512 on the longer side, raised if need be (within the size
// limit) until each axis of even voxels gets a whole number of pixels a
// voxel too (0.1 and 0.25 cm: 2 and 5 pixels, not 1 and 2 or 3 by turns).
double echelleExport(const std::vector<double> &abscisses, const std::vector<double> &ordonnees, double plusEtroit)
{
    const double cote = std::max(abscisses.back(), ordonnees.back()) / plusEtroit;
    // The slack keeps sums of rounded widths (511.9999…) at one pixel a voxel.
    const double premiere = std::max(1.0, std::ceil(coteExport / cote - 1e-6));
    const double pas[2] = {pasRegulier(abscisses) / plusEtroit, pasRegulier(ordonnees) / plusEtroit};
    for (double k = premiere; k * cote <= coteExportMax; ++k)
        if (presqueEntier(k * pas[0]) && presqueEntier(k * pas[1]))
            return k;
    return premiere;
}

} // namespace

VueCoupe::VueCoupe(PlanCoupe plan, QWidget *parent) : QWidget(parent), plan_(plan)
{
    const int choix[3][3] = {{0, 1, 2}, {0, 2, 1}, {1, 2, 0}};
    std::copy(choix[int(plan)], choix[int(plan)] + 3, axes);
    setMouseTracking(true);
    setMinimumSize(120, 120);
}

void VueCoupe::montrer(const Fantome *f)
{
    fantome = f;
    position_ = 0;
    reperes = {0, 0, 0};
    couleursMilieux.clear();
    if (f) {
        couleursMilieux = ::couleursMilieux(f->noms);
        abscisses = bords(f->bornes[axes[0]]);
        ordonnees = bords(f->bornes[axes[1]]);
    }
    calculerCadre();
}

void VueCoupe::placer(int position)
{
    if (position == position_)
        return;
    position_ = position;
    cache = QImage();
    update();
}

void VueCoupe::colorer(Coloration c, double min, double max)
{
    coloration = c;
    densiteMin = min;
    densiteMax = max;
    couleursDensites.clear();
    if (fantome && !fantome->densitesDirectes)
        for (double d : fantome->valeursDensite)
            couleursDensites.push_back(couleurDensite(max > min ? (d - min) / (max - min) : 0.5));
    cache = QImage();
    update();
}

void VueCoupe::marquer(int axe, int position)
{
    reperes[size_t(axe)] = position;
    update();
}

void VueCoupe::montrerReperes(bool montres)
{
    reperesMontres = montres;
    update();
}

void VueCoupe::montrerDose(const DoseMontree &dose)
{
    doseMontree = dose;
    cache = QImage();
    update();
}

void VueCoupe::calculerCadre()
{
    cache = QImage();
    colonnes.clear();
    rangees.clear();
    cadre = QRect();
    // Room above and to the left for the axes' names.
    const int marge = fontMetrics().height() + 4;
    const QRect zone = rect().adjusted(marge, marge, 0, 0);
    if (!fantome || fantome->nombreVoxels() == 0 || zone.width() <= 0 || zone.height() <= 0) {
        update();
        return;
    }
    const double largeur = abscisses.back(), hauteur = ordonnees.back();
    const double echelle = std::min(zone.width() / largeur, zone.height() / hauteur);
    const int w = std::max(1, int(largeur * echelle)), h = std::max(1, int(hauteur * echelle));
    cadre = QRect(zone.left() + (zone.width() - w) / 2, zone.top() + (zone.height() - h) / 2, w, h);
    colonnes = voxelsDesPixels(abscisses, w);
    rangees = voxelsDesPixels(ordonnees, h);
    update();
}

QRgb VueCoupe::couleur(qint64 v) const
{
    if (coloration == Coloration::Milieux)
        return couleursMilieux[size_t(fantome->milieu(v))];
    if (!fantome->densitesDirectes)
        return couleursDensites[size_t(fantome->placeDensite(v))];
    const double d = fantome->densite(v);
    return couleurDensite(densiteMax > densiteMin ? (d - densiteMin) / (densiteMax - densiteMin) : 0.5);
}

std::vector<QRgb> VueCoupe::couleursTranche() const
{
    const int nl = fantome->dim[axes[0]], nh = fantome->dim[axes[1]];
    std::vector<QRgb> tranche(size_t(nl) * nh);
    int c[3];
    c[axes[2]] = position_;
    for (int j = 0; j < nh; ++j) {
        c[axes[1]] = j;
        c[axes[0]] = 0;
        const qint64 debut = fantome->indice(c[0], c[1], c[2]);
        const qint64 pas = axes[0] == 0 ? 1 : fantome->dim[0];
        for (int i = 0; i < nl; ++i)
            tranche[size_t(j) * nl + i] = couleur(debut + i * pas);
    }
    if (!doseMontree.dose)
        return tranche;
    const std::vector<double> &niveaux = doseMontree.niveaux;
    const double plusBas = niveaux.empty() ? 0.0 : *std::min_element(niveaux.begin(), niveaux.end());
    const std::vector<float> doses = dosesTranche();
    for (size_t k = 0; k < tranche.size(); ++k) {
        const double t = doses[k] / doseMontree.reference;
        if (t > 0 && t * 100 >= plusBas)
            tranche[k] = melanger(tranche[k], couleurDose(t), doseMontree.opacite);
    }
    return tranche;
}

// The slice's doses, across then down, read once from the grid.
std::vector<float> VueCoupe::dosesTranche() const
{
    const int nl = fantome->dim[axes[0]], nh = fantome->dim[axes[1]];
    std::vector<float> doses(size_t(nl) * nh);
    int c[3];
    c[axes[2]] = position_;
    const qint64 pas = axes[0] == 0 ? 1 : fantome->dim[0];
    for (int j = 0; j < nh; ++j) {
        c[axes[1]] = j;
        c[axes[0]] = 0;
        const float *d = doseMontree.dose->doses.get() + fantome->indice(c[0], c[1], c[2]);
        for (int i = 0; i < nl; ++i)
            doses[size_t(j) * nl + i] = d[i * pas];
    }
    return doses;
}

QImage VueCoupe::rendu(QSize taille, const std::vector<int> &colonnesImage,
                       const std::vector<int> &rangeesImage) const
{
    // The slice's colours once per voxel, then spread over the pixels.
    const std::vector<QRgb> tranche = couleursTranche();
    const int nl = fantome->dim[axes[0]];
    QImage image(taille, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *ligne = tranche.data() + size_t(rangeesImage[size_t(y)]) * nl;
        auto *sortie = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            sortie[x] = ligne[colonnesImage[size_t(x)]];
    }
    return image;
}

QImage VueCoupe::image() const
{
    if (cache.isNull() && !cadre.isEmpty()) {
        cache = rendu(cadre.size(), colonnes, rangees);
        if (doseMontree.dose && !doseMontree.niveaux.empty())
            tracerIsodoses(cache);
    }
    return cache;
}

namespace {

// For each pixel along an axis of the frame, the voxel border near it
// (from 1, the border before that voxel; -1 for none) and where it lies
// from the border: the line on the two pixels at it (-1, 0), a dark edge
// on the pixel each side (-2, 1).
void bordsProches(const std::vector<int> &pixels, std::vector<int> &bord, std::vector<int> &ecart)
{
    const int n = int(pixels.size());
    bord.assign(size_t(n), -1);
    ecart.assign(size_t(n), 0);
    const auto proche = [](int d) { return d == -1 || d == 0 ? 0 : 1; };
    for (int p = 1; p < n; ++p) {
        if (pixels[size_t(p)] == pixels[size_t(p) - 1])
            continue;
        for (int d = -2; d <= 1; ++d)
            if (p + d >= 0 && p + d < n
                && (bord[size_t(p + d)] < 0 || proche(d) < proche(ecart[size_t(p + d)]))) {
                bord[size_t(p + d)] = pixels[size_t(p)];
                ecart[size_t(p + d)] = d;
            }
    }
}

} // namespace

// The isodose lines drawn into the slice's pixels, along the voxels'
// borders: where two neighbours reach different levels, the lowest level
// between them in its colour, two pixels wide, edged in black. Pixel by pixel, so a noisy
// dose costs no more than a smooth one.
void VueCoupe::tracerIsodoses(QImage &image) const
{
    std::vector<double> seuils = doseMontree.niveaux;
    std::sort(seuils.begin(), seuils.end());
    std::vector<QRgb> couleurs;
    for (double &seuil : seuils) {
        couleurs.push_back(couleurDose(seuil / 100));
        seuil = seuil / 100 * doseMontree.reference;
    }
    // Each voxel's level: how many thresholds its dose reaches.
    const std::vector<float> doses = dosesTranche();
    std::vector<quint8> niveau(doses.size());
    for (size_t k = 0; k < doses.size(); ++k)
        niveau[k] = quint8(std::upper_bound(seuils.begin(), seuils.end(), double(doses[k])) - seuils.begin());
    const int nl = fantome->dim[axes[0]];
    std::vector<int> bordX, ecartX, bordY, ecartY;
    bordsProches(colonnes, bordX, ecartX);
    bordsProches(rangees, bordY, ecartY);
    const auto trait = [&](quint8 a, quint8 b) { return couleurs[std::min(a, b)]; };
    for (int y = 0; y < image.height(); ++y) {
        const int j = rangees[size_t(y)];
        const quint8 *ligne = niveau.data() + size_t(j) * nl;
        auto *sortie = reinterpret_cast<QRgb *>(image.scanLine(y));
        const int by = bordY[size_t(y)];
        const quint8 *dessus = by > 0 ? niveau.data() + size_t(by - 1) * nl : nullptr;
        const quint8 *dessous = by > 0 ? niveau.data() + size_t(by) * nl : nullptr;
        for (int x = 0; x < image.width(); ++x) {
            const int i = colonnes[size_t(x)], bx = bordX[size_t(x)];
            bool noir = false;
            if (bx > 0 && ligne[bx - 1] != ligne[bx]) {
                if (ecartX[size_t(x)] == 0 || ecartX[size_t(x)] == -1) {
                    sortie[x] = trait(ligne[bx - 1], ligne[bx]);
                    continue;
                }
                noir = true;
            }
            if (dessus && dessus[i] != dessous[i]) {
                if (ecartY[size_t(y)] == 0 || ecartY[size_t(y)] == -1) {
                    sortie[x] = trait(dessus[i], dessous[i]);
                    continue;
                }
                noir = true;
            }
            if (noir)
                sortie[x] = qRgb(0, 0, 0);
        }
    }
}

QImage VueCoupe::imageExportee(QString *raison) const
{
    if (!fantome || fantome->nombreVoxels() == 0) {
        *raison = tr("aucune coupe à exporter");
        return QImage();
    }
    double plusEtroit = std::numeric_limits<double>::infinity();
    for (const std::vector<double> *b : {&abscisses, &ordonnees})
        for (size_t i = 0; i + 1 < b->size(); ++i)
            if ((*b)[i + 1] > (*b)[i])
                plusEtroit = std::min(plusEtroit, (*b)[i + 1] - (*b)[i]);
    const double largeur = abscisses.back() / plusEtroit, hauteur = ordonnees.back() / plusEtroit;
    const double echelle = echelleExport(abscisses, ordonnees, plusEtroit);
    const double w = std::round(largeur * echelle), h = std::round(hauteur * echelle);
    if (!(w <= coteExportMax && h <= coteExportMax)) {
        *raison = tr("image trop grande (%1 × %2 pixels, %3 au plus par côté)")
                      .arg(w, 0, 'f', 0)
                      .arg(h, 0, 'f', 0)
                      .arg(coteExportMax);
        return QImage();
    }
    QImage image = rendu(QSize(int(w), int(h)), voxelsDesPixels(abscisses, int(w)), voxelsDesPixels(ordonnees, int(h)));
    if (image.isNull())
        *raison = tr("mémoire insuffisante pour l'image");
    return image;
}

void VueCoupe::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    peintre.fillRect(rect(), palette().window());
    const QImage im = image();
    if (im.isNull())
        return;
    peintre.drawImage(cadre.topLeft(), im);
    dessinerAxes(peintre);
    dessinerReperes(peintre);
}

void VueCoupe::dessinerAxes(QPainter &peintre) const
{
    // Each name at the first voxel's corner, its arrow the way the index grows.
    const char *const noms = "xyz";
    const QFontMetrics mesures = fontMetrics();
    peintre.setPen(palette().windowText().color());
    peintre.drawText(cadre.left(), cadre.top() - 2 - mesures.descent(), QString("%1 →").arg(noms[axes[0]]));
    const QRect gauche(cadre.left() - mesures.height() - 4, cadre.top(), mesures.height() + 2, 2 * mesures.height());
    peintre.drawText(gauche, Qt::AlignRight | Qt::AlignTop, QString("%1\n↓").arg(noms[axes[1]]));
}

void VueCoupe::dessinerReperes(QPainter &peintre) const
{
    if (!reperesMontres)
        return;
    const auto [x, w] = etendue(colonnes, reperes[size_t(axes[0])]);
    const auto [y, h] = etendue(rangees, reperes[size_t(axes[1])]);
    const int px = cadre.left() + std::min(x + w / 2, cadre.width() - 1);
    const int py = cadre.top() + std::min(y + h / 2, cadre.height() - 1);
    // Black dashes over white: seen on every colour of the slice.
    for (const QPen &stylo : {QPen(Qt::white, 1), QPen(Qt::black, 1, Qt::DashLine)}) {
        peintre.setPen(stylo);
        peintre.drawLine(px, cadre.top(), px, cadre.bottom());
        peintre.drawLine(cadre.left(), py, cadre.right(), py);
    }
}

void VueCoupe::resizeEvent(QResizeEvent *)
{
    calculerCadre();
}

bool VueCoupe::voxelEn(const QPoint &point, std::array<int, 3> &voxel) const
{
    if (!cadre.contains(point))
        return false;
    voxel[size_t(axes[0])] = colonnes[size_t(point.x() - cadre.left())];
    voxel[size_t(axes[1])] = rangees[size_t(point.y() - cadre.top())];
    voxel[size_t(axes[2])] = position_;
    return true;
}

QRect VueCoupe::rectangleVoxel(int largeur, int hauteur) const
{
    const auto [x, w] = etendue(colonnes, largeur);
    const auto [y, h] = etendue(rangees, hauteur);
    return w > 0 && h > 0 ? QRect(cadre.left() + x, cadre.top() + y, w, h) : QRect();
}

void VueCoupe::mouseMoveEvent(QMouseEvent *evenement)
{
    std::array<int, 3> voxel;
    if (survol && voxelEn(evenement->position().toPoint(), voxel))
        survol(voxel);
}

void VueCoupe::mousePressEvent(QMouseEvent *evenement)
{
    std::array<int, 3> voxel;
    if (clic && voxelEn(evenement->position().toPoint(), voxel))
        clic(voxel);
}
