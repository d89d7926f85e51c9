// The material table: one row per grey level of the inventory. The user's
// choices outlive a rebuild, and tables of choices are loaded and saved.
#include "window/tablemateriaux.h"

#include <QAbstractScrollArea>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>

#include "images/apercu.h"
#include "media/completer.h"
#include "model/densite.h"
#include "model/nombre.h"
#include "model/ligne.h"
#include "session/lignes.h"
#include "session/session.h"

namespace {

// Offers in a row's density box the density of the medium its name box
// shows, the catalogue's, and nothing for a name of the user's own: the box
// never lists another medium's density, so no pick in it changes the medium.
void offrirDensite(QComboBox *densite, const Milieu *milieu)
{
    densite->clear();
    if (milieu)
        densite->addItem(texteDensite(milieu->densite));
}

// Shows a choice in a row's two boxes: the catalogue entry when the name is
// one, its density offered, and the density text as the choice has it.
void poserChoix(QComboBox *nom, QComboBox *densite, const QList<Milieu> &milieux, const ChoixNiveau &choix)
{
    const int k = nom->findText(choix.nom);
    if (k >= 0)
        nom->setCurrentIndex(k);
    else
        nom->setEditText(choix.nom);
    offrirDensite(densite, k >= 0 && k < milieux.size() ? &milieux[k] : nullptr);
    if (densite->currentText() != choix.texteDensite)
        densite->setEditText(choix.texteDensite);
}

// The level's colour as the pictures show it, framed so that white on a
// white cell, or black on a dark one, can still be told.
QPixmap echantillon(QRgb couleur)
{
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(couleur);
    return QPixmap::fromImage(encadrer(image));
}

QString listeNiveaux(const QList<int> &niveaux)
{
    QStringList textes;
    for (int niveau : niveaux)
        textes << QString::number(niveau);
    return textes.join(", ");
}

// The table's boxes leave the wheel to the table unless the user is in
// them: rolling over the rows scrolls them and changes no medium.
class MoletteAuTableau : public QObject
{
public:
    explicit MoletteAuTableau(QAbstractScrollArea *table) : QObject(table), table(table) {}

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        auto *boite = qobject_cast<QWidget *>(objet);
        if (evenement->type() != QEvent::Wheel || !boite || boite->hasFocus())
            return false;
        QCoreApplication::sendEvent(table->viewport(), evenement);
        return true;
    }

private:
    QAbstractScrollArea *table;
};

// A row's name box and density box, editable, the name box listing the catalogue.
QPair<QComboBox *, QComboBox *> boitesLigne(const QList<Milieu> &milieux, QObject *molette)
{
    auto *nom = new QComboBox;
    auto *densite = new QComboBox;
    for (QComboBox *boite : {nom, densite}) {
        boite->setEditable(true);
        boite->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        // A typed text stays a typed text, not a new entry of the list.
        boite->setInsertPolicy(QComboBox::NoInsert);
        // Only a click or the keyboard gives a box the focus, and with it the wheel.
        boite->setFocusPolicy(Qt::StrongFocus);
        boite->installEventFilter(molette);
    }
    // Room for a density's six significant digits, as "0.00120479".
    densite->setMinimumContentsLength(10);
    // "1" typed must stay 1, not be completed into the medium's "1.85".
    densite->setCompleter(nullptr);
    for (const Milieu &milieu : milieux)
        nom->addItem(milieu.nom);
    offrirDensite(densite, milieux.isEmpty() ? nullptr : &milieux.first());
    return {nom, densite};
}

} // namespace

