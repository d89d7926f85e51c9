// The window's media catalogue: choosing the PEGS4 file and reading it.
#include "window/configuration.h"
#include "window/interface.h"

#include <QLabel>
#include <QLineEdit>
#include <iostream>

#include "media/pegs.h"
#include "model/ligne.h"

void Interface::selectMat()
{
    const QString chemin = choisir(tr("Images (*.pegs4dat)"));
    if (!chemin.isEmpty())
        lireCatalogue(chemin);
}

void Interface::lireCatalogue(const QString &chemin)
{
    configuration->fichierPegs()->setText(chemin);
    analyseFichierPegs();
}

void Interface::analyseFichierPegs()
{
    const QString chemin = configuration->fichierPegs()->text();
    QList<Milieu> milieux;
    QString erreur;
    if (!lireFichierPegs(chemin, milieux, std::cout, &erreur)) {
        etat->setText(erreur);
        return;
    }
    const qsizetype lus = milieux.size();
    // The table and the structures offer them at once; an empty ramp takes the default one.
    session.ajouterMilieux(milieux);
    etat->setText(lus == 1 ? tr("1 milieu lu dans \"%1\"").arg(extrait(chemin))
                           : tr("%1 milieux lus dans \"%2\"").arg(QString::number(lus), extrait(chemin)));
}
