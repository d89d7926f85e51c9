#ifndef QUARVEL_LIGNE_H
#define QUARVEL_LIGNE_H

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

#endif
