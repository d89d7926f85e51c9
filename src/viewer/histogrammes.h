#ifndef QUARVEL_HISTOGRAMMES_H
#define QUARVEL_HISTOGRAMMES_H

#include <QList>

#include "viewer/panneau.h"

class QChart;
class QLineSeries;
struct Dose;
struct Fantome;

// Each medium's cumulative dose-volume histogram, in its colour, with a
// mark at the dose under the cursor. Its CSV is the batch command's --dvh.
class PanneauHistogrammes : public PanneauExportable
{
    Q_OBJECT

public:
    explicit PanneauHistogrammes(Choix choisir, QWidget *parent = nullptr);

    // The dose over the phantom, or none; both outlive what is shown.
    void montrer(const Fantome *fantome, const Dose *dose, const QString &dossier);
    // Marks this dose.
    void suivre(double dose);

    QChart *graphique;
    QList<QLineSeries *> courbes; // one per medium of the phantom
    QLineSeries *repere;

protected:
    QByteArray texteCsv() const override;
};

#endif
