#include "session/saisie.h"

#include <QCoreApplication>
#include <climits>

#include "egsphant/egsphant.h"
#include "model/ligne.h"
#include "model/nombre.h"
#include "scanner/cadre.h"
#include "session/session.h"

QString lireReelSaisi(int champ, const QString &texte, double &valeur)
{
    static const char *const noms[12] = {QT_TRANSLATE_NOOP("session", "Taille X"),
                                         QT_TRANSLATE_NOOP("session", "Taille Y"),
                                         QT_TRANSLATE_NOOP("session", "Taille Z"),
                                         QT_TRANSLATE_NOOP("session", "Origine X"),
                                         QT_TRANSLATE_NOOP("session", "Origine Y"),
                                         QT_TRANSLATE_NOOP("session", "Origine Z"),
                                         nullptr, nullptr, nullptr, // the counts: whole numbers, read apart
                                         QT_TRANSLATE_NOOP("session", "Jusqu'à X"),
                                         QT_TRANSLATE_NOOP("session", "Jusqu'à Y"),
                                         QT_TRANSLATE_NOOP("session", "Jusqu'à Z")};
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

QString lireCadreSaisi(const GeometrieSource &geometrie, Boite &boite, std::array<double, 3> &tailles)
{
    // The fields in the order the user reads them: the box axis by axis, then the sizes.
    static const int ordre[9] = {3, 9, 4, 10, 5, 11, 0, 1, 2};
    double valeur = 0.0;
    for (int champ : ordre)
        if (geometrie.refuses[champ])
            return lireReelSaisi(champ, *geometrie.refuses[champ], valeur);
    for (int a = 0; a < 3; ++a) {
        boite.bas[a] = geometrie.geometrie.origine[a];
        boite.haut[a] = geometrie.jusqua[a];
        tailles[size_t(a)] = geometrie.geometrie.taille[a];
    }
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
