#include "window/interface.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QStyle>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "images/apercu.h"

namespace {

// A plane group: its check box above the label that later shows the
// picture, in a box of fixed size so that no picture, large or small, moves
// the rest of the window; the picture's size in pixels below.
QGroupBox *groupePlan(const QString &titre, QCheckBox *choix, QLabel *info, QLabel *taille)
{
    auto *groupe = new QGroupBox(titre);
    auto *grille = new QGridLayout;
    grille->addWidget(choix, 0, 0);
    grille->addWidget(info, 1, 0);
    grille->addWidget(taille, 2, 0);
    info->setFixedSize(coteApercu + 2 * cadreApercu, coteApercu + 2 * cadreApercu);
    info->setAlignment(Qt::AlignCenter);
    taille->setAlignment(Qt::AlignCenter);
    groupe->setLayout(grille);
    return groupe;
}

// A path field shows the end of its path, the file's name; the whole path is its tooltip.
void suivreChemin(QLineEdit *champ)
{
    champ->setToolTip(champ->text());
    QObject::connect(champ, &QLineEdit::textChanged, champ, [champ](const QString &texte) {
        champ->setToolTip(texte);
        if (!champ->hasFocus())
            champ->setCursorPosition(int(texte.size()));
    });
}

// A number field wide enough for its whole value ("-15.000", "1024") and no wider.
void champNombre(QLineEdit *champ)
{
    const QFontMetrics mesure(champ->font());
    champ->setMaximumWidth(mesure.horizontalAdvance("-00000.000") + 16);
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
    tailleImageXY = new QLabel;
    QGroupBox *groupeXY = groupePlan(tr("Plan XY"), choixXY, infoXY, tailleImageXY);
    infoYZ = new QLabel("YZ");
    choixYZ = new QCheckBox;
    tailleImageYZ = new QLabel;
    QGroupBox *groupeYZ = groupePlan(tr("Plan YZ"), choixYZ, infoYZ, tailleImageYZ);
    infoXZ = new QLabel("XZ");
    choixXZ = new QCheckBox;
    tailleImageXZ = new QLabel;
    QGroupBox *groupeXZ = groupePlan(tr("Plan XZ"), choixXZ, infoXZ, tailleImageXZ);

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
    // Captions in the cells left empty: the axes over the columns, what each row holds at its end.
    const char *axes[3] = {"X", "Y", "Z"};
    for (int c = 0; c < 3; ++c)
        grilleConfig->addWidget(new QLabel(axes[c]), 5, c, Qt::AlignCenter);
    grilleConfig->addWidget(new QLabel("Taille (cm)"), 6, 3);
    grilleConfig->addWidget(new QLabel("Origine (cm)"), 7, 3);
    grilleConfig->addWidget(new QLabel("Voxels"), 8, 3);
    auto *boutonDosxyz = new QPushButton("Entrée DOSXYZnrc…");
    auto *boutonEgspp = new QPushButton("Géométrie egs++…");
    boutonDosxyz->setToolTip("Écrit l'entrée DOSXYZnrc du dernier fantôme écrit, prête à lancer");
    boutonEgspp->setToolTip("Écrit la géométrie egs++ du dernier fantôme écrit et sa rampe de densités");
    grilleConfig->addWidget(boutonDosxyz, 9, 0, 1, 2);
    grilleConfig->addWidget(boutonEgspp, 9, 2, 1, 2);
    for (QLineEdit *champ : {fichierPegs, fichierXY, fichierXZ, fichierYZ, fichierEgsphant})
        suivreChemin(champ);
    for (QLineEdit *champ : {tailleX, tailleY, tailleZ, origineX, origineY, origineZ, champDimX, champDimY, champDimZ})
        champNombre(champ);
    groupeConfig->setLayout(grilleConfig);

    auto *groupeMateriaux = new QGroupBox(tr("Materiaux"));
    auto *grilleMateriaux = new QGridLayout;
    tableMateriaux = new QTableWidget(0, 4);
    entetes << "Gris lvl" << "Nom" << "Densite" << "Fond";
    groupeFond = new QButtonGroup(this);
    tableMateriaux->setHorizontalHeaderLabels(entetes);
    // Rows as high as their boxes, at least eight of them in view, and the
    // name column taking the width that the others leave.
    const int hauteurLigne = QComboBox().sizeHint().height() + 2;
    tableMateriaux->verticalHeader()->setDefaultSectionSize(hauteurLigne);
    tableMateriaux->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableMateriaux->setMinimumHeight(tableMateriaux->horizontalHeader()->sizeHint().height() + 8 * hauteurLigne
                                     + 2 * tableMateriaux->frameWidth()
                                     + tableMateriaux->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    tableMateriaux->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
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
    // Long paths and notes wrap rather than widen the window; the user may copy them.
    etat->setWordWrap(true);
    etat->setTextInteractionFlags(Qt::TextSelectableByMouse);
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

    // The material table runs down the right of the pictures, the whole
    // height of the window: three 200-pixel pictures and eight rows or more
    // then fit a 1280 × 800 screen.
    grilleFenetre->addWidget(etat, 0, 0, 1, 3);
    grilleFenetre->addWidget(suiviEcriture, 1, 0, 1, 3);
    grilleFenetre->addWidget(groupeConfig, 2, 0);
    grilleFenetre->addWidget(groupeXY, 2, 1);
    grilleFenetre->addWidget(groupeXZ, 3, 1);
    grilleFenetre->addWidget(groupeYZ, 3, 0);
    grilleFenetre->addWidget(groupeMateriaux, 2, 2, 2, 1);
    grilleFenetre->setColumnStretch(2, 1);

    connect(boutonXY, SIGNAL(clicked()), this, SLOT(selectXY()));
    connect(boutonYZ, SIGNAL(clicked()), this, SLOT(selectYZ()));
    connect(boutonXZ, SIGNAL(clicked()), this, SLOT(selectXZ()));
    connect(boutonPegs, SIGNAL(clicked()), this, SLOT(selectMat()));
    connect(boutonEgsphant, SIGNAL(clicked()), this, SLOT(evalue()));
    connect(boutonVoir, &QPushButton::clicked, this, &Interface::voirFantome);
    connect(boutonCharger, &QPushButton::clicked, this, &Interface::chargementTableGris);
    connect(boutonEnregistrer, &QPushButton::clicked, this, &Interface::enregistrementTableGris);
    connect(boutonDosxyz, &QPushButton::clicked, this, &Interface::entreeDosxyz);
    connect(boutonEgspp, &QPushButton::clicked, this, &Interface::geometrieEgspp);
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
