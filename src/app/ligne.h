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

// aide: the program's help, built once the language is installed. avecDose: --dose FILE taken.
inline Ligne lireLigne(int argc, char **argv, const QString &programme, QString (*aide)(), bool avecDose)
{
    QCoreApplication lecture(argc, argv);
    installerLangue();
    QCommandLineParser analyseur;
    const QCommandLineOption optionAide(QStringLiteral("help"));
    const QCommandLineOption optionDose(QStringLiteral("dose"), QString(), QStringLiteral("FICHIER"));
    analyseur.addOption(optionAide);
    if (avecDose)
        analyseur.addOption(optionDose);
    Ligne ligne;
    QString refus;
    if (!analyseur.parse(lecture.arguments())) {
        const QStringList inconnues = analyseur.unknownOptionNames();
        refus = inconnues.isEmpty()
            ? QCoreApplication::translate("app", "%1 : valeur manquante après --dose").arg(programme)
            : QCoreApplication::translate("app", "%1 : option inconnue « %2 »").arg(programme, inconnues.first());
    } else if (analyseur.isSet(optionAide)) {
        ecrireLigne(std::cout, aide());
        ligne.statut = 0;
        return ligne;
    } else if (analyseur.positionalArguments().size() > 1 || (avecDose && analyseur.values(optionDose).size() > 1)) {
        refus = QCoreApplication::translate("app", "%1 : un seul fichier à la fois").arg(programme);
    }
    if (!refus.isEmpty()) {
        ecrireLigne(std::cerr, refus + QCoreApplication::translate("app", " (voir %1 --help)").arg(programme));
        ligne.statut = 2;
        return ligne;
    }
    ligne.fichier = analyseur.positionalArguments().value(0);
    if (avecDose)
        ligne.dose = analyseur.value(optionDose);
    return ligne;
}

#endif
