#ifndef QUARVEL_FENETREVUE_H
#define QUARVEL_FENETREVUE_H

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

#include "egsphant/lecture.h"
#include "viewer/coupe.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QSlider;
class QStackedWidget;
class QTabWidget;
class QTableWidget;
class PanneauHistogrammes;
class PanneauProfils;
struct Dose;
struct Fantome;

// The viewer's window: the three slices of one phantom with their sliders,
// the legend of its media or its density scale, and the voxel under the
// mouse; a dose over it, washed and drawn in isodoses, with its profiles
// and dose-volume histograms.
class FenetreVue : public QWidget
{
    Q_OBJECT

public:
    explicit FenetreVue(QWidget *parent = nullptr);
    ~FenetreVue() override;

    // Opens a phantom file; on failure the window keeps what it showed and
    // says why in etat. True when read. A read that lasts shows its progress
    // in a dialog whose "Annuler" stops it.
    bool ouvrir(const QString &chemin);
    QString fichier() const { return chemin; }

    // Asks for a file to open or to save: (parent, caption, start, filter)
    // -> path, empty when cancelled. Tests replace them.
    using Chooser = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;
    Chooser choisirFichier;
    Chooser choisirEnregistrement;

    void choisirEtOuvrir();

    // Opens a .3ddose over the phantom shown, or alone over an empty grid
    // when none is. A dose whose grid is not the phantom's is refused in
    // etat, naming the first axis and boundary that differ. True when shown.
    bool ouvrirDose(const QString &chemin);
    void choisirEtOuvrirDose();
    // Saves the slice last pointed at as PNG, at one pixel a voxel or more.
    void exporterImage();

    // How long a read goes on before its progress shows (ms); tests set 0.
    int attenteSuivi = 400;

    // The parts a user reads, kept for the tests.
    std::array<VueCoupe *, 3> vues;     // XY, XZ, YZ
    std::array<QSlider *, 3> curseurs;  // one per view
    std::array<QLabel *, 3> positions;  // the slice's position in cm
    QComboBox *choixColoration;         // "Milieux" or "Densité"
    QCheckBox *reperes;                 // shows the cross of the other slices
    QTableWidget *legende;
    QLabel *echelleMin, *echelleMax;    // the density range
    QLabel *lecture;                    // the voxel under the mouse
    QLabel *etat;                       // the status line
    QTabWidget *onglets;                // legend, dose, profiles, histograms
    QSlider *opaciteDose;               // of the wash, 0 to 100 %
    QLineEdit *referenceDose;           // the 100 % dose; empty for the maximum
    QLineEdit *niveauxDose;             // isodose levels, % of the reference
    QLabel *maximumDose;                // where the highest dose is
    QLabel *echelleDose;                // the top of the wash's scale
    PanneauProfils *profils;
    PanneauHistogrammes *histogrammes;

private:
    QLayout *creerBarre();
    void creerVues(QGridLayout *grille);
    QWidget *creerCote();
    bool lireEnSuivant(const QString &nom, const std::function<bool(const SuiviLecture &)> &lire, bool *arretee);
    QWidget *creerOngletDose();
    void montrerDose();
    void appliquerDose();
    void allerAuMaximum();
    QString texteDose(qint64 voxel) const;
    void afficher();
    void remplirLegende();
    void deplacer(int vue, int position);
    void allerAuVoxel(const std::array<int, 3> &voxel);
    void decrireVoxel(const std::array<int, 3> &voxel);
    void appliquerColoration();
    void connaitreExtremes();

    std::unique_ptr<Fantome> fantome;
    QString chemin;
    std::unique_ptr<Dose> dose;
    QString cheminDose;
    qint64 voxelMaximum = 0;
    double reference = 1.0;
    std::vector<double> niveaux{95, 80, 50, 20, 10};
    double densiteMin = 0, densiteMax = 0;
    bool extremesConnus = false; // densiteMin and densiteMax are the phantom's
    int vueActive = 0;
    QStackedWidget *cote;
};

#endif
