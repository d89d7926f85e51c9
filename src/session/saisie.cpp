#include "session/saisie.h"

#include <QCoreApplication>
#include <climits>

#include "egsphant/egsphant.h"
#include "model/ligne.h"
#include "model/nombre.h"
#include "session/session.h"

QString lireReelSaisi(int champ, const QString &texte, double &valeur)
{
    static const char *const noms[6] = {QT_TRANSLATE_NOOP("session", "Taille X"),
                                        QT_TRANSLATE_NOOP("session", "Taille Y"),
                                        QT_TRANSLATE_NOOP("session", "Taille Z"),
                                        QT_TRANSLATE_NOOP("session", "Origine X"),
                                        QT_TRANSLATE_NOOP("session", "Origine Y"),
                                        QT_TRANSLATE_NOOP("session", "Origine Z")};
    double lu = 0.0;
    if (lireReelVirgule(texte, lu)) {
        valeur = lu;
        return QString();
    }
    const QString nom = QCoreApplication::translate("session", noms[champ]);
    return texte.trimmed().isEmpty()
               ? QCoreApplication::translate("session", "%1 : champ vide, un nombre est attendu.").arg(nom)
               : QCoreApplication::translate("session", "%1 : « %2 » n'est pas un nombre.").arg(nom, extrait(texte));
}

QString lireCompteSaisi(int axe, const QString &texte, qint64 &compte)
{
    bool entier = false;
    const qint64 lu = texte.trimmed().toLongLong(&entier, 10);
    if (entier && lu <= INT_MAX) {
        compte = lu;
        return QString();
    }
    return QCoreApplication::translate("session", "Nombre de voxels invalide : « %1 » en %2 (chaque compte doit "
                                                  "être un entier positif, au plus %3).")
        .arg(extrait(texte), QChar('X' + axe))
        .arg(INT_MAX);
}

QString lireGeometrieSaisie(const QStringList &textes, Geometrie &geometrie)
{
    double *valeurs[6] = {&geometrie.taille[0], &geometrie.taille[1], &geometrie.taille[2],
                          &geometrie.origine[0], &geometrie.origine[1], &geometrie.origine[2]};
    for (int i = 0; i < 6; ++i)
        if (const QString refus = lireReelSaisi(i, textes.value(i), *valeurs[i]); !refus.isEmpty())
            return refus;
    return QString();
}

QString lireComptesSaisis(const QStringList &textes, qint64 comptes[3])
{
    for (int i = 0; i < 3; ++i)
        if (const QString refus = lireCompteSaisi(i, textes.value(i), comptes[i]); !refus.isEmpty())
            return refus;
    return QString();
}

QString refusGeometrie(const GeometrieSource &geometrie)
{
    double valeur = 0.0;
    for (int i = 0; i < 6; ++i)
        if (geometrie.refuses[i])
            return lireReelSaisi(i, *geometrie.refuses[i], valeur);
    return QString();
}

QString refusComptes(const GeometrieSource &geometrie)
{
    qint64 compte = 0;
    for (int a = 0; a < 3; ++a)
        if (geometrie.refuses[6 + a])
            return lireCompteSaisi(a, *geometrie.refuses[6 + a], compte);
    return QString();
}
