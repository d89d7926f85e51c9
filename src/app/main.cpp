#include <QApplication>

#include "window/interface.h"
#include "window/traduction.h"

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    installerTraductionQt();
    Interface fenetre;
    fenetre.show();
    return application.exec();
}
