#ifndef QUARVEL_CHAMPNOMBRE_H
#define QUARVEL_CHAMPNOMBRE_H

#include <QString>

class QLineEdit;

// A geometry field shows at most six significant digits of what it is
// given, while the exact text stays behind it for the build, so that an
// untouched field writes the batch command's bytes. Whatever the user types
// replaces the exact text.
// A value as a field gives it: the shortest text that reads back as the
// same number, so that an untouched field builds the batch command's file.
QString texteExact(double valeur);

void suivreSaisieNombre(QLineEdit *champ);
void montrerNombre(QLineEdit *champ, const QString &texteExact);

// The exact text given, while the field shows it; else the text as typed.
QString texteNombre(const QLineEdit *champ);

#endif
