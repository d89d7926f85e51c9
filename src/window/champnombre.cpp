#include "window/champnombre.h"

#include <QLineEdit>
#include <QLocale>
#include <QVariant>

#include "model/nombre.h"

namespace {

// The exact text and the text shown for it: a text set since by the
// program, or typed, is the field's own.
const char *proprieteExacte = "texteExact";
const char *proprieteMontree = "texteMontre";

// Six significant digits, or the text as it is when they would say less
// than it does not (a "1.0" stays "1.0") or it is no number at all.
QString texteCourt(const QString &texte)
{
    double valeur = 0.0;
    if (!lireReel(texte, valeur))
        return texte;
    const QString court = QString::number(valeur, 'g', 6);
    double relu = 0.0;
    return lireReel(court, relu) && relu == valeur ? texte : court;
}

} // namespace

QString texteExact(double valeur)
{
    return QString::number(valeur, 'g', QLocale::FloatingPointShortest);
}

void suivreSaisieNombre(QLineEdit *champ)
{
    QObject::connect(champ, &QLineEdit::textEdited, champ, [champ] { champ->setProperty(proprieteExacte, QVariant()); });
}

void montrerNombre(QLineEdit *champ, const QString &texteExact)
{
    // Set before the text, so that whoever follows the text reads the exact one.
    const QString court = texteCourt(texteExact);
    champ->setProperty(proprieteExacte, court == texteExact ? QVariant() : QVariant(texteExact));
    champ->setProperty(proprieteMontree, court);
    champ->setText(court);
    // A narrow field shows a number's start, not its end: ".0976563" would read as another value.
    champ->setCursorPosition(0);
}

QString texteNombre(const QLineEdit *champ)
{
    const QVariant exact = champ->property(proprieteExacte);
    const bool montre = champ->text() == champ->property(proprieteMontree).toString();
    return exact.isValid() && montre ? exact.toString() : champ->text();
}
