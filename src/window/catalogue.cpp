// The window's media catalogue: choosing the PEGS4 file and reading it.
#include "window/configuration.h"
#include "window/interface.h"
#include "window/tablemateriaux.h"

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
    const qsizetype avant = milieux->size();
    QString erreur;
    if (!lireFichierPegs(chemin, *milieux, std::cout, &erreur)) {
        etat->setText(erreur);
        return;
    }
    const qsizetype lus = milieux->size() - avant;
    // The rows offer the new media at once; what the user set stays set.
    if (!tableMateriaux->lignes().isEmpty())
        constructionTable();
    // A CT shown with an empty ramp table gets the default ramp of this catalogue.
    if (session.source() == SourceFantome::Scanner)
        montrerScanner();
    etat->setText(lus == 1 ? tr("1 milieu lu dans \"%1\"").arg(extrait(chemin))
                           : tr("%1 milieux lus dans \"%2\"").arg(QString::number(lus), extrait(chemin)));
}
