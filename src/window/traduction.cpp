#include "window/traduction.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installerTraductionQt()
{
    auto *traduction = new QTranslator(QCoreApplication::instance());
    if (!traduction->load("qtbase_fr", QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(traduction)) {
        delete traduction;
        return false;
    }
    return true;
}
