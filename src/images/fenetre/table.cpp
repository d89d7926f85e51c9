// The material table: one row per grey level of the inventory. The user's
// choices outlive a rebuild, and tables of choices are loaded and saved.
#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>

#include "images/apercu.h"
#include "model/densite.h"
#include "window/interface.h"
#include "model/ligne.h"

namespace {

// Shows a choice in a row's two boxes: the catalogue entry when the name is
// one, with its density when that is the density too, else the texts as given.
void poserChoix(QComboBox *nom, QComboBox *densite, const ChoixNiveau &choix)
{
    const int k = nom->findText(choix.nom);
    if (k >= 0) {
        nom->setCurrentIndex(k);
        if (densite->itemText(k) == choix.texteDensite) {
            densite->setCurrentIndex(k);
            return;
        }
    } else {
        nom->setEditText(choix.nom);
    }
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

} // namespace

void Interface::constructionTable()
{
    // What the rows hold now, by level: a rebuild must not lose the user's work.
    QHash<int, ChoixNiveau> avant;
    int fondAvant = -1;
    for (const LigneTable &ligne : *lignesTable) {
        const ChoixNiveau choix{ligne.comboNom->currentText(), ligne.comboDensite->currentText()};
        if (!choix.nom.trimmed().isEmpty())
            avant.insert(ligne.niveauGris, choix);
        if (ligne.choixFond->isChecked())
            fondAvant = ligne.niveauGris;
    }
    if (fondAvant < 0 && niveauxGris.contains(tableChargee.fond))
        fondAvant = tableChargee.fond;

    while (tableMateriaux->rowCount() > 0)
        tableMateriaux->removeRow(0);
    lignesTable->clear();

    QStringList etiquettes;
    for (int i = 0; i < niveauxGris.size(); ++i) {
        const int g = niveauxGris[i];
        tableMateriaux->insertRow(i);
        etiquettes << QString::number(g);

        auto *gris = new QLabel(QString::number(g));
        gris->setPixmap(echantillon(couleursNiveaux.value(g, qRgb(g, g, g))));
        gris->setAlignment(Qt::AlignCenter);
        gris->setToolTip(QString("Niveau de gris %1").arg(g));
        tableMateriaux->setCellWidget(i, 0, gris);

        auto *nom = new QComboBox;
        auto *densite = new QComboBox;
        nom->setEditable(true);
        densite->setEditable(true);
        nom->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        // Room for a density's six significant digits, as "0.00120479".
        densite->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        densite->setMinimumContentsLength(10);
        // A typed text stays a typed text: inserted as an item it would ask
        // the partner box for an entry that it does not have.
        nom->setInsertPolicy(QComboBox::NoInsert);
        densite->setInsertPolicy(QComboBox::NoInsert);
        // A typed density that happens to be some medium's must not switch
        // the name to that medium: neither the Enter key, the completer nor
        // leaving the box picks an entry of the density list, only a choice in it.
        densite->setDuplicatesEnabled(true);
        densite->setCompleter(nullptr);
        disconnect(densite->lineEdit(), &QLineEdit::editingFinished, densite, nullptr);
        for (const Milieu &milieu : *milieux) {
            nom->addItem(milieu.nom);
            densite->addItem(texteDensite(milieu.densite));
        }
        if (avant.contains(g))
            poserChoix(nom, densite, avant.value(g));
        else if (const auto &choix = tableChargee.choix[size_t(g)])
            poserChoix(nom, densite, *choix);
        tableMateriaux->setCellWidget(i, 1, nom);
        tableMateriaux->setCellWidget(i, 2, densite);
        // A name picked by the user brings its catalogue density, and back.
        connect(nom, &QComboBox::activated, densite, &QComboBox::setCurrentIndex);
        connect(densite, &QComboBox::activated, nom, &QComboBox::setCurrentIndex);
        connect(nom->lineEdit(), &QLineEdit::editingFinished, this, [this, nom, densite] { nomSaisi(nom, densite); });

        // The background mark, centred in its cell; the first row holds it unless the user moves it.
        auto *fond = new QRadioButton;
        fond->setToolTip("Le milieu de cette ligne remplit les voxels qui n'en reçoivent aucun");
        groupeFond->addButton(fond);
        fond->setChecked(fondAvant >= 0 ? g == fondAvant : i == 0);
        auto *cellule = new QWidget;
        auto *centre = new QHBoxLayout(cellule);
        centre->setContentsMargins(0, 0, 0, 0);
        centre->addWidget(fond, 0, Qt::AlignCenter);
        tableMateriaux->setCellWidget(i, 3, cellule);

        lignesTable->append(LigneTable{nom, densite, fond, g});
    }
    // The level of each row, which messages and table files name.
    tableMateriaux->setVerticalHeaderLabels(etiquettes);
    // Catalogue names carry trailing blanks: size the columns to the names,
    // or an edit box scrolled to its end shows only the tail of each.
    tableMateriaux->resizeColumnsToContents();
    // Wide enough for every column's content, the stretched names included.
    int largeur = tableMateriaux->verticalHeader()->sizeHint().width() + 2 * tableMateriaux->frameWidth()
                  + tableMateriaux->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    int noms = tableMateriaux->horizontalHeader()->sectionSizeHint(1);
    for (const LigneTable &ligne : *lignesTable)
        noms = std::max(noms, ligne.comboNom->sizeHint().width());
    for (int c = 0; c < tableMateriaux->columnCount(); ++c)
        largeur += c == 1 ? noms : tableMateriaux->columnWidth(c);
    tableMateriaux->setMinimumWidth(largeur);
}

// A name typed by the user: a catalogue medium's name (blanks and case aside)
// becomes that medium, density included; any other name leaves the density
// to the user, and a catalogue density still shown would only mislead.
void Interface::nomSaisi(QComboBox *nom, QComboBox *densite)
{
    QLineEdit *saisie = nom->lineEdit();
    if (!saisie->isModified())
        return;
    saisie->setModified(false);
    const QString texte = nom->currentText();
    if (const Milieu *milieu = trouverMilieu(*milieux, texte)) {
        const int k = int(milieu - milieux->constData());
        nom->setCurrentIndex(k);
        densite->setCurrentIndex(k);
        return;
    }
    if (texte.trimmed() != texte)
        nom->setEditText(texte.trimmed());
    if (!densite->lineEdit()->isModified() && densite->currentIndex() >= 0
        && densite->currentText() == densite->itemText(densite->currentIndex()))
        densite->setEditText(QString());
}

void Interface::chargementTableGris()
{
    const QString chemin = choisirFichier(this, tr("Charger une table"), ".",
                                          tr("Tables de niveaux de gris (*.txt);;Tous les fichiers (*)"));
    if (chemin.isEmpty())
        return;
    TableGris table;
    QString erreur;
    if (!chargerTableGris(chemin, *milieux, table, &erreur)) {
        etat->setText(erreur);
        return;
    }
    tableChargee = table;
    QList<int> regles, sansEntree;
    for (const LigneTable &ligne : *lignesTable) {
        if (const auto &choix = table.choix[size_t(ligne.niveauGris)]) {
            poserChoix(ligne.comboNom, ligne.comboDensite, *choix);
            regles << ligne.niveauGris;
        } else {
            sansEntree << ligne.niveauGris;
        }
        if (ligne.niveauGris == table.fond)
            ligne.choixFond->setChecked(true);
    }
    QString message = QString("Table « %1 » chargée").arg(extrait(QFileInfo(chemin).absoluteFilePath()));
    if (lignesTable->isEmpty())
        message += " ; aucune image choisie : elle réglera les niveaux des images à venir";
    else
        message += QString(" : %1 niveau%2 réglé%3")
                       .arg(regles.size())
                       .arg(regles.size() > 1 ? "x" : "")
                       .arg(regles.size() > 1 ? "s" : "");
    if (!sansEntree.isEmpty())
        message += QString(" ; sans entrée dans la table : %1").arg(listeNiveaux(sansEntree));
    if (table.fond >= 0 && !lignesTable->isEmpty() && !niveauxGris.contains(table.fond))
        message += QString(" ; fond %1 absent des images, ignoré").arg(table.fond);
    etat->setText(message);
}

void Interface::enregistrementTableGris()
{
    if (lignesTable->isEmpty()) {
        etat->setText("Aucune ligne à enregistrer : choisir d'abord une image");
        return;
    }
    const QString chemin = choisirFichierEnregistrement(
        this, tr("Enregistrer la table"), ".", tr("Tables de niveaux de gris (*.txt);;Tous les fichiers (*)"));
    if (chemin.isEmpty())
        return;
    QList<LigneNiveau> lignes;
    int fond = -1;
    for (const LigneTable &ligne : *lignesTable) {
        lignes << LigneNiveau{ligne.niveauGris, {ligne.comboNom->currentText(), ligne.comboDensite->currentText()}};
        if (fond < 0 && ligne.choixFond->isChecked())
            fond = ligne.niveauGris;
    }
    QString erreur;
    if (!enregistrerTableGris(chemin, lignes, fond, *milieux, &erreur)) {
        etat->setText(erreur);
        return;
    }
    etat->setText(QString("Table enregistrée dans « %1 » : %2 niveau%3")
                      .arg(extrait(QFileInfo(chemin).absoluteFilePath()))
                      .arg(lignes.size())
                      .arg(lignes.size() > 1 ? "x" : ""));
}
