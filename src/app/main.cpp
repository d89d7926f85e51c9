#include <QApplication>

#include "app/nombres.h"
#include "app/version.h"
#include "window/interface.h"
#include "window/traduction.h"

int main(int argc, char **argv)
{
    if (afficherVersion(argc, argv, "quarvel-toolkit"))
        return 0;
    QApplication application(argc, argv);
    nombresEnC();
    installerTraductionQt();
    Interface fenetre;
    fenetre.show();
    return application.exec();
}
