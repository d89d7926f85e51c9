#ifndef QUARVEL_NOMBRE_H
#define QUARVEL_NOMBRE_H

#include <QString>
#include <cmath>

// A typed real, read as QString::toDouble reads it (blanks around ignored, a
// full stop whatever the machine's settings), so the same text gives the same
// value everywhere. False for text that is not a finite number.
inline bool lireReel(const QString &texte, double &valeur)
{
    bool ok = false;
    valeur = texte.toDouble(&ok);
    return ok && std::isfinite(valeur);
}

// The text with its decimal comma made a full stop ("0,5" gives "0.5"), as a
// French user types a number in the window. One comma at most, and not beside
// a full stop, so "1,000.5" stays as it is and is refused rather than misread.
inline QString avecPointDecimal(const QString &texte)
{
    QString t = texte;
    if (t.count(',') == 1 && !t.contains('.'))
        t.replace(',', '.');
    return t;
}

// A typed real read as lireReel reads it, a decimal comma accepted as well as a full stop.
inline bool lireReelVirgule(const QString &texte, double &valeur)
{
    return lireReel(avecPointDecimal(texte), valeur);
}

#endif
