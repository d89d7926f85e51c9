#ifndef QUARVEL_WINDOW_STRUCTURES_H
#define QUARVEL_WINDOW_STRUCTURES_H

#include <QGroupBox>
#include <QList>
#include <QString>
#include <functional>

#include "model/materiau.h"
#include "session/constructionct.h"
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
// choices saved to and loaded from a table file. Its medium boxes offer the
// session's catalogue, media read later included.
class PanneauStructures : public QGroupBox
{
    Q_OBJECT

public:
    using Chooser = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;

    // The window's file choosers, read when used, so that the window's tests
    // serve here too.
    PanneauStructures(const Chooser &ouvrir, const Chooser &enregistrer, const Session &session);

    // "Structures…", for the window to place beside the CT's row.
    QPushButton *boutonChoisir() const { return bouton; }
    // The series the contours lie on: its FrameOfReferenceUID.
    void poserSur(const QString &referentiel);
    // The choices read against the catalogue, as the pipeline takes them,
    // or the refusal, a series they cannot lie on (ct) included.
    QString structures(const VolumeCT &ct, StructuresCT &structures) const;
    // The regions' contours on CT slice coupe, in its pixels.
    QList<TraceImage> contours(const VolumeCT &ct, int coupe) const;

signals:
    // One status line for the window.
    void message(const QString &texte);
    // Another set read: the contours shown change.
    void jeuChange();

private:
    void choisir();
    void charger();
    void enregistrer();
    void remplir(const TableStructures &table);
    void offrirMilieux(QComboBox *boite) const;
    void suivreCatalogue();
    TableStructures lue() const;
    void exterieurCoche(int ligne);

    const Chooser &ouvrir, &enregistrement;
    const QList<Milieu> &catalogue;
    QPushButton *bouton;
    QPushButton *boutonsChoix[2]; // load and save: once a set is read
    QTableWidget *table;
    QString fichier, referentiel;
    JeuStructures jeu;
};

#endif
