// The CT's structures panel: the set chosen, its regions in a table that
// scrolls inside the panel, their choices kept in table files, their
// contours for the slice shown.
#include "window/structures.h"

#include <QComboBox>
#include <QGridLayout>
#include <QAbstractItemView>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyle>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTableWidget>

#include "model/ligne.h"
#include "scanner/volumect.h"
#include "session/constructionct.h"
#include "session/session.h"

namespace {

// The tick is the name's own check box, which leaves the name room in a narrow panel.
enum Colonne { Couleur, Nom, Milieu_, Densite, Exterieur, Colonnes };

// Rows in view before the table scrolls: the window must fit 1280 × 800.
constexpr int lignesVisibles = 4;

QTableWidgetItem *caseACocher(bool cochee)
{
    auto *item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    item->setCheckState(cochee ? Qt::Checked : Qt::Unchecked);
    return item;
}

} // namespace

PanneauStructures::PanneauStructures(const Chooser &ouvrir, const Chooser &enregistrer, Session &session)
    : QGroupBox(tr("Structures")), ouvrir(ouvrir), enregistrement(enregistrer), session(session)
{
    bouton = new QPushButton(tr("Structures…"));
    bouton->setToolTip(tr("Lit un RT Structure Set : ses régions peuvent donner leur milieu aux voxels"));
    table = new QTableWidget(0, Colonnes);
    table->setObjectName("tableStructures");
    table->setHorizontalHeaderLabels({QString(), tr("Région"), tr("Milieu"), tr("Densité"), tr("Extérieur")});
    table->horizontalHeaderItem(Nom)->setToolTip(tr("Cochée : la région donne son milieu"));
    table->horizontalHeaderItem(Densite)->setToolTip(
        tr("Vide : celle du catalogue ; « ct » : celle de la rampe ; ou un nombre (g/cm³)"));
    table->horizontalHeaderItem(Exterieur)->setToolTip(
        tr("Une seule région : son milieu va à tout ce qui est hors d'elle (la table, l'air)"));
    // The name takes what the others leave; the medium box room for a
    // catalogue name's usual length, a longer one scrolling in its box.
    QHeaderView *entete = table->horizontalHeader();
    entete->setSectionResizeMode(QHeaderView::ResizeToContents);
    entete->setSectionResizeMode(Nom, QHeaderView::Stretch);
    entete->setSectionResizeMode(Milieu_, QHeaderView::Fixed);
    entete->resizeSection(Milieu_, table->fontMetrics().horizontalAdvance("ICRUTISSUE521") + 30);
    entete->setSectionResizeMode(Couleur, QHeaderView::Fixed);
    entete->resizeSection(Couleur, 14);
    entete->setMinimumSectionSize(14);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Names cut in the middle: "Parotide_G" and "Parotide_D" differ at their end.
    table->setTextElideMode(Qt::ElideMiddle);
    table->verticalHeader()->hide();
    const int hauteurLigne = QComboBox().sizeHint().height() + 2;
    table->verticalHeader()->setDefaultSectionSize(hauteurLigne);
    table->setMinimumHeight(entete->sizeHint().height() + lignesVisibles * hauteurLigne + 2 * table->frameWidth());
    auto *charger = new QPushButton(tr("Charger les choix…"));
    charger->setToolTip(tr("Lit un fichier de choix : les régions qu'il nomme, leur milieu et leur densité"));
    auto *ecrire = new QPushButton(tr("Enregistrer les choix…"));
    ecrire->setToolTip(tr("Écrit les régions prises, leur milieu et leur densité dans un fichier"));
    auto *grille = new QGridLayout;
    grille->setContentsMargins(4, 4, 4, 4);
    grille->addWidget(table, 0, 0, 1, 2);
    grille->addWidget(charger, 1, 0);
    grille->addWidget(ecrire, 1, 1);
    setLayout(grille);
    boutonsChoix[0] = charger;
    boutonsChoix[1] = ecrire;
    connect(bouton, &QPushButton::clicked, this, &PanneauStructures::choisir);
    connect(charger, &QPushButton::clicked, this, &PanneauStructures::charger);
    connect(ecrire, &QPushButton::clicked, this, &PanneauStructures::enregistrer);
    connect(table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (item->column() == Exterieur && item->checkState() == Qt::Checked)
            exterieurCoche(item->row());
        ecrireChoix();
    });
    connect(&session, &Session::catalogueChange, this, &PanneauStructures::suivreCatalogue);
    connect(&session, &Session::structuresChangees, this, &PanneauStructures::remplir);
    connect(&session, &Session::choixStructuresChanges, this, &PanneauStructures::remplir);
    remplir();
}

