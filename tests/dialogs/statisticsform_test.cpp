// The Statistics window: its lines (the tables line up, each value under its
// heading), the durations, the reset that asks first, and the way to it from
// the Hall of Fame window.
#include "dialogs/scoreform.h"
#include "dialogs/statisticsform.h"
#include "dialogs/statisticstext.h"
#include "tests/support/modaldialogs.h"
#include "tests/support/seams.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using platform::MsgResult;
using testing_support::Press;
using testing_support::ScriptedMessageBoxes;
using testing_support::ScriptedModalDialogs;

TEST(StatisticsText, Durations)
{
    const struct {
        std::int64_t ms;
        const char* text;
    } cases[] = {
        {0, "-"},           {-5, "-"},          {1, "0:00.0"},       {99, "0:00.0"},
        {83456, "1:23.4"},  {600000, "10:00.0"}, {3599999, "59:59.9"}, {3600000, "1:00:00"},
        {36061000, "10:01:01"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DurationText(c.ms), QString::fromLatin1(c.text)) << c.ms;
}

TGameStatistics SomeDeals()
{
    TGameStatistics S;
    S.RecordWin(1, 1, 1, 83456, 1526);
    S.RecordLoss(1, 1);
    S.RecordWin(1, 1, 1, 95000, 900);
    S.RecordWin(1, 1, 2, 70000, -52);
    S.RecordLoss(2, 5);
    return S;
}

TEST(StatisticsText, TablesOfDealsAndRecordsPerDeckSize)
{
    const QStringList Lines = StatisticsLines(SomeDeals());
    ASSERT_EQ(Lines.size(), 32); // per deck twice: title, heading, five levels, blank
    EXPECT_EQ(Lines[0], QStringLiteral("Single Deck - Deals"));
    EXPECT_EQ(Lines[1], QStringLiteral("Level       Played  Won  Lost  Win rate"));
    EXPECT_EQ(Lines[2], QStringLiteral("Unbeatable       4    3     1     75.0%"));
    EXPECT_EQ(Lines[3], QStringLiteral("Very Hard        0    0     0         -"));
    EXPECT_EQ(Lines[8], QStringLiteral("Single Deck - Streaks, Fastest Win and Best Scores"));
    EXPECT_EQ(Lines[9], QStringLiteral("Level       Streak  Longest  Fastest  Normal  Las Vegas"));
    EXPECT_EQ(Lines[10], QStringLiteral("Unbeatable       2        2   1:10.0    1526        -52"));
    EXPECT_EQ(Lines[11], QStringLiteral("Very Hard        0        0        -       -          -"));
    EXPECT_EQ(Lines[16], QStringLiteral("Double Deck - Deals"));
    EXPECT_EQ(Lines[22], QStringLiteral("Easy             1    0     1      0.0%"));

    // Every line of a table is as long as its heading, so that in a
    // fixed-pitch font each value ends under the end of its heading.
    for (int Table : {1, 9, 17, 25})
        for (int Row = Table; Row < Table + 6; ++Row)
            EXPECT_EQ(Lines[Row].size(), Lines[Table].size()) << Lines[Row].toStdString();
}

TEST(StatisticsText, ColumnsWidenForLongValues)
{
    TGameStatistics S;
    TStatisticsRecord& R = S.At(2, 3);
    R.Played = 123456789;
    R.Won = 0;
    R.FastestWinMs = 4 * 3600 * 1000;
    R.BestScore[0] = -2147483647;
    const QStringList Lines = StatisticsLines(S);
    EXPECT_EQ(Lines[17], QStringLiteral("Level          Played  Won       Lost  Win rate"));
    EXPECT_EQ(Lines[20], QStringLiteral("Hard        123456789    0  123456789      0.0%"));
    EXPECT_TRUE(Lines[28].endsWith(QStringLiteral("4:00:00  -2147483647          -"))) << Lines[28].toStdString();
}

// Only a race between two people can end in a tie: the races' deals have a
// column of their own for it, the computer's have none.
TEST(StatisticsText, TiesHaveAColumnInTheRaceTablesOnly)
{
    TNetRaceRecords Races;
    Races.RecordWin(1, 64000, 2650, QStringLiteral("Ann"));
    Races.RecordTie(1);
    Races.RecordLoss(1);
    Races.RecordTie(2);
    const QStringList Lines = RaceStatisticsLines(Races);
    EXPECT_EQ(Lines[1], QStringLiteral("Deck         Played  Won  Lost  Tied  Win rate"));
    EXPECT_EQ(Lines[2], QStringLiteral("Single Deck       3    1     1     1     33.3%"));
    EXPECT_EQ(Lines[3], QStringLiteral("Double Deck       1    0     0     1      0.0%"));
    // The records: a tie ended the streak.
    EXPECT_EQ(Lines[7], QStringLiteral("Single Deck       0        1   1:04.0  2650"));
    for (const QString& Line : StatisticsLines(SomeDeals()))
        EXPECT_FALSE(Line.contains(QStringLiteral("Tied"))) << Line.toStdString();
}

TEST(StatisticsForm, LayoutAndLines)
{
    TGameStatistics S = SomeDeals();
    TStatisticsForm Form(S);
    EXPECT_EQ(Form.windowTitle(), QStringLiteral("Statistics"));
    EXPECT_EQ(Form.size(), QSize(520, 360));
    EXPECT_EQ(Form.Label1->text(), QStringLiteral("Statistics"));
    EXPECT_TRUE(QFontInfo(Form.List->font()).fixedPitch());
    EXPECT_TRUE(Form.OkBtn->isDefault());
    EXPECT_FALSE(Form.ResetBtn->autoDefault()); // Enter closes, never resets
    ASSERT_EQ(Form.List->count(), 32);
    EXPECT_EQ(Form.List->item(2)->text(), StatisticsLines(S)[2]);
    // Everything inside the window.
    for (QWidget* W : {static_cast<QWidget*>(Form.Label1), static_cast<QWidget*>(Form.List),
                       static_cast<QWidget*>(Form.ResetBtn), static_cast<QWidget*>(Form.OkBtn)})
        EXPECT_TRUE(Form.rect().contains(W->geometry())) << W->objectName().toStdString();
}

TEST(StatisticsForm, ResetAsksFirst)
{
    TGameStatistics S = SomeDeals();
    TStatisticsForm Form(S);
    ScriptedMessageBoxes Boxes{MsgResult::No, MsgResult::Yes};

    EXPECT_FALSE(Form.Reset());
    EXPECT_EQ(S, SomeDeals());
    EXPECT_EQ(Form.List->item(2)->text(), StatisticsLines(SomeDeals())[2]);

    Form.ResetBtn->click();
    EXPECT_EQ(S, TGameStatistics());
    EXPECT_EQ(Form.List->item(2)->text(), StatisticsLines(TGameStatistics())[2]);
    ASSERT_EQ(Boxes.Boxes().size(), 2u);
    EXPECT_EQ(Boxes.Boxes()[0].text, QStringLiteral("Reset all statistics?"));
    EXPECT_EQ(Boxes.Boxes()[0].buttons, platform::MsgButtons::YesNo);
}

TEST(StatisticsForm, OpenedFromTheHallOfFameWindow)
{
    TGameStatistics S = SomeDeals();
    ScriptedMessageBoxes Boxes{MsgResult::Yes};
    ScriptedModalDialogs Modals{ScriptedModalDialogs::For<TScoreForm>([](TScoreForm& Form) {
        EXPECT_TRUE(Form.StatisticsBtn->isVisibleTo(&Form));
        EXPECT_EQ(Form.StatisticsBtn->geometry(), QRect(318, 284, 75, 25));
        Form.StatisticsBtn->click(); // the Statistics window opens over it
        return Press(Form, Form.OkBtn);
    })};
    Modals.Then(ScriptedModalDialogs::For<TStatisticsForm>([](TStatisticsForm& Form) {
        EXPECT_EQ(Form.List->item(2)->text(), QStringLiteral("Unbeatable       4    3     1     75.0%"));
        Form.ResetBtn->click();
        return Press(Form, Form.OkBtn);
    }));
    TNetRaceRecords Races;
    ShowScores(THallOfFameTable(), S, Races);
    EXPECT_EQ(Modals.Titles(), (QStringList{QStringLiteral("Scores"), QStringLiteral("Statistics")}));
    EXPECT_EQ(S, TGameStatistics()); // the reset reached the game's statistics
}

} // namespace
