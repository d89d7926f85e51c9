#ifndef QUARVEL_LIGNE_H
#define QUARVEL_LIGNE_H

#include <QCoreApplication>
#include <QString>

// Texte shown in one line: every control character (below 32, or 127) that
// a user typed or a file held is written as an escape (\n, \r, \t, \xHH), so
// a message never spans several lines nor moves the terminal's cursor.
// Applying it twice gives the same text.
inline QString surUneLigne(const QString &texte)
{
    QString resultat;
    resultat.reserve(texte.size());
    for (const QChar c : texte) {
        const char16_t u = c.unicode();
        if (u >= 32 && u != 127)
            resultat += c;
        else if (u == '\n')
            resultat += QLatin1String("\\n");
        else if (u == '\r')
            resultat += QLatin1String("\\r");
        else if (u == '\t')
            resultat += QLatin1String("\\t");
        else
            resultat += QString("\\x%1").arg(int(u), 2, 16, QChar('0'));
    }
    return resultat;
}

// User text echoed in a message (a name, a path, a line of a file): on one
// line, and at most longueurExtraitMax characters, its middle replaced by
// "…" when longer, so that both ends (a path's file name) stay readable and
// a 4 MB name gives a short line. Only the ends shown are escaped.
constexpr qsizetype longueurExtraitMax = 80;
inline QString extrait(const QString &texte)
{
    if (texte.size() <= longueurExtraitMax) {
        const QString entier = surUneLigne(texte);
        if (entier.size() <= longueurExtraitMax)
            return entier;
    }
    constexpr qsizetype tete = (longueurExtraitMax - 1) / 2;
    constexpr qsizetype queue = longueurExtraitMax - 1 - tete;
    QString debut = surUneLigne(texte.left(tete)).left(tete);
    QString fin = surUneLigne(texte.right(queue)).right(queue);
    // Never half of a surrogate pair.
    if (!debut.isEmpty() && debut.back().isHighSurrogate())
        debut.chop(1);
    if (!fin.isEmpty() && fin.front().isLowSurrogate())
        fin.remove(0, 1);
    return debut + QChar(0x2026) + fin;
}

// A note as every message gives it, after what was done: "Note : " then the note.
inline QString ligneNote(const QString &note)
{
    return QCoreApplication::translate("messages", "Note : ") + note;
}

#endif
