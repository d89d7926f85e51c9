#include <QApplication>

#include "window/interface.h"

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    Interface fenetre;
    fenetre.show();
    return application.exec();
}
