// quarvel-phantom: the window's phantom build for scripts.
#include <QCoreApplication>

#include <iostream>

#include "batch/lot.h"

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    return executerLot(application.arguments().mid(1), std::cout, std::cerr);
}
