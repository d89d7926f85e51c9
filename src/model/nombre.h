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

#endif
