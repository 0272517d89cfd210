// The choice of the interface language from the locale variables, read as
// gettext reads them.
#include "platform/translations.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {

TEST(InterfaceLanguage, FromTheLocaleVariables)
{
    const QStringList Available{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")};
    const struct {
        const char* what;
        QHash<QString, QString> env;
        const char* language;
    } cases[] = {
        {"nothing set", {}, ""},
        {"LANG", {{"LANG", "de_DE.UTF-8"}}, "de"},
        {"a region and modifier", {{"LANG", "fr_BE.UTF-8@euro"}}, "fr"},
        {"a language alone", {{"LANG", "es"}}, "es"},
        {"LC_MESSAGES before LANG", {{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "fr"},
        {"LC_ALL before both", {{"LANG", "de_DE"}, {"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "es_ES"}}, "es"},
        {"an empty LC_ALL counts as unset", {{"LANG", "de_DE"}, {"LC_ALL", ""}}, "de"},
        {"C", {{"LANG", "C"}}, ""},
        {"C.UTF-8", {{"LC_ALL", "C.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, ""},
        {"POSIX", {{"LANG", "POSIX"}}, ""},
        {"English", {{"LANG", "en_GB.UTF-8"}}, ""},
        {"a language without a translation", {{"LANG", "it_IT.UTF-8"}}, ""},
        {"LANGUAGE before the locale", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr"}}, "fr"},
        {"LANGUAGE in order", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "it:es_MX:fr"}}, "es"},
        {"English early in LANGUAGE", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_US:de"}}, ""},
        {"LANGUAGE without a match falls to the locale", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "it:pt"}}, "de"},
        {"LANGUAGE ignored under C", {{"LANG", "C"}, {"LANGUAGE", "de"}}, ""},
        {"LANGUAGE ignored with no locale", {{"LANGUAGE", "de"}}, ""},
        {"upper case", {{"LANG", "DE_de"}}, "de"},
        {"odd values", {{"LANG", ":::"}, {"LANGUAGE", "::"}}, ""},
    };
    for (const auto& c : cases) {
        const QString Language = platform::InterfaceLanguage(
            [&](const char* Name) { return c.env.value(QString::fromLatin1(Name)); }, Available);
        EXPECT_EQ(Language, QString::fromLatin1(c.language)) << c.what;
    }
}

} // namespace
