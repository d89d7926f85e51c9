#include "window/panneaurampe.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

#include "model/ligne.h"
#include "scanner/rampe.h"
#include "session/session.h"

namespace {

// A button in cell k of a two-column grid: the ramp's four buttons in two
// rows leave the ramp panel no wider than the material table's.
QPushButton *bouton(const QString &texte, const QString &aide, QGridLayout *grille, int k)
{
    auto *b = new QPushButton(texte);
    b->setToolTip(aide);
    grille->addWidget(b, k / 2, k % 2);
    return b;
}

QString exact(double v)
{
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

} // namespace

PanneauRampe::PanneauRampe(QWidget *parent)
    : QWidget(parent), borneMin(new QLineEdit("-1024")), table(new QTableWidget(0, 4))
{
    borneMin->setObjectName("rampeMin");
    table->setObjectName("tableRampe");
    auto *grilleRampe = new QGridLayout(this);
    grilleRampe->setContentsMargins(0, 0, 0, 0);
    borneMin->setToolTip(tr("Borne basse, en HU, de la première ligne"));
    auto *ligneMin = new QHBoxLayout;
    ligneMin->addWidget(new QLabel(tr("Borne min (HU)")));
    ligneMin->addWidget(borneMin);
    ligneMin->addStretch();
    grilleRampe->addLayout(ligneMin, 0, 0);
    table->setHorizontalHeaderLabels({tr("Nom"), tr("HU max"), tr("Densité min"), tr("Densité max")});
    // Every column in view, "Densité max" included: room for a name of the
    // usual catalogues and each number's header; a longer name scrolls.
    QHeaderView *entete = table->horizontalHeader();
    entete->setSectionResizeMode(QHeaderView::ResizeToContents);
    entete->setSectionResizeMode(0, QHeaderView::Stretch);
    int largeur = table->fontMetrics().horizontalAdvance("ICRUTISSUE521ICRU") + 24;
    for (int c = 1; c < 4; ++c)
        largeur += entete->sectionSizeHint(c);
    table->setMinimumWidth(largeur + table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth()
                           + table->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    grilleRampe->addWidget(table, 1, 0);
    auto *boutons = new QGridLayout;
    auto *ajouter = bouton(tr("Ajouter"), tr("Ajoute une ligne sous la ligne choisie"), boutons, 0);
    auto *retirer = bouton(tr("Retirer"), tr("Retire la ligne choisie"), boutons, 1);
    auto *charger = bouton(tr("Charger la rampe…"), tr("Lit une rampe (fichier texte) dans le tableau"), boutons, 2);
    auto *enregistrer = bouton(tr("Enregistrer la rampe…"), tr("Écrit le tableau dans une rampe"), boutons, 3);
    grilleRampe->addLayout(boutons, 2, 0);
    connect(ajouter, &QPushButton::clicked, this, [this] {
        const int ligne = table->currentRow() + 1;
        table->insertRow(ligne > 0 ? ligne : table->rowCount());
    });
    connect(retirer, &QPushButton::clicked, this, [this] {
        if (table->currentRow() >= 0)
            table->removeRow(table->currentRow());
    });
    connect(charger, &QPushButton::clicked, this, &PanneauRampe::chargementDemande);
    // A ramp that does not read is said before any file is asked for.
    connect(enregistrer, &QPushButton::clicked, this, [this] {
        Rampe rampe;
        QString erreur;
        if (lire(rampe, &erreur))
            emit enregistrementDemande();
        else
            emit message(erreur);
    });
}

void PanneauRampe::suivre(const Session &session)
{
    connect(&session, &Session::sourceChangee, this, [this, &session] { rampeParDefautSiVide(session); });
    connect(&session, &Session::catalogueChange, this, [this, &session] { rampeParDefautSiVide(session); });
    connect(&session, &Session::scannerChange, this, [this, &session] { rampeParDefautSiVide(session); });
}

void PanneauRampe::rampeParDefautSiVide(const Session &session)
{
    Rampe rampe;
    if (session.source() == SourceFantome::Scanner && vide() && rampeParDefaut(session.catalogue(), rampe, nullptr))
        montrer(rampe);
}

void PanneauRampe::placerSous(QWidget *widget)
{
    auto *grille = static_cast<QGridLayout *>(layout());
    grille->addWidget(widget, grille->rowCount(), 0);
}

void PanneauRampe::montrer(const Rampe &rampe)
{
    borneMin->setText(QString::number(rampe.huMin, 'g', 6));
    table->setRowCount(int(rampe.paliers.size()));
    for (int i = 0; i < rampe.paliers.size(); ++i) {
        const PalierRampe &p = rampe.paliers[i];
        const QString cellules[4] = {p.nom, exact(p.huMax), exact(p.densiteMin), exact(p.densiteMax)};
        for (int c = 0; c < 4; ++c)
            table->setItem(i, c, new QTableWidgetItem(cellules[c]));
    }
}

bool PanneauRampe::lire(Rampe &rampe, QString *erreur) const
{
    QList<QStringList> lignes;
    for (int i = 0; i < table->rowCount(); ++i) {
        QStringList cellules;
        for (int c = 0; c < 4; ++c)
            cellules << (table->item(i, c) ? table->item(i, c)->text() : QString());
        lignes << cellules;
    }
    return rampeDuTableau(borneMin->text(), lignes, rampe, erreur);
}

bool PanneauRampe::vide() const
{
    return table->rowCount() == 0;
}

void PanneauRampe::charger(const QString &chemin)
{
    Rampe rampe;
    QString erreur;
    if (!chargerRampe(chemin, rampe, &erreur)) {
        emit message(erreur);
        return;
    }
    montrer(rampe);
    emit message(tr("Rampe « %1 » : %n lignes", nullptr, int(rampe.paliers.size())).arg(extrait(chemin)));
}

void PanneauRampe::enregistrer(const QString &chemin)
{
    Rampe rampe;
    QString erreur;
    if (!lire(rampe, &erreur) || !enregistrerRampe(chemin, rampe, &erreur))
        emit message(erreur);
    else
        emit message(tr("Rampe écrite dans « %1 »").arg(extrait(chemin)));
}
