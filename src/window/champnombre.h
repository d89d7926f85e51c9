#ifndef QUARVEL_CHAMPNOMBRE_H
#define QUARVEL_CHAMPNOMBRE_H

#include <QString>

class QLineEdit;

// A geometry field shows at most six significant digits of what it is
// given, while the exact text stays behind it for the build, so that an
// untouched field writes the batch command's bytes. Whatever the user types
// replaces the exact text.
void suivreSaisieNombre(QLineEdit *champ);
void montrerNombre(QLineEdit *champ, const QString &texteExact);

// The exact text given, while the field shows it; else the text as typed.
QString texteNombre(const QLineEdit *champ);

#endif