TableMateriaux::TableMateriaux(Session &session, QWidget *parent)
    : QWidget(parent), session(session), milieux(session.catalogue()), table(new QTableWidget(0, 4)),
      groupeFond(new QButtonGroup(this)), filtreMolette(new MoletteAuTableau(table)), sourceLignes(session.source())
{
    table->setObjectName("tableMateriaux");
    table->setHorizontalHeaderLabels({tr("Gris lvl"), tr("Nom"), tr("Densite"), tr("Fond")});
    // Rows as high as their boxes, at least eight of them in view, and the
    // name column taking the width that the others leave.
    const int hauteurLigne = QComboBox().sizeHint().height() + 2;
    table->verticalHeader()->setDefaultSectionSize(hauteurLigne);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->setMinimumHeight(table->horizontalHeader()->sizeHint().height() + 8 * hauteurLigne
                            + 2 * table->frameWidth() + table->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ajusterLargeur();
    auto *grille = new QGridLayout(this);
    grille->setContentsMargins(0, 0, 0, 0);
    grille->addWidget(table, 0, 0);
    auto *boutons = new QHBoxLayout;
    auto *boutonCharger = new QPushButton(tr("Charger une table…"));
    auto *boutonEnregistrer = new QPushButton(tr("Enregistrer la table…"));
    auto *boutonCompleter = new QPushButton(tr("Compléter"));
    boutonCharger->setToolTip(tr("Lit une table NIVEAUX NOM [DENSITE] (fichier texte) et l'applique aux lignes"));
    boutonEnregistrer->setToolTip(tr("Écrit les choix des lignes dans une table, à recharger pour d'autres images"));
    boutonCompleter->setToolTip(tr("Donne à chaque ligne non choisie le milieu et la densité du niveau choisi "
                                   "le plus proche (à égalité, le plus foncé)"));
    boutons->addWidget(boutonCharger);
    boutons->addWidget(boutonEnregistrer);
    boutons->addWidget(boutonCompleter);
    boutons->addStretch();
    grille->addLayout(boutons, 1, 0);
    connect(boutonCharger, &QPushButton::clicked, this, &TableMateriaux::chargementDemande);
    // No file to ask for while there is no row to write.
    connect(boutonEnregistrer, &QPushButton::clicked, this, [this] {
        if (lignesTable.isEmpty())
            emit message(tr("Aucune ligne à enregistrer : choisir d'abord une image"));
        else
            emit enregistrementDemande();
    });
    connect(boutonCompleter, &QPushButton::clicked, this, &TableMateriaux::completer);
    connect(&session, &Session::sourceChangee, this, &TableMateriaux::suivreSource);
    connect(&session, &Session::niveauxChanges, this, &TableMateriaux::suivreNiveaux);
    connect(&session, &Session::catalogueChange, this, &TableMateriaux::suivreCatalogue);
}

// The rows' choices and "Fond" stay with the source they were for, until
// the new source's levels come.
void TableMateriaux::suivreSource()
{
    session.choix(sourceLignes).retenirFond(fondRetenu(niveaux));
    sourceLignes = session.source();
    sourceNouvelle = true;
}

// The levels shown: another source's rows come back as it left them (its
// "Fond", else the loaded table's, else the first row); the same source's
// keep the choices of the levels that stay.
void TableMateriaux::suivreNiveaux()
{
    if (!sourceNouvelle) {
        reconstruire(session.niveaux());
        return;
    }
    sourceNouvelle = false;
    remplir(session.niveaux(), fondLignes(session.choix(), session.niveaux()));
}

// The rows offer the new media at once; what the user set stays set.
void TableMateriaux::suivreCatalogue()
{
    if (!lignesTable.isEmpty())
        reconstruire(niveaux);
}

int TableMateriaux::fondRetenu(const QVector<int> &suivants)
{
    int fond = -1;
    ChoixNiveaux &choixLignes = session.choix(sourceLignes);
    for (const LigneTable &ligne : lignesTable) {
        const ChoixNiveau choix{ligne.comboNom->currentText(), ligne.comboDensite->currentText()};
        // A row still blank waits for a catalogue: nothing of the user's to keep.
        if (!choix.nom.trimmed().isEmpty())
            choixLignes.retenir(ligne.niveauGris, choix);
        if (ligne.choixFond->isChecked())
            fond = ligne.niveauGris;
    }
    if (fond < 0 && suivants.contains(choixLignes.fondTable()))
        fond = choixLignes.fondTable();
    return fond;
}

void TableMateriaux::reconstruire(const QVector<int> &suivants)
{
    remplir(suivants, fondRetenu(suivants));
}

void TableMateriaux::remplir(const QVector<int> &suivants, int fond)
{
    QString note;
    if (fond >= 0 && !suivants.contains(fond) && !suivants.isEmpty()) {
        note = (session.source() == SourceFantome::Volume
                    ? tr("le fond passe au niveau %1 : le niveau %2 n'est plus dans le volume")
                    : tr("le fond passe au niveau %1 : le niveau %2 n'est plus dans les images"))
                   .arg(suivants.first())
                   .arg(fond);
        fond = -1;
    }
    niveaux = suivants;
    while (table->rowCount() > 0)
        table->removeRow(0);
    lignesTable.clear();
    QStringList etiquettes;
    for (int i = 0; i < niveaux.size(); ++i) {
        ajouterLigne(i, niveaux[i], fond, session.couleur(niveaux[i]));
        etiquettes << QString::number(niveaux[i]);
    }
    // The level of each row, which messages and table files name.
    table->setVerticalHeaderLabels(etiquettes);
    ajusterLargeur();
    noteFond = note;
}

// Row i, for grey level g: its swatch, its two boxes on the level's last
// choice (else the loaded table's, else the catalogue's first medium), and
// its "Fond" mark, set on the row of level fond or on the first row.
void TableMateriaux::ajouterLigne(int i, int g, int fond, QRgb couleur)
{
    table->insertRow(i);
    auto *gris = new QLabel(QString::number(g));
    gris->setPixmap(echantillon(couleur));
    gris->setAlignment(Qt::AlignCenter);
    gris->setToolTip((session.source() == SourceFantome::Volume ? tr("Valeur %1 du volume") : tr("Niveau de gris %1"))
                         .arg(g));
    table->setCellWidget(i, 0, gris);

    const auto [nom, densite] = boitesLigne(milieux, filtreMolette);
    if (const auto choix = choixRetenu(session.choix(), g))
        poserChoix(nom, densite, milieux, *choix);
    table->setCellWidget(i, 1, nom);
    table->setCellWidget(i, 2, densite);
    connect(nom, &QComboBox::activated, this, [=](int k) { nomChoisi(g, nom, densite, k); });
    connect(nom->lineEdit(), &QLineEdit::editingFinished, this, [=] { nomSaisi(g, nom, densite); });

    // The background mark, centred in its cell.
    auto *choixFond = new QRadioButton;
    choixFond->setToolTip(tr("Le milieu de cette ligne remplit les voxels qui n'en reçoivent aucun"));
    groupeFond->addButton(choixFond);
    choixFond->setChecked(fond >= 0 ? g == fond : i == 0);
    auto *cellule = new QWidget;
    auto *centre = new QHBoxLayout(cellule);
    centre->setContentsMargins(0, 0, 0, 0);
    centre->addWidget(choixFond, 0, Qt::AlignCenter);
    table->setCellWidget(i, 3, cellule);

    lignesTable.append(LigneTable{nom, densite, choixFond, g});
}

// Catalogue names carry trailing blanks: the columns take the width of the
// names, or an edit box scrolled to its end shows only the tail of each;
// the table is wide enough for all of them and for its headers, so that
// neither is cut and no scroll bar runs across.
void TableMateriaux::ajusterLargeur()
{
    table->resizeColumnsToContents();
    int largeur = table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth()
                  + table->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QHeaderView *entete = table->horizontalHeader();
    int noms = entete->sectionSizeHint(1);
    for (const LigneTable &ligne : lignesTable)
        noms = std::max(noms, ligne.comboNom->sizeHint().width());
    for (int c = 0; c < table->columnCount(); ++c)
        largeur += c == 1 ? noms : std::max(table->columnWidth(c), entete->sectionSizeHint(c));
    table->setMinimumWidth(largeur);
}

// A name picked in the list: that medium, with its catalogue density.
void TableMateriaux::nomChoisi(int niveau, QComboBox *nom, QComboBox *densite, int k)
{
    if (k < 0 || k >= milieux.size() || nom->itemText(k) != milieux.at(k).nom)
        return;
    offrirDensite(densite, &milieux.at(k));
    session.choix().marquerChoisi(niveau);
}

// A name typed by the user: a catalogue medium's name (blanks and case aside)
// becomes that medium, density included; any other name leaves the density
// to the user, and a catalogue density still shown would only mislead.
void TableMateriaux::nomSaisi(int niveau, QComboBox *nom, QComboBox *densite)
{
    QLineEdit *saisie = nom->lineEdit();
    if (!saisie->isModified())
        return;
    saisie->setModified(false);
    session.choix().marquerChoisi(niveau);
    const QString texte = nom->currentText();
    if (const Milieu *milieu = trouverMilieu(milieux, texte)) {
        nom->setCurrentIndex(int(milieu - milieux.constData()));
        offrirDensite(densite, milieu);
        return;
    }
    if (texte.trimmed() != texte)
        nom->setEditText(texte.trimmed());
    if (!densite->lineEdit()->isModified() && densite->currentIndex() >= 0
        && densite->currentText() == densite->itemText(densite->currentIndex()))
        offrirDensite(densite, nullptr);
}

// "Compléter": every row the user has not set takes the medium and density
// of the nearest level that the user has set.
void TableMateriaux::completer()
{
    QMap<int, ChoixNiveau> choisis;
    for (const LigneTable &ligne : lignesTable)
        if (session.choix().choisi(ligne.niveauGris))
            choisis.insert(ligne.niveauGris, {ligne.comboNom->currentText(), ligne.comboDensite->currentText()});
    if (choisis.isEmpty()) {
        emit message(lignesTable.isEmpty() ? tr("Compléter : aucune ligne ; choisir d'abord une image")
                                           : tr("Compléter : aucun niveau choisi à prendre pour modèle ; choisir "
                                                "d'abord le milieu de quelques niveaux"));
        return;
    }
    const QMap<int, ChoixNiveau> completes = completerChoix(niveaux, choisis);
    for (const LigneTable &ligne : lignesTable) {
        if (!completes.contains(ligne.niveauGris))
            continue;
        poserChoix(ligne.comboNom, ligne.comboDensite, milieux, completes.value(ligne.niveauGris));
        session.choix().marquerChoisi(ligne.niveauGris);
    }
    emit message(completes.isEmpty() ? tr("Compléter : chaque niveau a déjà son milieu")
                                     : tr("Compléter : %n niveaux réglés sur le niveau choisi le plus proche",
                                          nullptr, int(completes.size())));
}

void TableMateriaux::charger(const QString &chemin)
{
    TableGris lue;
    QString erreur;
    if (!chargerTableGris(chemin, milieux, lue, &erreur)) {
        emit message(erreur);
        return;
    }
    session.choix().chargerTable(lue);
    QList<int> regles, sansEntree;
    for (const LigneTable &ligne : lignesTable) {
        if (const auto &choix = lue.choix[size_t(ligne.niveauGris)]) {
            poserChoix(ligne.comboNom, ligne.comboDensite, milieux, *choix);
            session.choix().marquerChoisi(ligne.niveauGris);
            regles << ligne.niveauGris;
        } else {
            sansEntree << ligne.niveauGris;
        }
        if (ligne.niveauGris == lue.fond)
            ligne.choixFond->setChecked(true);
    }
    QString texte = tr("Table « %1 » chargée").arg(extrait(QFileInfo(chemin).absoluteFilePath()));
    if (lignesTable.isEmpty())
        texte += tr(" ; aucune image choisie : elle réglera les niveaux des images à venir");
    else
        texte += tr(" : %n niveaux réglés", nullptr, int(regles.size()));
    if (!sansEntree.isEmpty())
        texte += tr(" ; sans entrée dans la table : %1").arg(listeNiveaux(sansEntree));
    if (lue.fond >= 0 && !lignesTable.isEmpty() && !niveaux.contains(lue.fond))
        texte += tr(" ; fond %1 absent des images, ignoré").arg(lue.fond);
    emit message(texte);
}

void TableMateriaux::enregistrer(QString chemin)
{
    // A name given without a suffix is a table like the others, found again by the dialog's filter.
    if (QFileInfo(chemin).suffix().isEmpty())
        chemin += ".txt";
    QList<LigneNiveau> lignes;
    int fond = -1;
    for (const LigneTable &ligne : lignesTable) {
        lignes << LigneNiveau{ligne.niveauGris,
                              {ligne.comboNom->currentText(), avecPointDecimal(ligne.comboDensite->currentText())}};
        if (fond < 0 && ligne.choixFond->isChecked())
            fond = ligne.niveauGris;
    }
    QString erreur;
    if (!enregistrerTableGris(chemin, lignes, fond, milieux, &erreur)) {
        emit message(erreur);
        return;
    }
    emit message(tr("Table enregistrée dans « %1 » : %n niveaux", nullptr, int(lignes.size()))
                     .arg(extrait(QFileInfo(chemin).absoluteFilePath())));
}
