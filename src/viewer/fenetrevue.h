#ifndef QUARVEL_FENETREVUE_H
#define QUARVEL_FENETREVUE_H

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

#include "viewer/coupe.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QSlider;
class QStackedWidget;
class QTableWidget;
struct Fantome;

// The viewer's window: the three slices of one phantom with their sliders,
// the legend of its media or its density scale, and the voxel under the mouse.
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

private:
    QLayout *creerBarre();
    void creerVues(QGridLayout *grille);
    QWidget *creerCote();
    bool lireEnSuivant(const QString &nom, Fantome &lu, QString *erreur, bool *arretee);
    void afficher();
    void remplirLegende();
    void deplacer(int vue, int position);
    void allerAuVoxel(const std::array<int, 3> &voxel);
    void decrireVoxel(const std::array<int, 3> &voxel);
    void appliquerColoration();

    std::unique_ptr<Fantome> fantome;
    QString chemin;
    double densiteMin = 0, densiteMax = 0;
    int vueActive = 0;
    QStackedWidget *cote;
};

#endif
