#ifndef QUARVEL_PANNEAURAMPE_H
#define QUARVEL_PANNEAURAMPE_H

#include <QWidget>

class QLineEdit;
class QTableWidget;
class Session;
struct Rampe;

// The ramp of a CT, where the material table stands: its lowest bound,
// its rows (name, HU max, density min and max) and four buttons. It shows
// the session's ramp and writes back each text typed, row added or taken
// away; its files are asked for by its signals.
class PanneauRampe : public QWidget
{
    Q_OBJECT

public:
    // While a CT is the session's source and its ramp is empty, the
    // catalogue's media give it the default ramp, at once: on a switch to
    // the CT, a CT read, a catalogue read.
    explicit PanneauRampe(Session &session, QWidget *parent = nullptr);

    // Under the buttons, what goes with the ramp for a CT: its structures.
    void placerSous(QWidget *widget);

    // The buttons' work, once the file is known.
    void charger(const QString &chemin);
    void enregistrer(const QString &chemin);

signals:
    void message(const QString &texte);
    void chargementDemande();
    void enregistrementDemande();

private:
    void rampeParDefautSiVide();
    void montrer();
    void ecrire();

    Session &session;
    QLineEdit *borneMin;
    QTableWidget *table;
    bool enMontrant = false, enEcrivant = false; // a change made here is not shown again
};

#endif
