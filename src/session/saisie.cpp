#include "session/saisie.h"

#include <QCoreApplication>
#include <climits>

#include "egsphant/egsphant.h"
#include "model/ligne.h"
#include "model/nombre.h"

QString lireGeometrieSaisie(const QStringList &textes, Geometrie &geometrie)
{
    static const char *const noms[6] = {QT_TRANSLATE_NOOP("session", "Taille X"),
                                        QT_TRANSLATE_NOOP("session", "Taille Y"),
                                        QT_TRANSLATE_NOOP("session", "Taille Z"),
                                        QT_TRANSLATE_NOOP("session", "Origine X"),
                                        QT_TRANSLATE_NOOP("session", "Origine Y"),
                                        QT_TRANSLATE_NOOP("session", "Origine Z")};
    double *valeurs[6] = {&geometrie.taille[0], &geometrie.taille[1], &geometrie.taille[2],
                          &geometrie.origine[0], &geometrie.origine[1], &geometrie.origine[2]};
    for (int i = 0; i < 6; ++i) {
        const QString texte = textes.value(i);
        if (lireReelVirgule(texte, *valeurs[i]))
            continue;
        const QString nom = QCoreApplication::translate("session", noms[i]);
        return texte.trimmed().isEmpty()
                   ? QCoreApplication::translate("session", "%1 : champ vide, un nombre est attendu.").arg(nom)
                   : QCoreApplication::translate("session", "%1 : « %2 » n'est pas un nombre.").arg(nom, extrait(texte));
    }
    return QString();
}

QString lireComptesSaisis(const QStringList &textes, qint64 comptes[3])
{
    for (int i = 0; i < 3; ++i) {
        const QString texte = textes.value(i);
        bool entier = false;
        comptes[i] = texte.trimmed().toLongLong(&entier, 10);
        if (!entier || comptes[i] > INT_MAX)
            return QCoreApplication::translate("session", "Nombre de voxels invalide : « %1 » en %2 (chaque compte doit "
                                                          "être un entier positif, au plus %3).")
                .arg(extrait(texte), QChar('X' + i))
                .arg(INT_MAX);
    }
    return QString();
}
