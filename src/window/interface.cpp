#include "window/interface.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include "window/champnombre.h"
#include "window/groupeplan.h"
#include "window/panneaurampe.h"
#include "window/suivi.h"
#include "window/tablemateriaux.h"

namespace {

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
    suivreSaisieNombre(champ);
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
    , choisirDossier([](QWidget *parent, const QString &titre, const QString &dossier) {
        return QFileDialog::getExistingDirectory(parent, titre, dossier);
    })
{
    dimX = dimY = dimZ = 0;
    QWidget *zoneEtat = creerZoneEtat();
    planXY = new GroupePlan(tr("Plan XY"), tr("plan XY"), "XY");
    planYZ = new GroupePlan(tr("Plan YZ"), tr("plan YZ"), "YZ");
    planXZ = new GroupePlan(tr("Plan XZ"), tr("plan XZ"), "XZ");
    QGroupBox *groupeConfig = creerGroupeConfiguration();
    QGroupBox *groupeMateriaux = creerGroupeMateriaux();
    suiviEcriture = new SuiviEcriture;

    // The material table runs down the right of the pictures, the whole
    // height of the window: three 200-pixel pictures and eight rows or more
    // then fit a 1280 × 800 screen. The pictures take what a larger window gives.
    auto *grilleFenetre = new QGridLayout;
    grilleFenetre->addWidget(zoneEtat, 0, 0, 1, 3);
    grilleFenetre->addWidget(suiviEcriture, 1, 0, 1, 3);
    grilleFenetre->addWidget(groupeConfig, 2, 0);
    grilleFenetre->addWidget(planXY, 2, 1);
    grilleFenetre->addWidget(planXZ, 3, 1);
    grilleFenetre->addWidget(planYZ, 3, 0);
    grilleFenetre->addWidget(groupeMateriaux, 2, 2, 2, 1);
    for (int i : {0, 1}) {
        grilleFenetre->setColumnStretch(i, 1);
        grilleFenetre->setRowStretch(2 + i, 1);
    }
    setLayout(grilleFenetre);
    setWindowTitle(tr("Quarvel Toolkit"));
}

Interface::~Interface()
{
    delete milieux;
}

// The status line, in an area of four lines that scrolls when the notes
// are longer: whatever it says, no button moves under the pointer.
QWidget *Interface::creerZoneEtat()
{
    etat = new QLabel(" .... ");
    // Long paths and notes wrap rather than widen the window; the user may copy them.
    etat->setWordWrap(true);
    etat->setTextInteractionFlags(Qt::TextSelectableByMouse);
    etat->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *zone = new QScrollArea;
    zone->setWidget(etat);
    zone->setWidgetResizable(true);
    zone->setFrameShape(QFrame::NoFrame);
    zone->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    zone->setFixedHeight(4 * etat->fontMetrics().lineSpacing());
    return zone;
}

QGroupBox *Interface::creerGroupeConfiguration()
{
    auto *groupe = new QGroupBox(tr("Configuration"));
    auto *grille = new QGridLayout;
    placerFichiers(grille);
    placerNombres(grille);
    placerCompagnons(grille);
    placerVolume(grille);
    placerScanner(grille);
    groupe->setLayout(grille);
    return groupe;
}

// Rows 0 to 4: each path field and, at its end, the button that fills or uses it; "Voir" under "Egsphant".
void Interface::placerFichiers(QGridLayout *grille)
{
    fichierPegs = new QLineEdit(tr("Fichier pegs4dat"));
    fichierEgsphant = new QLineEdit("test.egsphant");
    fichierPegs->setObjectName("fichierPegs");
    fichierEgsphant->setObjectName("fichierEgsphant");
    auto *boutonPegs = new QPushButton("Pegs4dat");
    auto *boutonEgsphant = new QPushButton("Egsphant");
    const QList<QPair<QLineEdit *, QPushButton *>> lignes{{fichierPegs, boutonPegs},
                                                          {planXY->fichier(), planXY->bouton()},
                                                          {planXZ->fichier(), planXZ->bouton()},
                                                          {planYZ->fichier(), planYZ->bouton()},
                                                          {fichierEgsphant, boutonEgsphant}};
    for (int r = 0; r < lignes.size(); ++r) {
        suivreChemin(lignes[r].first);
        grille->addWidget(lignes[r].first, r, 0, 1, 3);
        grille->addWidget(lignes[r].second, r, 3);
    }
    auto *boutonVoir = new QPushButton(tr("Voir"));
    grille->addWidget(boutonVoir, 5, 3);
    connect(boutonPegs, SIGNAL(clicked()), this, SLOT(selectMat()));
    connect(planXY->bouton(), SIGNAL(clicked()), this, SLOT(selectXY()));
    connect(planXZ->bouton(), SIGNAL(clicked()), this, SLOT(selectXZ()));
    connect(planYZ->bouton(), SIGNAL(clicked()), this, SLOT(selectYZ()));
    connect(boutonEgsphant, SIGNAL(clicked()), this, SLOT(evalue()));
    connect(boutonVoir, &QPushButton::clicked, this, &Interface::voirFantome);
}

// Rows 5 to 8: the axes over the columns, then sizes, origin and counts, each row captioned at its end.
void Interface::placerNombres(QGridLayout *grille)
{
    const char *axes[3] = {"X", "Y", "Z"};
    for (int c = 0; c < 3; ++c)
        grille->addWidget(new QLabel(axes[c]), 5, c, Qt::AlignCenter);
    const QStringList legendes{tr("Taille (cm)"), tr("Origine (cm)"), tr("Voxels")};
    const QStringList textes[3] = {{"1.0", "1.0", "1.0"}, {"-15.0", "-15.0", "0.0"},
                                   {QString::number(dimX, 10), QString::number(dimY, 10), QString::number(dimZ, 10)}};
    QLineEdit **champs[3][3] = {{&tailleX, &tailleY, &tailleZ},
                                {&origineX, &origineY, &origineZ},
                                {&champDimX, &champDimY, &champDimZ}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            *champs[r][c] = new QLineEdit(textes[r][c]);
            champNombre(*champs[r][c]);
            grille->addWidget(*champs[r][c], 6 + r, c);
        }
        grille->addWidget(new QLabel(legendes[r]), 6 + r, 3);
    }
}

