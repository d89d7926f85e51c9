#include "viewer/profils.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <QVBoxLayout>

#include "dose/bilandose.h"
#include "dose/dose.h"
#include "egsphant/lecture.h"
#include "viewer/couleurs.h"
#include "viewer/couleursdose.h"

PanneauProfils::PanneauProfils(Choix choisir, QWidget *parent)
    : PanneauExportable(tr("Profils"), std::move(choisir), parent)
{
    auto *boite = new QVBoxLayout;
    boite->setContentsMargins(0, 0, 0, 0);
    boite->setSpacing(0);
    for (int a = 0; a < 3; ++a) {
        graphiques[size_t(a)] = new QChart;
        QChart *g = graphiques[size_t(a)];
        courbes[size_t(a)] = new QLineSeries;
        courbes[size_t(a)]->setPen(QPen(Qt::black, 1.5));
        g->addSeries(courbes[size_t(a)]);
        // Three charts in a quarter of the window: small labels, the axis
        // named beside the chart rather than under it.
        auto *position = new QValueAxis, *valeur = new QValueAxis;
        QFont petite = position->labelsFont();
        petite.setPointSizeF(petite.pointSizeF() * 0.8);
        position->setLabelsFont(petite);
        valeur->setLabelsFont(petite);
        position->setLabelFormat("%g");
        position->setTickCount(5);
        valeur->setLabelFormat("%.2g");
        valeur->setTickCount(3);
        g->addAxis(position, Qt::AlignBottom);
        g->addAxis(valeur, Qt::AlignLeft);
        courbes[size_t(a)]->attachAxis(position);
        courbes[size_t(a)]->attachAxis(valeur);
        g->legend()->hide();
        g->setMargins(QMargins(2, 2, 2, 2));
        g->setBackgroundRoundness(0);
        g->setPlotAreaBackgroundVisible(true);
        connect(g, &QChart::plotAreaChanged, this, [this, a] { peindreBandes(a); });
        auto *vue = new QChartView(g);
        vue->setRenderHint(QPainter::Antialiasing);
        vue->setMinimumHeight(80);
        auto *ligne = new QHBoxLayout;
        ligne->addWidget(new QLabel(QString("%1 (cm)").arg(QChar("xyz"[a]))));
        ligne->addWidget(vue, 1);
        boite->addLayout(ligne, 1);
    }
    boite->addLayout(barre);
    setLayout(boite);
}

void PanneauProfils::montrer(const Fantome *f, const Dose *d, const QString &dossierFichier)
{
    retenir(f, d, dossierFichier);
    voxel = {0, 0, 0};
    const double maximum = d ? doseMaximale(*d) : 0.0;
    for (int a = 0; a < 3; ++a) {
        QChart *g = graphiques[size_t(a)];
        g->axes(Qt::Vertical).first()->setRange(0.0, maximum > 0 ? maximum * 1.05 : 1.0);
        if (d)
            g->axes(Qt::Horizontal).first()->setRange(d->bornes[a].front(), d->bornes[a].back());
        courbes[size_t(a)]->clear();
        peindreBandes(a);
    }
}

qint64 PanneauProfils::voxelSur(int axe, int k) const
{
    std::array<int, 3> c = voxel;
    c[size_t(axe)] = k;
    return dose->indice(c[0], c[1], c[2]);
}

void PanneauProfils::suivre(const std::array<int, 3> &v)
{
    if (!dose)
        return;
    voxel = v;
    for (int a = 0; a < 3; ++a) {
        // A step per voxel: its dose across its whole width.
        const std::vector<double> &b = dose->bornes[a];
        QList<QPointF> points;
        points.reserve(2 * qsizetype(dose->dim[a]));
        for (int k = 0; k < dose->dim[a]; ++k) {
            const double d = dose->dose(voxelSur(a, k));
            points << QPointF(b[size_t(k)], d) << QPointF(b[size_t(k) + 1], d);
        }
        courbes[size_t(a)]->replace(points);
        peindreBandes(a);
    }
}

void PanneauProfils::peindreBandes(int axe)
{
    QChart *g = graphiques[size_t(axe)];
    const QRectF zone = g->plotArea();
    if (!dose || !fantome || zone.width() < 1 || zone.height() < 1) {
        g->setPlotAreaBackgroundBrush(Qt::white);
        return;
    }
    // Each medium's colour, pale enough for the line to read over it.
    const std::vector<double> &b = dose->bornes[axe];
    QImage bandes(int(zone.width()), 1, QImage::Format_RGB32);
    const std::vector<QRgb> couleurs = couleursMilieux(fantome->noms);
    size_t k = 0;
    for (int x = 0; x < bandes.width(); ++x) {
        const double position = b.front() + (x + 0.5) / bandes.width() * (b.back() - b.front());
        while (k + 2 < b.size() && b[k + 1] <= position)
            ++k;
        bandes.setPixel(x, 0, melanger(couleurs[size_t(fantome->milieu(voxelSur(axe, int(k))))], qRgb(255, 255, 255), 0.6));
    }
    QBrush pinceau(bandes.scaled(bandes.width(), int(zone.height())));
    pinceau.setTransform(QTransform::fromTranslate(zone.left(), zone.top()));
    g->setPlotAreaBackgroundBrush(pinceau);
}

QByteArray PanneauProfils::texteCsv() const
{
    QString texte = "axe,position_cm,dose,incertitude,milieu\n";
    if (!dose)
        return texte.toUtf8();
    for (int a = 0; a < 3; ++a)
        for (int k = 0; k < dose->dim[a]; ++k) {
            const qint64 v = voxelSur(a, k);
            const std::vector<double> &b = dose->bornes[a];
            texte += QString("%1,%2,%3,%4,%5\n")
                         .arg(QChar("xyz"[a]))
                         .arg(nombreDose((b[size_t(k)] + b[size_t(k) + 1]) / 2), nombreDose(dose->dose(v)),
                              dose->aIncertitudes() ? nombreDose(dose->incertitude(v)) : QString("-"),
                              fantome->noms[fantome->milieu(v)].trimmed());
        }
    return texte.toUtf8();
}
