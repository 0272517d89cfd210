#include "platform/playername.h"

#include <gtest/gtest.h>

namespace {

// U+1F600 (one emoji, two UTF-16 units), "e" + U+0301 (one character, two
// code points), U+4E2D (one CJK character, one unit).
const QString Emoji = QString::fromUcs4(U"\U0001F600");
const QString Accented = QStringLiteral("e\u0301");
const QString Cjk = QString::fromUcs4(U"\u4E2D");

QString Repeat(const QString& Part, int Times)
{
    QString Out;
    for (int I = 0; I < Times; ++I)
        Out += Part;
    return Out;
}

TEST(PlayerName, CutsByCharactersAsSeenNeverInsideOne)
{
    struct Case {
        const char* What;
        QString Name;
        int Max;
        QString Expected;
    };
    const Case Cases[] = {
        {"short ascii", QStringLiteral("Ann"), 20, QStringLiteral("Ann")},
        {"ascii cut", Repeat(QStringLiteral("a"), 25), 20, Repeat(QStringLiteral("a"), 20)},
        {"emoji exactly at the limit", Repeat(Emoji, 20), 20, Repeat(Emoji, 20)},
        {"emoji over the limit", Repeat(Emoji, 21), 20, Repeat(Emoji, 20)},
        {"19 letters then an emoji", Repeat(QStringLiteral("b"), 19) + Emoji + Emoji, 20,
         Repeat(QStringLiteral("b"), 19) + Emoji},
        {"combining accents stay with their letter", Repeat(Accented, 21), 20, Repeat(Accented, 20)},
        {"CJK", Repeat(Cjk, 30), 20, Repeat(Cjk, 20)},
        {"nothing allowed", QStringLiteral("Ann"), 0, QString()},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        const QString Cut = platform::CutName(C.Name, C.Max);
        EXPECT_EQ(Cut, C.Expected);
        EXPECT_EQ(platform::NameLength(Cut), std::min(C.Max, platform::NameLength(C.Name)));
        if (!Cut.isEmpty()) {
            EXPECT_FALSE(Cut.back().isHighSurrogate());
        }
    }
}

TEST(PlayerName, RefusesWhatCouldHideOrReorderTheText)
{
    struct Case {
        const char* What;
        char32_t Code;
        bool Forbidden;
    };
    const Case Cases[] = {
        {"NUL", 0x00, true},
        {"tab", 0x09, true},
        {"newline", 0x0A, true},
        {"ESC", 0x1B, true},
        {"DEL", 0x7F, true},
        {"C1 control", 0x85, true},
        {"soft hyphen", 0xAD, true},
        {"zero-width space", 0x200B, true},
        {"zero-width joiner", 0x200D, true},
        {"left-to-right mark", 0x200E, true},
        {"right-to-left override", 0x202E, true},
        {"line separator", 0x2028, true},
        {"paragraph separator", 0x2029, true},
        {"first strong isolate", 0x2068, true},
        {"byte order mark", 0xFEFF, true},
        {"lone surrogate", 0xD800, true},
        {"noncharacter", 0xFFFF, true},
        {"tag character", 0xE0041, true},
        {"space", 0x20, false},
        {"letter", 'A', false},
        {"accent", 0x0301, false},
        {"CJK", 0x4E2D, false},
        {"emoji", 0x1F600, false},
        {"Hebrew letter", 0x05D0, false},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        EXPECT_EQ(platform::IsForbiddenNameCharacter(C.Code), C.Forbidden);
    }
}

TEST(PlayerName, CleansEachForbiddenCharacterIntoOneSpace)
{
    EXPECT_TRUE(platform::IsCleanName(QStringLiteral("Ann ") + Emoji + Accented));
    EXPECT_FALSE(platform::IsCleanName(QStringLiteral("Ann\u200B")));
    EXPECT_FALSE(platform::IsCleanName(QStringLiteral("\u202Enna")));
    EXPECT_EQ(platform::CleanName(QStringLiteral("A\tB\u001BC\u202ED")), QStringLiteral("A B C D"));
    EXPECT_EQ(platform::CleanName(QString(QChar(0)) + QStringLiteral("x")), QStringLiteral(" x"));
    // A lone surrogate is one space; a pair stays.
    QString Lone = QStringLiteral("a");
    Lone += QChar(0xD83D);
    Lone += QStringLiteral("b");
    EXPECT_EQ(platform::CleanName(Lone), QStringLiteral("a b"));
    EXPECT_EQ(platform::CleanName(Emoji), Emoji);
}

} // namespace
