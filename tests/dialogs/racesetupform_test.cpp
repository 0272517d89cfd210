// The name box of the window before a race: the name given to race by is at
// most twenty characters as the player sees them, whether it was given on
// the command line, typed or pasted, and never holds half a character.
#include "dialogs/racesetupform.h"
#include "platform/playername.h"
#include "tests/support/seams.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(RaceSetupForm, TheNameBoxCountsCharactersAsSeen)
{
    const QString E = QString::fromUtf8("\xF0\x9F\x82\xA1"); // a playing card: two UTF-16 units
    const QString Acute = QStringLiteral("a\u0301");
    const QString A19 = QStringLiteral("ABCDEFGHIJKLMNOPQRS");
    const struct {
        const char* what;
        QString given; // the name the window opens with
        QString pasted;
        QString name;
    } cases[] = {
        {"given past the limit", A19 + E + E, {}, A19 + E},
        {"given with what a name may not hold", QStringLiteral("Ann\tLee\u202E"), {}, QStringLiteral("Ann Lee")},
        {"twenty letters with accents given", Acute.repeated(21), {}, Acute.repeated(20)},
        {"pasted after a name at the limit", A19 + E, E, A19 + E},
        {"pasted past the limit", QStringLiteral("Bo"), E.repeated(25), QStringLiteral("Bo") + E.repeated(18)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TRaceSetupForm Form(false, c.given, QStringLiteral("47251"));
        if (!c.pasted.isEmpty()) {
            Form.NameEdit->end(false);
            QGuiApplication::clipboard()->setText(c.pasted);
            Form.NameEdit->paste();
        }
        EXPECT_EQ(Form.Name(), c.name);
        EXPECT_LE(platform::NameLength(Form.NameEdit->text()), platform::MaxPlayerNameLength);
    }
}

} // namespace
