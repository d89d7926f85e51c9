// Linked into every test: the programs read and write numbers in the C
// locale whatever the session's (app/nombres.h), and so does each test, so
// that ITK's writers in the tests write "1.5" under a French locale too.
#include <QCoreApplication>

#include "app/nombres.h"

Q_COREAPP_STARTUP_FUNCTION(nombresEnC)
