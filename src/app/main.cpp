// quarvel-toolkit [FILE]: the window; a PEGS4 file given is loaded as its
// catalogue of media, as the desktop entry passes it, and a phantom opens in
// the viewer's window.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "app/ligne.h"
#include "app/nombres.h"
#include "app/version.h"
#include "langue/langue.h"
#include "viewer/fenetrevue.h"
#include "window/interface.h"

namespace {

QString usageFenetre()
{
    return QCoreApplication::translate("app", "Usage : quarvel-toolkit [FICHIER.pegs4dat | FICHIER.egsphant]");
}

QString aideFenetre()
{
    return QCoreApplication::translate("app",
        "Ouvre la fenêtre qui construit un fantôme EGSnrc (.egsphant) à partir d'images de plans en\n"
        "niveaux de gris, d'un volume d'étiquettes ou d'une série CT. Un fichier PEGS4 donné est lu\n"
        "comme catalogue des milieux ; un fantôme (.egsphant, .egsphant.gz) s'ouvre dans la visionneuse.\n"
        "\n"
        "  --help      cette aide.\n"
        "  --version   la version.");
}

bool fantome(const QString &fichier)
{
    return fichier.endsWith(QLatin1String(".egsphant")) || fichier.endsWith(QLatin1String(".egsphant.gz"));
}

} // namespace

int main(int argc, char **argv)
{
    if (afficherVersion(argc, argv, "quarvel-toolkit"))
        return 0;
    const Ligne ligne = lireLigne(argc, argv, usageFenetre, aideFenetre, false);
    if (ligne.statut >= 0)
        return ligne.statut;
    QApplication application(argc, argv);
    nombresEnC();
    installerLangue();
    if (fantome(ligne.fichier)) {
        FenetreVue vue;
        if (!vue.ouvrir(ligne.fichier))
            ecrireLigne(std::cerr, vue.etat->text());
        vue.show();
        return application.exec();
    }
    Interface fenetre;
    if (!ligne.fichier.isEmpty())
        fenetre.lireCatalogue(ligne.fichier);
    fenetre.show();
    return application.exec();
}
