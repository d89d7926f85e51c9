#ifndef QUARVEL_TABLEMATERIAUX_H
#define QUARVEL_TABLEMATERIAUX_H

#include <QList>
#include <QRgb>
#include <QVector>
#include <QWidget>
#include <functional>

#include "model/materiau.h"
#include "window/lignetable.h"

class QButtonGroup;
class QComboBox;
class QTableWidget;
class Session;

// The material table: one row per level of the source in use, its
// "Fond" marks and its three buttons. Its rows show the session's choices
// for that source, and what the user sets goes back into them. It asks for
// files and reports through its signals.
class TableMateriaux : public QWidget
{
    Q_OBJECT

public:
    TableMateriaux(Session &session, const QList<Milieu> &milieux, QWidget *parent = nullptr);

    // The rows of suivants, each swatch in its level's colour, "Fond" on
    // level fond (else on the first row); a note when fond has gone.
    QString remplir(const QVector<int> &suivants, int fond, const std::function<QRgb(int)> &couleur);
    // The same, "Fond" staying where it is, the rows' choices kept.
    QString reconstruire(const QVector<int> &suivants, const std::function<QRgb(int)> &couleur);
    // Keeps the rows' choices in the session and gives the level marked
    // "Fond", or else the loaded table's when suivants holds it; -1 for none.
    int fondRetenu(const QVector<int> &suivants);

    const QList<LigneTable> &lignes() const { return lignesTable; }
    QTableWidget *tableau() const { return table; }

    // The buttons' work, once the file is known.
    void completer();
    void charger(const QString &chemin);
    void enregistrer(QString chemin);

signals:
    void message(const QString &texte);
    void chargementDemande();
    void enregistrementDemande();

private:
    void ajouterLigne(int i, int niveau, int fond, QRgb couleur);
    void ajusterLargeur();
    void nomChoisi(int niveau, QComboBox *nom, QComboBox *densite, int k);
    void nomSaisi(int niveau, QComboBox *nom, QComboBox *densite);

    Session &session;
    const QList<Milieu> &milieux;
    QTableWidget *table;
    QButtonGroup *groupeFond; // one "Fond" checked at a time
    QObject *filtreMolette;   // sends the wheel over the rows' boxes to the table
    QList<LigneTable> lignesTable;
    QVector<int> niveaux;
};

#endif
