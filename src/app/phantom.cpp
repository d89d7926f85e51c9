// quarvel-phantom: the window's phantom build for scripts.
#include <QCoreApplication>

#include <iostream>
#include <unistd.h>

#include "app/nombres.h"
#include "app/version.h"
#include "batch/lot.h"
#include "langue/langue.h"

int main(int argc, char **argv)
{
    if (afficherVersion(argc, argv, "quarvel-phantom"))
        return 0;
    QCoreApplication application(argc, argv);
    nombresEnC();
    installerLangue();
    // Progress only on a terminal: a log file gets no lines of carriage returns.
    return executerLot(application.arguments().mid(1), std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
}
