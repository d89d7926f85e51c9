#ifndef QUARVEL_LIGNE_H
#define QUARVEL_LIGNE_H

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <iostream>

#include "langue/langue.h"

// The command line of the two programs that open windows, read under a plain
// QCoreApplication before the window's application starts: --help, an
// unknown option or a file too many are answered on a node with no display.
struct Ligne {
    int statut = -1; // 0 or more: the program has answered and ends with it
    QString fichier;
    QString dose;
};

inline void ecrireLigne(std::ostream &flux, const QString &texte)
{
    const QByteArray octets = texte.toUtf8();
    flux.write(octets.constData(), octets.size()) << '\n';
}

// usage: the program's one-line usage, its refusal of a line it cannot read;
// aide: the rest of its help. Both built once the language is installed.
// avecDose: --dose FILE taken.
inline Ligne lireLigne(int argc, char **argv, QString (*usage)(), QString (*aide)(), bool avecDose)
{
    QCoreApplication lecture(argc, argv);
    installerLangue();
    QCommandLineParser analyseur;
    const QCommandLineOption optionAide(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption optionDose(QStringLiteral("dose"), QString(), QStringLiteral("FICHIER"));
    analyseur.addOption(optionAide);
    // Qt's own options (-platform xcb, -style Fusion, -reverse…), left to the application that follows.
    analyseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *option : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                               "geometry", "qwindowtitle", "title", "qwindowicon", "display", "style", "stylesheet",
                               "session"})
        analyseur.addOption(QCommandLineOption(QLatin1String(option), QString(), QStringLiteral("VALEUR")));
    for (const char *drapeau : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        analyseur.addOption(QCommandLineOption(QLatin1String(drapeau)));
    if (avecDose)
        analyseur.addOption(optionDose);
    Ligne ligne;
    const bool lue = analyseur.parse(lecture.arguments());
    if (lue && analyseur.isSet(optionAide)) {
        ecrireLigne(std::cout, usage() + QLatin1Char('\n') + aide());
        ligne.statut = 0;
    } else if (!lue || analyseur.positionalArguments().size() > 1
               || (avecDose && analyseur.values(optionDose).size() > 1)) {
        ecrireLigne(std::cerr, usage());
        ligne.statut = 2;
    } else {
        ligne.fichier = analyseur.positionalArguments().value(0);
        if (avecDose)
            ligne.dose = analyseur.value(optionDose);
    }
    return ligne;
}

#endif