// Every box lists the catalogue as it is; a medium chosen or typed stays.
void PanneauStructures::offrirMilieux(QComboBox *boite) const
{
    const QString choisi = boite->currentText();
    boite->clear();
    for (const Milieu &m : session.catalogue())
        boite->addItem(m.nom);
    const int k = choisi.isEmpty() ? -1 : boite->findText(choisi);
    if (k >= 0)
        boite->setCurrentIndex(k);
    else
        boite->setEditText(choisi);
    // A narrow box shows a name's start; its list, each name whole.
    boite->lineEdit()->setCursorPosition(0);
    boite->view()->setTextElideMode(Qt::ElideNone);
    boite->view()->setMinimumWidth(boite->view()->sizeHintForColumn(0)
                                   + boite->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

// Media read after the set: the boxes offer them at once.
void PanneauStructures::suivreCatalogue()
{
    const QScopedValueRollback garde(enMontrant, true);
    for (int k = 0; k < table->rowCount(); ++k)
        if (auto *milieu = qobject_cast<QComboBox *>(table->cellWidget(k, Milieu_)))
            offrirMilieux(milieu);
}

void PanneauStructures::choisir()
{
    const QString chemin =
        ouvrir(this, tr("Choisir un RT Structure Set"), ".", tr("DICOM (*.dcm);;Tous les fichiers (*)"));
    if (chemin.isEmpty())
        return;
    JeuStructures lu;
    QString erreur;
    if (!lireStructures(chemin, lu, &erreur)) {
        emit message(erreur);
        return;
    }
    session.choisirStructures(chemin, lu);
    // The frame is checked now, once a series is read, so that contours
    // drawn elsewhere than the CT are seen as such at once.
    const QString &referentiel = session.referentiel();
    const QString refus =
        referentiel.isEmpty() ? QString() : refusReferentiel(DemandeStructures{chemin, {}, {}}, lu, {}, referentiel);
    emit message(!refus.isEmpty() ? refus
                                  : tr("Structures « %1 » : %n régions", nullptr, int(lu.regions.size()))
                                        .arg(extrait(chemin)));
}

void PanneauStructures::remplir()
{
    if (enEcrivant)
        return;
    const JeuStructures &jeu = session.structures().jeu;
    const TableStructures &choix = session.structures().choix;
    for (QPushButton *b : boutonsChoix)
        b->setEnabled(!session.structures().fichier.isEmpty());
    const QSignalBlocker bloque(table);
    const QScopedValueRollback garde(enMontrant, true);
    table->setRowCount(int(jeu.regions.size()));
    for (int k = 0; k < jeu.regions.size(); ++k) {
        const RegionRT &r = jeu.regions[k];
        const LigneStructure l = k < choix.lignes.size() ? choix.lignes[k] : LigneStructure();
        auto *couleur = new QTableWidgetItem;
        couleur->setFlags(Qt::ItemIsEnabled);
        if (r.couleur.isValid())
            couleur->setBackground(r.couleur);
        table->setItem(k, Couleur, couleur);
        QTableWidgetItem *nom = caseACocher(l.cochee);
        nom->setText(r.nom);
        nom->setToolTip(r.type.isEmpty() ? r.nom : r.nom + " (" + r.type + ")");
        table->setItem(k, Nom, nom);
        auto *milieu = new QComboBox;
        milieu->setEditable(true);
        milieu->setInsertPolicy(QComboBox::NoInsert);
        milieu->setFocusPolicy(Qt::StrongFocus);
        milieu->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        milieu->setMinimumContentsLength(6);
        milieu->setEditText(l.milieu);
        offrirMilieux(milieu);
        connect(milieu, &QComboBox::editTextChanged, this, &PanneauStructures::ecrireChoix);
        table->setCellWidget(k, Milieu_, milieu);
        table->setItem(k, Densite, new QTableWidgetItem(l.densite));
        table->setItem(k, Exterieur, caseACocher(k == choix.exterieur));
    }
}

TableStructures PanneauStructures::lue() const
{
    TableStructures choix;
    for (int k = 0; k < table->rowCount(); ++k) {
        const auto *milieu = qobject_cast<const QComboBox *>(table->cellWidget(k, Milieu_));
        choix.lignes << LigneStructure{table->item(k, Nom)->checkState() == Qt::Checked,
                                       milieu ? milieu->currentText() : QString(), table->item(k, Densite)->text()};
        if (table->item(k, Exterieur)->checkState() == Qt::Checked)
            choix.exterieur = k;
    }
    return choix;
}

void PanneauStructures::ecrireChoix()
{
    if (enMontrant)
        return;
    const QScopedValueRollback garde(enEcrivant, true);
    session.changerChoixStructures(lue());
}

// One outside at most: the row just ticked, the others cleared.
void PanneauStructures::exterieurCoche(int ligne)
{
    const QSignalBlocker bloque(table);
    for (int k = 0; k < table->rowCount(); ++k)
        if (k != ligne)
            table->item(k, Exterieur)->setCheckState(Qt::Unchecked);
}

QList<TraceImage> PanneauStructures::contours(const VolumeCT &ct, int coupe) const
{
    QList<TraceImage> traces;
    if (coupe < 0 || coupe >= ct.axes[2].compte)
        return traces;
    const std::vector<double> bornes = tranchesCT(ct);
    const double centre = (bornes[size_t(coupe)] + bornes[size_t(coupe) + 1]) / 2;
    for (const RegionRT &r : session.structures().jeu.regions) {
        const PlanContours *plan = planContours(r, bornes, centre);
        if (!plan)
            continue;
        for (const auto &polygone : plan->polygones) {
            TraceImage trace{r.couleur.isValid() ? r.couleur : QColor(Qt::cyan), {}};
            for (const QPointF &p : polygone)
                trace.points << QPointF((p.x() - ct.axes[0].origine) / ct.axes[0].taille,
                                        (p.y() - ct.axes[1].origine) / ct.axes[1].taille);
            traces << trace;
        }
    }
    return traces;
}

void PanneauStructures::charger()
{
    const QString chemin = ouvrir(this, tr("Charger des choix de structures"), ".",
                                  tr("Choix de structures (*.txt);;Tous les fichiers (*)"));
    if (chemin.isEmpty())
        return;
    TableStructures choix;
    QString erreur;
    if (!chargerTableStructures(chemin, session.structures().jeu, choix, &erreur)) {
        emit message(erreur);
        return;
    }
    session.changerChoixStructures(choix);
    emit message(tr("Choix des structures « %1 » lus").arg(extrait(chemin)));
}

void PanneauStructures::enregistrer()
{
    const QString chemin = enregistrement(this, tr("Enregistrer les choix de structures"), "structures.txt",
                                          tr("Choix de structures (*.txt);;Tous les fichiers (*)"));
    if (chemin.isEmpty())
        return;
    QString erreur;
    emit message(enregistrerTableStructures(chemin, session.structures().jeu, session.structures().choix, &erreur)
                     ? tr("Choix des structures écrits dans « %1 »").arg(extrait(chemin))
                     : erreur);
}
