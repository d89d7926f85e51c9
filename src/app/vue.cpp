// quarvel-view [FILE] [--dose DOSE]: shows an egsphant phantom, plain or
// .gz, and a .3ddose over it (or alone).
#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>

#include <iostream>

#include "app/nombres.h"
#include "app/version.h"
#include "viewer/fenetrevue.h"

namespace {

// Says why on stderr, for scripts; the window still opens with its status line.
void signaler(const FenetreVue &fenetre)
{
    const QByteArray message = fenetre.etat->text().toUtf8();
    std::cerr.write(message.constData(), message.size()) << '\n';
}

} // namespace

int main(int argc, char **argv)
{
    if (afficherVersion(argc, argv, "quarvel-view"))
        return 0;
    QApplication application(argc, argv);
    nombresEnC();
    QCommandLineParser analyseur;
    const QCommandLineOption optionDose("dose", "", "FICHIER");
    analyseur.addOption(optionDose);
    if (!analyseur.parse(application.arguments()) || analyseur.positionalArguments().size() > 1
        || analyseur.values(optionDose).size() > 1) {
        std::cerr << "Usage : quarvel-view [FICHIER.egsphant] [--dose FICHIER.3ddose]\n";
        return 2;
    }
    FenetreVue fenetre;
    const QStringList fichiers = analyseur.positionalArguments();
    const bool lu = fichiers.isEmpty() || fenetre.ouvrir(fichiers.first());
    if (!lu)
        signaler(fenetre);
    // A dose over a phantom that could not be read would be shown alone: not what was asked.
    if (lu && analyseur.isSet(optionDose) && !fenetre.ouvrirDose(analyseur.value(optionDose)))
        signaler(fenetre);
    fenetre.show();
    return application.exec();
}
