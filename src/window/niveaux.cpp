// The window's side of the material table: the note of its rows' rebuild,
// and its buttons' files, asked for here.
#include <QFileInfo>
#include <QLabel>

#include "session/session.h"
#include "window/interface.h"
#include "window/tablemateriaux.h"

// The rows follow the levels the session shows; what their last rebuild
// has to tell, for the status line.
QString Interface::constructionTable()
{
    return tableMateriaux->note();
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
