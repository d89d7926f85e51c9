#include "window/interface.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include "window/configuration.h"
#include "window/groupeplan.h"
#include "window/panneaurampe.h"
#include "window/structures.h"
#include "window/suivi.h"
#include "window/tablemateriaux.h"


Interface::Interface(QWidget *parent)
    : QWidget(parent, Qt::WindowFlags())
    , choisirFichier([](QWidget *parent, const QString &titre, const QString &dossier, const QString &filtre) {
        return QFileDialog::getOpenFileName(parent, titre, dossier, filtre);
    })
    , choisirFichierEnregistrement([](QWidget *parent, const QString &titre, const QString &dossier,
                                      const QString &filtre) {
        return QFileDialog::getSaveFileName(parent, titre, dossier, filtre);
    })
    , choisirDossier([](QWidget *parent, const QString &titre, const QString &dossier) {
        return QFileDialog::getExistingDirectory(parent, titre, dossier);
    })
    , choisirSerie([](QWidget *parent, const QStringList &series) {
        bool ok = false;
        const QString choix = QInputDialog::getItem(parent, tr("Séries CT"), tr("Série :"), series, 0, false, &ok);
        return ok ? int(series.indexOf(choix)) : -1;
    })
{
    QWidget *zoneEtat = creerZoneEtat();
    planXY = new GroupePlan(tr("Plan XY"), tr("plan XY"), "XY");
    planYZ = new GroupePlan(tr("Plan YZ"), tr("plan YZ"), "YZ");
    planXZ = new GroupePlan(tr("Plan XZ"), tr("plan XZ"), "XZ");
    panneauStructures = new PanneauStructures(choisirFichier, choisirFichierEnregistrement, session);
    configuration = new PanneauConfiguration(planXY, planXZ, planYZ, panneauStructures->boutonChoisir());
    relierConfiguration();
    placerCoupe();
    QGroupBox *groupeMateriaux = creerGroupeMateriaux();
    suiviEcriture = new SuiviEcriture;

    // The material table runs down the right of the pictures, the whole
    // height of the window: three 200-pixel pictures and eight rows or more
    // then fit a 1280 × 800 screen. The pictures take what a larger window gives.
    auto *grilleFenetre = new QGridLayout;
    grilleFenetre->addWidget(zoneEtat, 0, 0, 1, 3);
    grilleFenetre->addWidget(suiviEcriture, 1, 0, 1, 3);
    grilleFenetre->addWidget(configuration, 2, 0);
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

Interface::~Interface() = default;

// The status line, in an area of four lines that scrolls when the notes
// are longer: whatever it says, no button moves under the pointer.
// The configuration's and the structures' buttons and ticks, each to the operation it asks for.
void Interface::relierConfiguration()
{
    configuration->suivre(session);
    for (GroupePlan *groupe : {planXY, planYZ, planXZ})
        groupe->suivre(session, planDe(groupe));
    connect(configuration, &PanneauConfiguration::pegsDemande, this, &Interface::selectMat);
    connect(planXY->bouton(), &QPushButton::clicked, this, &Interface::selectXY);
    connect(planXZ->bouton(), &QPushButton::clicked, this, &Interface::selectXZ);
    connect(planYZ->bouton(), &QPushButton::clicked, this, &Interface::selectYZ);
    // A plane's tick is the session's while the planes are the source: another
    // source unticks the boxes, and the session keeps the ticks for their return.
    for (GroupePlan *groupe : {planXY, planYZ, planXZ})
        connect(groupe->choix(), &QCheckBox::toggled, this, [this, groupe](bool coche) {
            if (session.source() == SourceFantome::Plans)
                session.cocherPlan(planDe(groupe), coche);
        });
    connect(configuration, &PanneauConfiguration::egsphantDemande, this, &Interface::evalue);
    connect(configuration, &PanneauConfiguration::voirDemande, this, &Interface::voirFantome);
    connect(configuration, &PanneauConfiguration::dosxyzDemande, this, &Interface::entreeDosxyz);
    connect(configuration, &PanneauConfiguration::egsppDemande, this, &Interface::geometrieEgspp);
    connect(configuration, &PanneauConfiguration::volumeDemande, this, &Interface::selectVolume);
    connect(configuration, &PanneauConfiguration::coupesDemande, this, &Interface::selectCoupes);
    connect(configuration, &PanneauConfiguration::volumeCoche, this, &Interface::volumeCoche);
    connect(configuration, &PanneauConfiguration::scannerDemande, this, &Interface::selectScanner);
    connect(configuration, &PanneauConfiguration::scannerCoche, this, &Interface::basculeScanner);
    connect(configuration, &PanneauConfiguration::cadreModifie, this, &Interface::suiviCadre);
    connect(panneauStructures, &PanneauStructures::message, this,
            [this](const QString &texte) { etat->setText(texte); });
    connect(panneauStructures, &PanneauStructures::jeuChange, this, &Interface::montrerCoupe);
}

QWidget *Interface::creerZoneEtat()
{
    etat = new QLabel(" .... ");
    etat->setObjectName("etat");
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

QGroupBox *Interface::creerGroupeMateriaux()
{
    auto *groupe = new QGroupBox(tr("Materiaux"));
    auto *grille = new QGridLayout;
    tableMateriaux = new TableMateriaux(session);
    grille->addWidget(tableMateriaux, 0, 0);
    // The ramp of a CT stands in the same place, shown instead of the table.
    panneauRampe = new PanneauRampe;
    panneauRampe->suivre(session);
    panneauRampe->placerSous(panneauStructures);
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
