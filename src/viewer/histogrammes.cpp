#include "viewer/histogrammes.h"

#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <QVBoxLayout>

#include "dose/bilandose.h"
#include "dose/dose.h"
#include "egsphant/lecture.h"
#include "viewer/couleurs.h"

PanneauHistogrammes::PanneauHistogrammes(Choix choisir, QWidget *parent)
    : PanneauExportable(tr("Histogrammes"), std::move(choisir), parent), graphique(new QChart), repere(new QLineSeries)
{
    auto *axeDose = new QValueAxis, *axeVolume = new QValueAxis;
    axeDose->setTitleText(tr("Dose (unité du fichier)"));
    axeDose->setLabelFormat("%.2g");
    axeVolume->setTitleText("Volume (%)");
    axeVolume->setRange(0, 100);
    axeVolume->setLabelFormat("%g");
    graphique->addAxis(axeDose, Qt::AlignBottom);
    graphique->addAxis(axeVolume, Qt::AlignLeft);
    repere->setPen(QPen(Qt::gray, 1, Qt::DashLine));
    graphique->addSeries(repere);
    repere->attachAxis(axeDose);
    repere->attachAxis(axeVolume);
    graphique->legend()->markers(repere).first()->setVisible(false);
    graphique->legend()->setAlignment(Qt::AlignRight);
    graphique->setMargins(QMargins(2, 2, 2, 2));
    graphique->setBackgroundRoundness(0);
    auto *vue = new QChartView(graphique);
    vue->setRenderHint(QPainter::Antialiasing);
    auto *boite = new QVBoxLayout;
    boite->setContentsMargins(0, 0, 0, 0);
    boite->addWidget(vue, 1);
    boite->addLayout(barre);
    setLayout(boite);
}

void PanneauHistogrammes::montrer(const Fantome *f, const Dose *d, const QString &dossierFichier)
{
    retenir(f, d, dossierFichier);
    for (QLineSeries *courbe : courbes)
        graphique->removeSeries(courbe);
    qDeleteAll(courbes);
    courbes.clear();
    repere->clear();
    if (!d)
        return;
    const double maximum = doseMaximale(*d);
    const std::vector<std::vector<double>> hdv = histogrammeCumule(*f, *d, maximum, pasHistogramme);
    const std::vector<QRgb> couleurs = couleursMilieux(f->noms);
    for (int m = 0; m < f->noms.size(); ++m) {
        auto *courbe = new QLineSeries;
        courbe->setName(f->noms[m].trimmed());
        courbe->setPen(QPen(QColor(couleurs[size_t(m)]), 2));
        for (int k = 0; k <= pasHistogramme; ++k)
            courbe->append(k * maximum / pasHistogramme, hdv[size_t(m)][size_t(k)]);
        graphique->addSeries(courbe);
        courbe->attachAxis(graphique->axes(Qt::Horizontal).first());
        courbe->attachAxis(graphique->axes(Qt::Vertical).first());
        courbes << courbe;
    }
    graphique->axes(Qt::Horizontal).first()->setRange(0.0, maximum > 0 ? maximum : 1.0);
}

void PanneauHistogrammes::suivre(double d)
{
    if (dose)
        repere->replace({QPointF(d, 0), QPointF(d, 100)});
}

QByteArray PanneauHistogrammes::texteCsv() const
{
    return dose ? texteHistogrammeCumule(*fantome, *dose) : QByteArray();
}
