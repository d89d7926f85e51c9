#ifndef QUARVEL_LANGUE_H
#define QUARVEL_LANGUE_H

#include <QProcessEnvironment>
#include <QString>

// The two languages the programs speak. French is the language the texts are
// written in; English is their translation.
enum class Langue { Francais, Anglais };

// The language of the messages, from LANGUAGE, LC_ALL, LC_MESSAGES then LANG,
// the first one set winning (none set: C): French for a French
// locale ("fr", "fr_CA.UTF-8") and for C or POSIX, so that scripts and
// today's users see the texts they always saw; English for any other.
Langue langueChoisie(const QProcessEnvironment &environnement);

// Installs in the running application the translation of the language the
// environment picks: ours in English, or the French plural forms and Qt's own
// French texts (qtbase_fr) in French. Called right after the application
// object is made, before any text is built.
void installerLangue(const QProcessEnvironment &environnement = QProcessEnvironment::systemEnvironment());

#endif
