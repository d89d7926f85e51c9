// The window's side of the files written beside the phantom written last:
// the same functions as quarvel-phantom --egsinp and --egspp, so the same
// bytes.
#include "window/compagnons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "session/ecriture.h"
#include "window/interface.h"

FormulaireDosxyz::FormulaireDosxyz(QWidget *parent) : QDialog(parent)
{
    const ChoixDosxyz defaut;
    titre = new QLineEdit(defaut.titre);
    titre->setPlaceholderText(tr("nom du fantôme, particule et énergie"));
    particule = new QComboBox;
    particule->addItem(tr("photons"), "photon");
    particule->addItem(tr("électrons"), "electron");
    particule->addItem(tr("positrons"), "positron");
    particule->setCurrentIndex(particule->findData(defaut.particule));
    energie = new QLineEdit(defaut.energie);
    histoires = new QLineEdit(defaut.histoires);
    graines = new QLineEdit(defaut.graines);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *formulaire = new QFormLayout;
    formulaire->addRow(tr("Titre"), titre);
    formulaire->addRow(tr("Particule"), particule);
    formulaire->addRow(tr("Énergie (MeV)"), energie);
    formulaire->addRow(tr("Histoires"), histoires);
    formulaire->addRow(tr("Graines"), graines);
    formulaire->addRow(boutons);
    setLayout(formulaire);
    setWindowTitle(tr("Entrée DOSXYZnrc"));
}

ChoixDosxyz FormulaireDosxyz::choix() const
{
    return {titre->text(), particule->currentData().toString(), energie->text(), histoires->text(), graines->text()};
}

namespace {

const char *const aucunFantome =
    QT_TRANSLATE_NOOP("Interface", "aucun fantôme écrit : le construire d'abord avec « Egsphant »");

} // namespace

// Beside the phantom, with its name: "tete.egsphant" suggests "tete" + suffixe.
QString Interface::nomCompagnon(const QString &suffixe) const
{
    QString nom = fantomeEcrit->chemin;
    if (nom.endsWith(".gz"))
        nom.chop(3);
    if (nom.endsWith(".egsphant"))
        nom.chop(9);
    return nom + suffixe;
}

void Interface::entreeDosxyz()
{
    QString erreur = fantomeEcrit ? refusFantomeDosxyz(fantomeEcrit->chemin) : tr(aucunFantome);
    if (!erreur.isEmpty()) {
        etat->setText(tr("Entrée DOSXYZnrc : %1").arg(erreur));
        return;
    }
    const QString chemin = choisirFichierEnregistrement(this, tr("Entrée DOSXYZnrc"), nomCompagnon(".egsinp"),
                                                        tr("Entrées DOSXYZnrc (*.egsinp)"));
    FormulaireDosxyz formulaire(this);
    if (chemin.isEmpty() || formulaire.exec() != QDialog::Accepted)
        return;
    ParametresDosxyz parametres;
    erreur = lireChoixDosxyz(formulaire.choix(), parametres);
    if (!erreur.isEmpty()) {
        etat->setText(tr("Entrée DOSXYZnrc : %1").arg(erreur));
        return;
    }
    QString texte; // what was written, or why not
    ecrireEntree(chemin, *fantomeEcrit, parametres, texte);
    etat->setText(texte);
}

void Interface::geometrieEgspp()
{
    if (!fantomeEcrit) {
        etat->setText(tr("Géométrie egs++ : %1").arg(tr(aucunFantome)));
        return;
    }
    const QString chemin = choisirFichierEnregistrement(this, tr("Géométrie egs++"), nomCompagnon(".geom"),
                                                        tr("Géométries egs++ (*.geom)"));
    if (chemin.isEmpty())
        return;
    QString texte; // what was written, or why not
    ecrireGeometrie(chemin, *fantomeEcrit, texte);
    etat->setText(texte);
}
