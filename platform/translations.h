#pragma once
// The interface in the user's language: the translations built into the
// program (":/i18n/velto_<language>.qm", one for each .ts file of
// resources/translations) and the choice of one from the locale variables.
// The English texts are the source texts: English, C and any language
// without a translation show them.
#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

// The value of an environment variable, empty when it is not set.
using EnvironmentLookup = std::function<QString(const char* name)>;

// The language to show, read as gettext reads the locale: the locale of
// messages is LC_ALL, else LC_MESSAGES, else LANG (the first that is set and
// not empty); when it is missing, "C" or "POSIX", the texts are English
// whatever LANGUAGE says. Otherwise LANGUAGE, a list separated by colons, is
// tried in order, then the locale itself. A name counts by its language
// ("de_AT.UTF-8@euro" is "de"); the first that is English or in Available
// decides. Empty means English.
QString InterfaceLanguage(const EnvironmentLookup& Environment, const QStringList& Available);

// The languages the program carries a translation for, sorted.
QStringList AvailableLanguages();

// Shows the interface in Language from now on ("" for English), replacing
// the translation installed before. Windows made earlier keep their texts.
// False (and English) for a language without a translation.
bool InstallTranslation(const QString& Language);

// Installs the language of the user's locale; returns it ("" for English).
QString InstallUserLanguage();

} // namespace platform
