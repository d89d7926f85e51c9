// How the tests reach the window's widgets, which the window keeps to
// itself: through the panel that owns them, or by their object names.
#ifndef QUARVEL_TESTS_WIDGETS_H
#define QUARVEL_TESTS_WIDGETS_H

#include <QTableWidget>

#include "window/interface.h"
#include "window/tablemateriaux.h"

inline TableMateriaux *panneauTable(const Interface &f)
{
    return f.findChild<TableMateriaux *>();
}

inline QTableWidget *tableMateriaux(const Interface &f)
{
    return panneauTable(f)->tableau();
}

inline const QList<LigneTable> &lignesTable(const Interface &f)
{
    return panneauTable(f)->lignes();
}

#endif
