// quarvel-view [FILE]: shows an egsphant phantom, plain or .gz.
#include <QApplication>
#include <QLabel>

#include <iostream>

#include "app/nombres.h"
#include "app/version.h"
#include "viewer/fenetrevue.h"

int main(int argc, char **argv)
{
    if (afficherVersion(argc, argv, "quarvel-view"))
        return 0;
    QApplication application(argc, argv);
    nombresEnC();
    FenetreVue fenetre;
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.size() > 1) {
        std::cerr << "Usage : quarvel-view [FICHIER.egsphant]\n";
        return 2;
    }
    if (!arguments.isEmpty() && !fenetre.ouvrir(arguments.first())) {
        // The window still opens, its status line saying why; scripts see it too.
        const QByteArray message = fenetre.etat->text().toUtf8();
        std::cerr.write(message.constData(), message.size()) << '\n';
    }
    fenetre.show();
    return application.exec();
}
