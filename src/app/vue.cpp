// quarvel-view [FILE] [--dose DOSE]: shows an egsphant phantom, plain or
// .gz, and a .3ddose over it (or alone).
#include <QApplication>
#include <QLabel>

#include "app/ligne.h"
#include "app/nombres.h"
#include "app/version.h"
#include "langue/langue.h"
#include "viewer/fenetrevue.h"

namespace {

QString usageVue()
{
    return QCoreApplication::translate("app", "Usage : quarvel-view [FICHIER.egsphant] [--dose FICHIER.3ddose]");
}

QString aideVue()
{
    return QCoreApplication::translate("app",
        "Montre les coupes, les milieux et les densités d'un fantôme EGSnrc (.egsphant, .egsphant.gz),\n"
        "et une dose de DOSXYZnrc (.3ddose) par-dessus ou seule.\n"
        "\n"
        "  --dose FICHIER   dose .3ddose à superposer au fantôme.\n"
        "  --help           cette aide.\n"
        "  --version        la version.");
}

// Says why on stderr, for scripts; the window still opens with its status line.
void signaler(const FenetreVue &fenetre)
{
    ecrireLigne(std::cerr, fenetre.etat->text());
}

} // namespace

int main(int argc, char **argv)
{
    if (afficherVersion(argc, argv, "quarvel-view"))
        return 0;
    const Ligne ligne = lireLigne(argc, argv, usageVue, aideVue, true);
    if (ligne.statut >= 0)
        return ligne.statut;
    QApplication application(argc, argv);
    nombresEnC();
    installerLangue();
    FenetreVue fenetre;
    const bool lu = ligne.fichier.isEmpty() || fenetre.ouvrir(ligne.fichier);
    if (!lu)
        signaler(fenetre);
    // A dose over a phantom that could not be read would be shown alone: not what was asked.
    if (lu && !ligne.dose.isEmpty() && !fenetre.ouvrirDose(ligne.dose))
        signaler(fenetre);
    fenetre.show();
    return application.exec();
}