// Row 9: the files that go with the phantom written last.
void Interface::placerCompagnons(QGridLayout *grille)
{
    auto *boutonDosxyz = new QPushButton(tr("Entrée DOSXYZnrc…"));
    auto *boutonEgspp = new QPushButton(tr("Géométrie egs++…"));
    boutonDosxyz->setToolTip(tr("Écrit l'entrée DOSXYZnrc du dernier fantôme écrit, prête à lancer"));
    boutonEgspp->setToolTip(tr("Écrit la géométrie egs++ du dernier fantôme écrit et sa rampe de densités"));
    grille->addWidget(boutonDosxyz, 9, 0, 1, 2);
    grille->addWidget(boutonEgspp, 9, 2, 1, 2);
    connect(boutonDosxyz, &QPushButton::clicked, this, &Interface::entreeDosxyz);
    connect(boutonEgspp, &QPushButton::clicked, this, &Interface::geometrieEgspp);
}

// Below the rows in use: a label volume in place of the planes, its tick
// (given once a volume is read) and its path, then "Coupes…" (a folder) and
// "Volume…" (a file) at the end of the row.
void Interface::placerVolume(QGridLayout *grille)
{
    const int ligne = grille->rowCount();
    choixVolume = new QCheckBox;
    choixVolume->setEnabled(false);
    choixVolume->setToolTip(tr("Cochée : le fantôme vient du volume, à la place des plans"));
    fichierVolume = new QLineEdit(tr("volume"));
    suivreChemin(fichierVolume);
    auto *cheminVolume = new QHBoxLayout;
    cheminVolume->addWidget(choixVolume);
    cheminVolume->addWidget(fichierVolume);
    grille->addLayout(cheminVolume, ligne, 0, 1, 2);
    auto *boutonVolume = new QPushButton(tr("Volume…"));
    auto *boutonCoupes = new QPushButton(tr("Coupes…"));
    boutonVolume->setToolTip(tr("Volume d'étiquettes : fichier NRRD, NIfTI ou MetaImage ; chaque valeur devient une "
                                "ligne de la table"));
    boutonCoupes->setToolTip(tr("Dossier d'images, une coupe chacune dans l'ordre naturel des noms ; chaque "
                                "niveau de gris devient une ligne de la table"));
    grille->addWidget(boutonCoupes, ligne, 2);
    grille->addWidget(boutonVolume, ligne, 3);
    connect(boutonVolume, &QPushButton::clicked, this, &Interface::selectVolume);
    connect(boutonCoupes, &QPushButton::clicked, this, &Interface::selectCoupes);
    connect(choixVolume, &QCheckBox::toggled, this, &Interface::volumeCoche);
}

QGroupBox *Interface::creerGroupeMateriaux()
{
    auto *groupe = new QGroupBox(tr("Materiaux"));
    auto *grille = new QGridLayout;
    tableMateriaux = new TableMateriaux(session, *milieux);
    grille->addWidget(tableMateriaux, 0, 0);
    // The ramp of a CT stands in the same place, shown instead of the table.
    panneauRampe = new PanneauRampe;
    panneauRampe->hide();
    grille->addWidget(panneauRampe, 0, 0);
    groupe->setLayout(grille);
    connect(panneauRampe, &PanneauRampe::message, etat, &QLabel::setText);
    connect(panneauRampe, &PanneauRampe::chargementDemande, this, &Interface::chargementRampe);
    connect(panneauRampe, &PanneauRampe::enregistrementDemande, this, &Interface::enregistrementRampe);
    connect(tableMateriaux, &TableMateriaux::message, etat, &QLabel::setText);
    connect(tableMateriaux, &TableMateriaux::chargementDemande, this, &Interface::chargementTableGris);
    connect(tableMateriaux, &TableMateriaux::enregistrementDemande, this, &Interface::enregistrementTableGris);
    return groupe;
}

QString Interface::choisir(const QString &filtre)
{
    return choisirFichier(this, tr("Open File"), ".", filtre);
}
