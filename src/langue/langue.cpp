#include "langue/langue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// A locale's name names French when its language is "fr": "fr", "fr_BE@euro".
// C and POSIX are the locales of scripts: they keep the source texts.
bool localeFrancaise(const QString &locale)
{
    const QString langue = locale.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('.'), 0, 0)
                               .section(QLatin1Char('@'), 0, 0);
    return langue == QLatin1String("fr") || langue == QLatin1String("C") || langue == QLatin1String("POSIX");
}

// Loads and installs one translation; a missing one leaves its texts as they are.
void installer(const QString &nom, const QString &dossier)
{
    auto *traduction = new QTranslator(QCoreApplication::instance());
    if (!traduction->load(nom, dossier) || !QCoreApplication::installTranslator(traduction))
        delete traduction;
}

} // namespace

Langue langueChoisie(const QProcessEnvironment &environnement)
{
    // LANGUAGE is a list by preference ("en:fr"): its first entry speaks for it.
    for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString valeur = environnement.value(QLatin1String(variable)).section(QLatin1Char(':'), 0, 0);
        if (!valeur.isEmpty())
            return localeFrancaise(valeur) ? Langue::Francais : Langue::Anglais;
    }
    return Langue::Francais;
}

void installerLangue(const QProcessEnvironment &environnement)
{
    if (langueChoisie(environnement) == Langue::Anglais) {
        installer(QStringLiteral("quarvel_en"), QStringLiteral(":/i18n"));
        return;
    }
    installer(QStringLiteral("quarvel_fr"), QStringLiteral(":/i18n"));
    installer(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
