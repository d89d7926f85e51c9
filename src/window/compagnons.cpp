// The window's side of the files written beside the phantom written last:
// the same functions as quarvel-phantom --egsinp and --egspp, so the same
// bytes.
#include "window/compagnons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "companions/egspp.h"
#include "window/interface.h"

FormulaireDosxyz::FormulaireDosxyz(QWidget *parent) : QDialog(parent)
{
    const ChoixDosxyz defaut;
    titre = new QLineEdit(defaut.titre);
    titre->setPlaceholderText("nom du fantôme, particule et énergie");
    particule = new QComboBox;
    particule->addItem("photons", "photon");
    particule->addItem("électrons", "electron");
    particule->addItem("positrons", "positron");
    particule->setCurrentIndex(particule->findData(defaut.particule));
    energie = new QLineEdit(defaut.energie);
    histoires = new QLineEdit(defaut.histoires);
    graines = new QLineEdit(defaut.graines);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *formulaire = new QFormLayout;
    formulaire->addRow("Titre", titre);
    formulaire->addRow("Particule", particule);
    formulaire->addRow("Énergie (MeV)", energie);
    formulaire->addRow("Histoires", histoires);
    formulaire->addRow("Graines", graines);
    formulaire->addRow(boutons);
    setLayout(formulaire);
    setWindowTitle(tr("Entrée DOSXYZnrc"));
}

ChoixDosxyz FormulaireDosxyz::choix() const
{
    return {titre->text(), particule->currentData().toString(), energie->text(), histoires->text(), graines->text()};
}

namespace {

const QString aucunFantome = "aucun fantôme écrit : le construire d'abord avec « Egsphant »";

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
    QString erreur = fantomeEcrit ? refusFantomeDosxyz(fantomeEcrit->chemin) : aucunFantome;
    if (!erreur.isEmpty()) {
        etat->setText("Entrée DOSXYZnrc : " + erreur);
        return;
    }
    const QString chemin = choisirFichierEnregistrement(this, tr("Entrée DOSXYZnrc"), nomCompagnon(".egsinp"),
                                                        tr("Entrées DOSXYZnrc (*.egsinp)"));
    FormulaireDosxyz formulaire(this);
    if (chemin.isEmpty() || formulaire.exec() != QDialog::Accepted)
        return;
    ParametresDosxyz parametres;
    erreur = lireChoixDosxyz(formulaire.choix(), parametres);
    if (!erreur.isEmpty())
        etat->setText("Entrée DOSXYZnrc : " + erreur);
    else
        etat->setText(ecrireEntreeDosxyz(chemin, *fantomeEcrit, parametres, &erreur) ? resumeEntreeDosxyz(chemin)
                                                                                      : erreur);
}

void Interface::geometrieEgspp()
{
    if (!fantomeEcrit) {
        etat->setText("Géométrie egs++ : " + aucunFantome);
        return;
    }
    const QString chemin = choisirFichierEnregistrement(this, tr("Géométrie egs++"), nomCompagnon(".geom"),
                                                        tr("Géométries egs++ (*.geom)"));
    if (chemin.isEmpty())
        return;
    QString erreur;
    int lignes = 0;
    etat->setText(ecrireGeometrieEgspp(chemin, *fantomeEcrit, &erreur, &lignes) ? resumeGeometrieEgspp(chemin, lignes)
                                                                                : erreur);
}
