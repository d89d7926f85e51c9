#ifndef QUARVEL_CONFIGURATION_H
#define QUARVEL_CONFIGURATION_H

#include <QGroupBox>
#include <QList>

class GroupePlan;
class Session;
class QCheckBox;
class QGridLayout;
class QLineEdit;

// The configuration group: the path fields and their buttons (the plane
// groups' among them), the sizes, origin and counts by axis, the files
// that go with the phantom, the label volume's row and the CT's, with the
// CT box's far corner. The buttons and ticks go out as its signals.
class PanneauConfiguration : public QGroupBox
{
    Q_OBJECT

public:
    // The plane groups lend their path fields and buttons, in rows XY, XZ,
    // YZ; the structures panel its "Structures…", at the end of the CT's path.
    PanneauConfiguration(GroupePlan *planXY, GroupePlan *planXZ, GroupePlan *planYZ, QWidget *boutonStructures,
                         QWidget *parent = nullptr);

    // By axis, 0 to 2 for X to Z.
    QLineEdit *taille(int axe) const { return tailles[axe]; }
    QLineEdit *origine(int axe) const { return origines[axe]; }
    QLineEdit *compte(int axe) const { return comptes[axe]; }
    QLineEdit *jusqua(int axe) const { return boiteMax[axe]; } // the CT box's far corner
    // Sizes, origins, counts and the CT box's far corner, X to Z each.
    QList<QLineEdit *> champsNombres() const;

    // From now on, what is typed in the number fields goes into the session's
    // geometry of the source in use, and they show its numbers; the volume's
    // and the CT's rows show what the session read.
    void suivre(Session &session);

    QLineEdit *fichierPegs() const { return pegs; }
    QLineEdit *fichierEgsphant() const { return egsphant; }
    QCheckBox *choixVolume() const { return cocheVolume; }
    QLineEdit *fichierVolume() const { return volume; }
    QCheckBox *choixScanner() const { return cocheScanner; }
    QLineEdit *fichierScanner() const { return scanner; }

signals:
    void pegsDemande();
    void egsphantDemande();
    void voirDemande();
    void dosxyzDemande();
    void egsppDemande();
    void volumeDemande();
    void coupesDemande();
    void scannerDemande();
    void volumeCoche(bool coche);
    void scannerCoche(bool coche);
    // A size, an origin or the far corner typed, the session's already: the CT box moves.
    void cadreModifie();

private:
    void placerFichiers(QGridLayout *grille, GroupePlan *planXY, GroupePlan *planXZ, GroupePlan *planYZ);
    void placerNombres(QGridLayout *grille);
    void placerCompagnons(QGridLayout *grille);
    void placerVolume(QGridLayout *grille);
    void placerScanner(QGridLayout *grille, QWidget *boutonStructures);
    void montrerGeometrie();

    Session *session = nullptr;
    bool enAffichage = false; // the fields show the session's numbers: nothing typed

    QLineEdit *pegs, *egsphant;
    QLineEdit *tailles[3], *origines[3], *comptes[3], *boiteMax[3];
    QCheckBox *cocheVolume, *cocheScanner;
    QLineEdit *volume, *scanner;
};

#endif
