#include "media/nom.h"

#include <QCoreApplication>

#include "model/ligne.h"

QString refusNom(const QString &nom)
{
    for (const QChar c : nom)
        if (c.unicode() < 32 || c.unicode() == 127)
            return QCoreApplication::translate("media",
                "nom « %1 » refusé : il contient un caractère de contrôle (U+%2)")
                .arg(extrait(nom), QString("%1").arg(int(c.unicode()), 4, 16, QChar('0')).toUpper());
    // The file is 8-bit text: any other character would be written as « ? », another name.
    for (const QChar c : nom)
        if (c.unicode() > 0xff)
            return QCoreApplication::translate("media",
                "nom « %1 » refusé : le caractère « %2 » ne s'écrit pas dans un fichier egsphant "
                "(Latin-1)").arg(extrait(nom), QString(c));
    return QString();
}

QString refusNoms(const QList<Materiau> &materiaux)
{
    for (const Materiau &m : materiaux)
        if (const QString refus = refusNom(m.nom); !refus.isEmpty())
            return QCoreApplication::translate("media", "Niveau de gris %1 : %2").arg(m.niveauGris).arg(refus);
    return QString();
}
