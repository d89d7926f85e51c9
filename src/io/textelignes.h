#ifndef QUARVEL_TEXTELIGNES_H
#define QUARVEL_TEXTELIGNES_H

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

// Reads a small text file whole into contenu. Why not, in French, or an
// empty text: a missing file, a read error, or more than tailleMax bytes
// (then it is not what it claims to be, and a device that never ends must
// not hang the reader); genre names what was expected ("une rampe").
QString lireTexteCourt(const QString &chemin, qint64 tailleMax, const QString &genre, QByteArray &contenu);

// Hands each line of a plain UTF-8 text to traiter, with its number (from
// 1) and its words (split at blanks and tabs), skipping a byte-order mark,
// CRs before the line ends, "#" comments and blank lines. Stops at the
// first refusal traiter returns (a text that is not empty) or at a line
// that is not UTF-8, and returns it; an empty text when every line passed.
QString parcourirLignes(QByteArrayView contenu, const std::function<QString(int numero, const QStringList &mots)> &traiter);

// « ligne N : raison ».
QString refusLigne(int numero, const QString &raison);

#endif
