#include "viewer/coupe.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "egsphant/lecture.h"
#include "viewer/couleurs.h"

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
    couleursMilieux.clear();
    if (f) {
        for (int m = 0; m < f->noms.size(); ++m)
            couleursMilieux.push_back(couleurMilieu(m));
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

void VueCoupe::calculerCadre()
{
    cache = QImage();
    colonnes.clear();
    rangees.clear();
    cadre = QRect();
    if (!fantome || fantome->nombreVoxels() == 0 || width() <= 0 || height() <= 0) {
        update();
        return;
    }
    const double largeur = abscisses.back(), hauteur = ordonnees.back();
    const double echelle = std::min(width() / largeur, height() / hauteur);
    const int w = std::max(1, int(largeur * echelle)), h = std::max(1, int(hauteur * echelle));
    cadre = QRect((width() - w) / 2, (height() - h) / 2, w, h);
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

QImage VueCoupe::rendu() const
{
    if (cadre.isEmpty())
        return QImage();
    // The slice's colours once per voxel, then spread over the pixels.
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
    QImage image(cadre.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *ligne = tranche.data() + size_t(rangees[size_t(y)]) * nl;
        auto *sortie = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            sortie[x] = ligne[colonnes[size_t(x)]];
    }
    return image;
}

QImage VueCoupe::image() const
{
    if (cache.isNull())
        cache = rendu();
    return cache;
}

void VueCoupe::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    peintre.fillRect(rect(), palette().window());
    const QImage im = image();
    if (!im.isNull())
        peintre.drawImage(cadre.topLeft(), im);
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
    auto etendue = [](const std::vector<int> &pixels, int voxel) {
        const auto debut = std::find(pixels.begin(), pixels.end(), voxel);
        const auto fin = std::find_if(debut, pixels.end(), [voxel](int v) { return v != voxel; });
        return std::make_pair(int(debut - pixels.begin()), int(fin - debut));
    };
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
