// The window's side of the material table: the levels of the source in
// use become its rows, and its buttons' files are asked for here.
#include <QFileInfo>
#include <QLabel>

#include "session/session.h"
#include "window/interface.h"
#include "window/tablemateriaux.h"

QString Interface::constructionTable()
{
    return tableMateriaux->reconstruire(niveauxGris, [this](int niveau) { return couleurNiveau(niveau); });
}

// How a level looks in the source it comes from.
QRgb Interface::couleurNiveau(int niveau) const
{
    return session.source() == SourceFantome::Volume ? couleursVolume.value(niveau) : niveauxPlans.couleur(niveau);
}

void Interface::chargementTableGris()
{
    const QString chemin = choisirFichier(this, tr("Charger une table"), ".",
                                          tr("Tables de niveaux de gris (*.txt);;Tous les fichiers (*)"));
    if (!chemin.isEmpty())
        tableMateriaux->charger(chemin);
}

void Interface::enregistrementTableGris()
{
    const QString chemin = choisirFichierEnregistrement(
        this, tr("Enregistrer la table"), ".", tr("Tables de niveaux de gris (*.txt);;Tous les fichiers (*)"));
    if (!chemin.isEmpty())
        tableMateriaux->enregistrer(chemin);
}
