#include "window/interface.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

namespace {

// A plane group: its check box above the label that later shows the picture.
QGroupBox *groupePlan(const QString &titre, QCheckBox *choix, QLabel *info)
{
    auto *groupe = new QGroupBox(titre);
    auto *grille = new QGridLayout;
    grille->addWidget(choix, 0, 0);
    grille->addWidget(info, 1, 0);
    groupe->setLayout(grille);
    return groupe;
}

} // namespace

Interface::Interface(QWidget *parent)
    : QWidget(parent, Qt::WindowFlags())
    , choisirFichier([](QWidget *parent, const QString &titre, const QString &dossier, const QString &filtre) {
        return QFileDialog::getOpenFileName(parent, titre, dossier, filtre);
    })
    , choisirFichierEnregistrement([](QWidget *parent, const QString &titre, const QString &dossier,
                                      const QString &filtre) {
        return QFileDialog::getSaveFileName(parent, titre, dossier, filtre);
    })
    , milieux(new QList<Milieu>)
    , lignesTable(new QList<LigneTable>)
{
    dimX = dimY = dimZ = 0;
    auto *grilleFenetre = new QGridLayout;

    infoXY = new QLabel("XY");
    choixXY = new QCheckBox;
    QGroupBox *groupeXY = groupePlan(tr("Plan XY"), choixXY, infoXY);
    infoYZ = new QLabel("YZ");
    choixYZ = new QCheckBox;
    QGroupBox *groupeYZ = groupePlan(tr("Plan YZ"), choixYZ, infoYZ);
    infoXZ = new QLabel("XZ");
    choixXZ = new QCheckBox;
    QGroupBox *groupeXZ = groupePlan(tr("Plan XZ"), choixXZ, infoXZ);

    auto *groupeConfig = new QGroupBox(tr("Configuration"));
    auto *grilleConfig = new QGridLayout;
    fichierXY = new QLineEdit("plan XY");
    fichierYZ = new QLineEdit("plan YZ");
    fichierXZ = new QLineEdit("plan XZ");
    fichierPegs = new QLineEdit("Fichier pegs4dat");
    auto *boutonXY = new QPushButton("XY");
    auto *boutonYZ = new QPushButton("YZ");
    auto *boutonXZ = new QPushButton("XZ");
    auto *boutonPegs = new QPushButton("Pegs4dat");
    auto *boutonEgsphant = new QPushButton("Egsphant");
    grilleConfig->addWidget(fichierPegs, 0, 0, 1, 3);
    grilleConfig->addWidget(boutonPegs, 0, 3);
    grilleConfig->addWidget(fichierXY, 1, 0, 1, 3);
    grilleConfig->addWidget(boutonXY, 1, 3);
    grilleConfig->addWidget(fichierXZ, 2, 0, 1, 3);
    grilleConfig->addWidget(boutonXZ, 2, 3);
    grilleConfig->addWidget(fichierYZ, 3, 0, 1, 3);
    grilleConfig->addWidget(boutonYZ, 3, 3);
    fichierEgsphant = new QLineEdit("test.egsphant");
    grilleConfig->addWidget(fichierEgsphant, 4, 0, 1, 3);
    grilleConfig->addWidget(boutonEgsphant, 4, 3);
    auto *boutonVoir = new QPushButton("Voir");
    grilleConfig->addWidget(boutonVoir, 5, 3);
    tailleX = new QLineEdit("1.0");
    tailleY = new QLineEdit("1.0");
    tailleZ = new QLineEdit("1.0");
    grilleConfig->addWidget(tailleX, 6, 0);
    grilleConfig->addWidget(tailleY, 6, 1);
    grilleConfig->addWidget(tailleZ, 6, 2);
    origineX = new QLineEdit("-15.0");
    origineY = new QLineEdit("-15.0");
    origineZ = new QLineEdit("0.0");
    grilleConfig->addWidget(origineX, 7, 0);
    grilleConfig->addWidget(origineY, 7, 1);
    grilleConfig->addWidget(origineZ, 7, 2);
    champDimX = new QLineEdit(QString::number(dimX, 10));
    champDimY = new QLineEdit(QString::number(dimY, 10));
    champDimZ = new QLineEdit(QString::number(dimZ, 10));
    grilleConfig->addWidget(champDimX, 8, 0);
    grilleConfig->addWidget(champDimY, 8, 1);
    grilleConfig->addWidget(champDimZ, 8, 2);
    groupeConfig->setLayout(grilleConfig);

    auto *groupeMateriaux = new QGroupBox(tr("Materiaux"));
    auto *grilleMateriaux = new QGridLayout;
    tableMateriaux = new QTableWidget(0, 4);
    entetes << "Gris lvl" << "Nom" << "Densite" << "Fond";
    groupeFond = new QButtonGroup(this);
    tableMateriaux->setHorizontalHeaderLabels(entetes);
    grilleMateriaux->addWidget(tableMateriaux, 0, 0);
    auto *boutonsTable = new QHBoxLayout;
    auto *boutonCharger = new QPushButton("Charger une table…");
    auto *boutonEnregistrer = new QPushButton("Enregistrer la table…");
    boutonCharger->setToolTip("Lit une table NIVEAUX NOM [DENSITE] (fichier texte) et l'applique aux lignes");
    boutonEnregistrer->setToolTip("Écrit les choix des lignes dans une table, à recharger pour d'autres images");
    boutonsTable->addWidget(boutonCharger);
    boutonsTable->addWidget(boutonEnregistrer);
    boutonsTable->addStretch();
    grilleMateriaux->addLayout(boutonsTable, 1, 0);
    groupeMateriaux->setLayout(grilleMateriaux);

    etat = new QLabel(" .... ");
    suiviEcriture = new QWidget;
    auto *ligneSuivi = new QHBoxLayout;
    ligneSuivi->setContentsMargins(0, 0, 0, 0);
    barreEcriture = new QProgressBar;
    barreEcriture->setFormat("%p %");
    boutonAnnuler = new QPushButton("Annuler");
    ligneSuivi->addWidget(barreEcriture);
    ligneSuivi->addWidget(boutonAnnuler);
    suiviEcriture->setLayout(ligneSuivi);
    suiviEcriture->hide();

    grilleFenetre->addWidget(etat, 0, 0, 1, 2);
    grilleFenetre->addWidget(suiviEcriture, 1, 0, 1, 2);
    grilleFenetre->addWidget(groupeConfig, 2, 0);
    grilleFenetre->addWidget(groupeXY, 2, 1);
    grilleFenetre->addWidget(groupeXZ, 3, 1);
    grilleFenetre->addWidget(groupeYZ, 3, 0);
    grilleFenetre->addWidget(groupeMateriaux, 4, 0, 1, 2);

    connect(boutonXY, SIGNAL(clicked()), this, SLOT(selectXY()));
    connect(boutonYZ, SIGNAL(clicked()), this, SLOT(selectYZ()));
    connect(boutonXZ, SIGNAL(clicked()), this, SLOT(selectXZ()));
    connect(boutonPegs, SIGNAL(clicked()), this, SLOT(selectMat()));
    connect(boutonEgsphant, SIGNAL(clicked()), this, SLOT(evalue()));
    connect(boutonVoir, &QPushButton::clicked, this, &Interface::voirFantome);
    connect(boutonCharger, &QPushButton::clicked, this, &Interface::chargementTableGris);
    connect(boutonEnregistrer, &QPushButton::clicked, this, &Interface::enregistrementTableGris);
    setLayout(grilleFenetre);
    setWindowTitle(tr("Quarvel Toolkit"));
}

Interface::~Interface()
{
    delete milieux;
    delete lignesTable;
}

QString Interface::choisir(const QString &filtre)
{
    return choisirFichier(this, tr("Open File"), ".", filtre);
}
