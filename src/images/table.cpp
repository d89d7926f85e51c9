// The material table: one row per grey level of the inventory.
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QTableWidget>

#include "model/densite.h"
#include "window/interface.h"

void Interface::constructionTable()
{
    while (tableMateriaux->rowCount() > 0)
        tableMateriaux->removeRow(0);
    lignesTable->clear();

    for (int i = 0; i < niveauxGris.size(); ++i) {
        const int g = niveauxGris[i];
        tableMateriaux->insertRow(i);

        QImage echantillon(20, 20, QImage::Format_RGB32);
        echantillon.fill(qRgb(g, g, g));
        auto *gris = new QLabel(QString::number(g));
        gris->setPixmap(QPixmap::fromImage(echantillon));
        tableMateriaux->setCellWidget(i, 0, gris);

        auto *nom = new QComboBox;
        auto *densite = new QComboBox;
        nom->setEditable(true);
        densite->setEditable(true);
        nom->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        for (const Milieu &milieu : *milieux) {
            nom->addItem(milieu.nom);
            densite->addItem(texteDensite(milieu.densite));
        }
        tableMateriaux->setCellWidget(i, 1, nom);
        tableMateriaux->setCellWidget(i, 2, densite);
        // A name picked by the user brings its catalogue density, and back.
        connect(nom, &QComboBox::activated, densite, &QComboBox::setCurrentIndex);
        connect(densite, &QComboBox::activated, nom, &QComboBox::setCurrentIndex);

        // The background mark, centred in its cell; the first row holds it unless the user moves it.
        auto *fond = new QRadioButton;
        fond->setToolTip("Le milieu de cette ligne remplit les voxels qui n'en reçoivent aucun");
        groupeFond->addButton(fond);
        fond->setChecked(i == 0);
        auto *cellule = new QWidget;
        auto *centre = new QHBoxLayout(cellule);
        centre->setContentsMargins(0, 0, 0, 0);
        centre->addWidget(fond, 0, Qt::AlignCenter);
        tableMateriaux->setCellWidget(i, 3, cellule);

        lignesTable->append(LigneTable{nom, densite, fond});
    }
    // Catalogue names carry trailing blanks: size the columns to the names,
    // or an edit box scrolled to its end shows only the tail of each.
    tableMateriaux->resizeColumnsToContents();
}
