// The "Voir" button: the phantom in the viewer, in this process.
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

#include "viewer/fenetrevue.h"
#include "window/configuration.h"
#include "window/interface.h"
#include "model/ligne.h"

void Interface::voirFantome()
{
    const QString champ = configuration->fichierEgsphant()->text();
    QString chemin;
    if (!champ.isEmpty() && QFileInfo(champ).isFile())
        chemin = champ;
    else if (!dernierFantome.isEmpty() && QFileInfo(dernierFantome).isFile())
        chemin = dernierFantome;
    else {
        etat->setText(champ.isEmpty()
                          ? tr("Aucun fantôme à voir : le nom du fichier de sortie est vide.")
                          : tr("Aucun fantôme à voir : « %1 » n'existe pas ; le bouton « Egsphant » l'écrit.")
                                .arg(extrait(champ)));
        return;
    }
    auto *vue = qobject_cast<FenetreVue *>(fenetreVue.data());
    const bool nouvelle = !vue;
    if (nouvelle) {
        // Its own window, closed with this one.
        vue = new FenetreVue(this);
        vue->setWindowFlag(Qt::Window);
        vue->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (!vue->ouvrir(chemin)) {
        etat->setText(vue->etat->text());
        if (nouvelle)
            delete vue;
        return;
    }
    fenetreVue = vue;
    vue->show();
    vue->raise();
    vue->activateWindow();
}
