// How the tests reach the window's widgets, which the window keeps to
// itself: through the panel that owns them, or by their object names.
#ifndef QUARVEL_TESTS_WIDGETS_H
#define QUARVEL_TESTS_WIDGETS_H

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QPushButton>
#include <QTableWidget>

#include "window/imageplan.h"
#include "window/interface.h"
#include "window/tablemateriaux.h"

// The window's widget of that name; a test that names a widget the window
// lacks stops there, rather than crash further on.
template <typename W>
W *nomme(const QWidget &f, const char *nom)
{
    W *widget = f.findChild<W *>(QString::fromLatin1(nom));
    if (!widget)
        qFatal("aucun widget « %s » dans la fenêtre", nom);
    return widget;
}

inline QLineEdit *champNomme(const QWidget &f, const char *nom)
{
    return nomme<QLineEdit>(f, nom);
}

inline QCheckBox *cocheNommee(const QWidget &f, const char *nom)
{
    return nomme<QCheckBox>(f, nom);
}

inline ImagePlan *imageNommee(const QWidget &f, const char *nom)
{
    return nomme<ImagePlan>(f, nom);
}

// The window's status line.
inline QLabel *etatDe(const Interface &f)
{
    return nomme<QLabel>(f, "etat");
}

inline QTableWidget *tableNommee(const QWidget &f, const char *nom)
{
    return nomme<QTableWidget>(f, nom);
}

inline QLabel *etiquetteNommee(const QWidget &f, const char *nom)
{
    return nomme<QLabel>(f, nom);
}

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
