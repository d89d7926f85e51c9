#ifndef QUARVEL_WINDOW_STRUCTURES_H
#define QUARVEL_WINDOW_STRUCTURES_H

#include <QGroupBox>
#include <QList>
#include <QString>
#include <functional>

#include "model/materiau.h"
#include "structures/table.h"
#include "window/imageplan.h"

class QComboBox;
class QPushButton;
class QTableWidget;
class Session;
struct VolumeCT;

// The CT's structures panel: the RT Structure Set chosen with its
// "Structures…" button, one row per region (its colour, its name, a tick, a
// medium, a density), the region whose outside takes its medium, and the
// choices saved to and loaded from a table file. It shows the session's set
// and choices and writes back each one made. Its medium boxes offer the
// session's catalogue, media read later included.
class PanneauStructures : public QGroupBox
{
    Q_OBJECT

public:
    using Chooser = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;

    // The window's file choosers, read when used, so that the window's tests
    // serve here too.
    PanneauStructures(const Chooser &ouvrir, const Chooser &enregistrer, Session &session);

    // "Structures…", for the window to place beside the CT's row.
    QPushButton *boutonChoisir() const { return bouton; }
    // The regions' contours on CT slice coupe, in its pixels.
    QList<TraceImage> contours(const VolumeCT &ct, int coupe) const;

signals:
    // One status line for the window.
    void message(const QString &texte);

private:
    void choisir();
    void charger();
    void enregistrer();
    void remplir();
    void offrirMilieux(QComboBox *boite) const;
    void suivreCatalogue();
    TableStructures lue() const;
    void ecrireChoix();
    void exterieurCoche(int ligne);

    const Chooser &ouvrir, &enregistrement;
    Session &session;
    QPushButton *bouton;
    QPushButton *boutonsChoix[2]; // load and save: once a set is read
    QTableWidget *table;
    bool enMontrant = false, enEcrivant = false; // a choice made here is not shown again
};

#endif
