// Helpers shared by the tests: files read and written whole, the batch
// command run in-process.
#ifndef QUARVEL_TESTS_OUTILS_H
#define QUARVEL_TESTS_OUTILS_H

#include <QFile>
#include <QString>
#include <QStringList>
#include <sstream>

#include "batch/lot.h"

// The bytes of a file, or "ABSENT" when it cannot be read.
inline QByteArray lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("ABSENT");
}

inline bool ecrireFichier(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

// What quarvel-phantom answers to these arguments.
struct Resultat
{
    int statut;
    QString sortie, erreurs;
};

inline Resultat lancer(const QStringList &arguments)
{
    std::ostringstream sortie, erreurs;
    const int statut = executerLot(arguments, sortie, erreurs);
    return {statut, QString::fromStdString(sortie.str()), QString::fromStdString(erreurs.str())};
}

#endif
