// Helpers shared by the tests that drive the window as a user does: its
// rows by level, typing in a box, its buttons, and file choosers answered
// from a queue.
#ifndef QUARVEL_TESTS_FENETRE_H
#define QUARVEL_TESTS_FENETRE_H

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "window/interface.h"
#include "widgets.h"

// The row of a grey level, or nullptr.
inline const LigneTable *ligne(const Interface &f, int niveau)
{
    for (const LigneTable &l : lignesTable(f))
        if (l.niveauGris == niveau)
            return &l;
    return nullptr;
}

// Types into a row's edit box as a user does, ending with Enter.
inline void taper(QComboBox *boite, const QString &texte)
{
    boite->lineEdit()->selectAll();
    QTest::keyClick(boite->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(boite->lineEdit(), texte);
    QTest::keyClick(boite->lineEdit(), Qt::Key_Return);
}

inline QPushButton *bouton(QWidget &f, const QString &texte)
{
    for (QPushButton *b : f.findChildren<QPushButton *>())
        if (b->text() == texte)
            return b;
    return nullptr;
}

// A window whose file and folder choosers answer from a queue of paths.
struct Fenetre
{
    Interface f;
    QStringList reponses;
    Fenetre()
    {
        auto repondre = [this](QWidget *, const QString &, const QString &, const QString &) {
            return reponses.isEmpty() ? QString() : reponses.takeFirst();
        };
        f.choisirFichier = repondre;
        f.choisirFichierEnregistrement = repondre;
        f.choisirDossier = [repondre](QWidget *parent, const QString &titre, const QString &dossier) {
            return repondre(parent, titre, dossier, QString());
        };
    }
    void lancer(void (Interface::*slot)(), const QString &chemin)
    {
        reponses << chemin;
        (f.*slot)();
    }
    void cliquer(const QString &texte, const QString &chemin)
    {
        reponses << chemin;
        bouton(f, texte)->click();
    }
};

#endif
