// Helpers shared by the tests: files read and written whole, the batch
// command run in-process.
#ifndef QUARVEL_TESTS_OUTILS_H
#define QUARVEL_TESTS_OUTILS_H

#include <QBuffer>
#include <QFile>
#include <QString>
#include <QStringList>
#include <sstream>

#include "batch/lot.h"
#include "egsphant/egsphant.h"

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

// The phantom text the writer makes of these records and grid, or
// "ECHEC" and why.
inline QByteArray texte(const QList<Materiau> &materiaux, const Grille &grille, const Geometrie &geometrie = Geometrie())
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    QString erreur;
    return ecrireEgsphant(tampon, materiaux, grille, geometrie, &erreur) ? octets : "ECHEC " + erreur.toUtf8();
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
