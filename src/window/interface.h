#ifndef QUARVEL_INTERFACE_H
#define QUARVEL_INTERFACE_H

#include <QHash>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QRgb>
#include <QStringList>
#include <QVector>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "media/tablegris.h"
#include "model/materiau.h"
#include "session/session.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QImage;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSlider;
class PanneauStructures;
class QPushButton;
class QTableWidget;
class TableMateriaux;
class PanneauConfiguration;
class SuiviEcriture;
class PanneauRampe;
class GroupePlan;
struct AxeCadre;
struct Boite;
struct FantomeEcrit;
struct Geometrie;
struct Grille;
struct Volume;
struct Rampe;
struct VolumeCT;

// The one window, composed of its panels: the three plane groups, the
// configuration, the material table, the ramp and structures, the write's
// follow-up and the status line. The work itself is in plain functions and
// in the session (images/, media/, phantom/, session/); the member
// operations hand it over and let the panels show the result.
class Interface : public QWidget
{
    Q_OBJECT

public:
    explicit Interface(QWidget *parent = nullptr);
    ~Interface() override;

    // Asks the user for a file to open: (parent, caption, start folder,
    // filter) -> path, empty when cancelled. Tests replace it.
    using Chooser = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;
    Chooser choisirFichier;
    // Asks the user for a file to write, likewise (QFileDialog::getSaveFileName).
    Chooser choisirFichierEnregistrement;

    // The catalogue given on the command line, as if chosen with "Pegs4dat".
    void lireCatalogue(const QString &chemin);

public slots:
    void selectXY();
    void selectYZ();
    void selectXZ();
    void selectMat();
    void evalue();
    bool validationImage();
    bool constructionEgsphant(QString nomFich);
    void analyseFichierPegs();

public:
    // The session the window shows and edits: its sources, levels, catalogue and records.
    Session &sessionEnCours() { return session; }
    const Session &sessionEnCours() const { return session; }

private:
    QLabel *etat; // the status line
    // The constructor's parts, one per group of the window.
    QWidget *creerZoneEtat();
    PanneauConfiguration *configuration;
    void relierConfiguration();
    QGroupBox *creerGroupeMateriaux();
    SuiviEcriture *suiviEcriture; // under the status line while a long write runs

    // Plane images, grey-level inventory, table rows, image check.
    GroupePlan *planXY, *planYZ, *planXZ;
    void selectPlan(GroupePlan *groupe, int axeLargeur, int axeHauteur);
    QString chargementPlan(GroupePlan *groupe, const QImage &image, int axeLargeur, int axeHauteur);
    void analyseNiveauxGris(PlanImage plan);
    PlanImage planDe(const GroupePlan *groupe) const;
    QVector<int> niveauxCoches() const;
    QString constructionTable();
    TableMateriaux *tableMateriaux;
    void chargementTableGris();
    void enregistrementTableGris();

    // Grid construction and output.
    bool initialisationGrille(Grille &grille);
    bool verificationAvantGrille();
    bool rechercheMateriau(int niveauGris, int &index);
    bool remplissagePlanXY(Grille &grille);
    bool remplissagePlanXZ(Grille &grille);
    bool remplissagePlanYZ(Grille &grille);
    bool remplissagePlans(Grille &grille);
    bool remplissagePlansCoches(Grille &grille);
    bool remplissagePlan(Grille &grille, PlanImage plan);
    bool ecritureEgsphant(const Grille &grille, const Geometrie &geometrie, QString nomFich);
    bool lectureGeometrie(Geometrie &geometrie);
    bool lectureComptes();

    QString choisir(const QString &filtre);

    // "Voir": the viewer on the file the output field names, or else on the
    // phantom written last; one viewer window, reused.
    void voirFantome();
    QString dernierFantome;
    QPointer<QWidget> fenetreVue;

    // The files beside the phantom written last: the DOSXYZnrc input (a
    // file, then a form) and the egs++ geometry with its ramp.
    void entreeDosxyz();
    void geometrieEgspp();
    QString nomCompagnon(const QString &suffixe) const;
    std::shared_ptr<const FantomeEcrit> fantomeEcrit;

    // The file the build under way writes, for the checks made before its grid.
    QString nomSortie;

public:
    // A label volume in place of the planes (window/volume.cpp): a 3-D file
    // ("Volume…") or a folder of slice pictures ("Coupes…"); its path and
    // the tick that makes it the source are the configuration's.
    using ChoixDossier = std::function<QString(QWidget *, const QString &, const QString &)>;
    ChoixDossier choisirDossier; // QFileDialog::getExistingDirectory; tests replace it
    void selectVolume();
    void selectCoupes();

private:
    void volumeCoche(bool coche);
    void chargementVolume(const QString &chemin, bool fichier);
    void montrerVolume();
    bool remplissageVolume(Grille &grille);

    // The source switch (window/source.cpp): the planes' groups, the fields
    // and the table follow the source in use. Each source keeps the texts of
    // the size, origin and count fields and its "Fond" as it left them.
    // The source in use and each source's own choices (a new source is one
    // more value, with its part in montrerSource and in the build).
    Session session;
    // Makes nouvelle the source: the table and the fields follow the
    // session, the groups and the ramp are set for it here.
    void changerSource(SourceFantome nouvelle);
    void montrerSource();
    void montrerPlans();
    void basculeSource(SourceFantome cochee, bool coche, QCheckBox *autre, const QString &description);
    QString retourAuxPlans() const;

public:
    // A CT series in place of the planes (window/scanner.cpp): the series
    // read, its slice in the XY group and the box over it. Its folder, tick
    // and box are the configuration's; its ramp, the ramp panel's.
    // Which of several series (their descriptions): its index, -1 when cancelled.
    std::function<int(QWidget *, const QStringList &)> choisirSerie;
    // The "Scanner…" button: a plain member, the window's slots being those it always had.
    void selectScanner();

private:
    PanneauStructures *panneauStructures; // the RT Structure Set and the media its regions give
    QSlider *curseurCoupe;                 // the CT slice shown, under the XY picture
    QLabel *noteCadre;                     // under it: what the build will make of the box typed
    void placerCoupe();
    void basculeScanner(bool actif);
    bool lectureCadre(Boite &boite, std::array<double, 3> &tailles, QString *refus);
    void suiviCadre();
    void poserComptesCadre(const AxeCadre cadre[3]);
    void chargementRampe();
    void enregistrementRampe();
    bool constructionScanner(const QString &nomFich);
    void montrerScanner();
    void montrerCoupe();
    void montrerRampe(bool rampe);
    QString descriptionScanner; // the status line of the CT read last, for its return
    PanneauRampe *panneauRampe;
};

#endif
