// The string table: the texts other parts of the program build on, each for
// the reason it matters, and nothing for an id without a text.
#include "platform/stringtable.h"
#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

TEST(StringTable, PlayAgainQuestionTakesTheWinnerOnce)
{
    // The game puts "You" or "The Computer" in its one place holder.
    const QString question = platform::LoadStr(65141);
    EXPECT_EQ(question, QStringLiteral("%s Won, Do you want to play again?"));
    EXPECT_EQ(question.count(QStringLiteral("%s")), 1);
}

TEST(StringTable, TitlesAndLevelsMakeTheSettingsFileSections)
{
    // The Hall of Fame's sections in the settings file are a deck and scoring
    // title with a level after it: the names files already written carry.
    const struct
    {
        int title;
        int level;
        const char* section;
    } cases[] = {
        {65157, 65161, "Single Deck - Normal Scoring - Unbeatable"},
        {65157, 65165, "Single Deck - Normal Scoring - Easy"},
        {65158, 65163, "Single Deck - Las Vegas Scoring - Hard"},
        {65159, 65162, "Double Deck - Normal Scoring - Very Hard"},
        {65160, 65164, "Double Deck - Las Vegas Scoring - Not Bad"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::LoadStr(c.title) + platform::LoadStr(c.level),
                  QString::fromUtf8(c.section));
}

TEST(StringTable, ScoresHeadingPutsNameWhereTheRankLinesDo)
{
    // A rank line is "  1     " and eight columns of score: the names start
    // in column 16, under "Name".
    const QString heading = platform::LoadStr(65166);
    EXPECT_EQ(heading, QStringLiteral("Rank  Score     Name"));
    EXPECT_EQ(heading.indexOf(QStringLiteral("Name")), 16);
}

TEST(StringTable, IdsWithoutTextGiveEmptyStrings)
{
    for (int id : {0, -1, 65135, 65142, 65153, 65155, 65156, 65168, 70000})
        EXPECT_TRUE(platform::LoadStr(id).isEmpty()) << id;
}

} // namespace
