#ifndef QUARVEL_PANNEAURAMPE_H
#define QUARVEL_PANNEAURAMPE_H

#include <QWidget>

class QLineEdit;
class QTableWidget;
class Session;
struct Rampe;

// The ramp of a CT, where the material table stands: its lowest bound,
// its rows (name, HU max, density min and max) and four buttons. Rows are
// added and taken away here; its files are asked for by its signals.
class PanneauRampe : public QWidget
{
    Q_OBJECT

public:
    explicit PanneauRampe(QWidget *parent = nullptr);

    // From now on, while a CT is the session's source and the table is
    // empty, the catalogue's media give it the default ramp, at once: on a
    // switch to the CT, a CT read, a catalogue read.
    void suivre(const Session &session);

    void montrer(const Rampe &rampe);
    // The ramp as the rows hold it, or why not in *erreur.
    bool lire(Rampe &rampe, QString *erreur) const;
    bool vide() const;
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
    void rampeParDefautSiVide(const Session &session);

    QLineEdit *borneMin;
    QTableWidget *table;
};

#endif
