#ifndef QUARVEL_TABLEMATERIAUX_H
#define QUARVEL_TABLEMATERIAUX_H

#include <QList>
#include <QRgb>
#include <QVector>
#include <QWidget>

#include "model/materiau.h"
#include "session/session.h"
#include "window/lignetable.h"

class QButtonGroup;
class QComboBox;
class QTableWidget;

// The material table: one row per level of the source in use, its
// "Fond" marks and its three buttons. Its rows follow the session: its
// source, its levels and its catalogue, each row on the session's choice
// for its level; what the user sets goes back into them. It asks for files
// and reports through its signals.
class TableMateriaux : public QWidget
{
    Q_OBJECT

public:
    explicit TableMateriaux(Session &session, QWidget *parent = nullptr);

    // What the last rebuild has to tell the user: the "Fond" moved off a
    // level that left; empty when it stayed.
    const QString &note() const { return noteFond; }

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
    // The session's signals: another source, its levels, more media.
    void suivreSource();
    void suivreNiveaux();
    void suivreCatalogue();
    // The rows of suivants, each swatch in its level's colour, "Fond" on
    // level fond (else on the first row); the note when fond has gone.
    void remplir(const QVector<int> &suivants, int fond);
    // The same, "Fond" staying where it is, the rows' choices kept.
    void reconstruire(const QVector<int> &suivants);
    // Keeps the rows' choices in their source's and gives the level marked
    // "Fond", or else the loaded table's when suivants holds it; -1 for none.
    int fondRetenu(const QVector<int> &suivants);

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
    SourceFantome sourceLignes; // whose levels the rows are
    bool sourceNouvelle = false; // the next levels are another source's: their own "Fond"
    QString noteFond;
};

#endif
