// The races' own records: the Hall of Fame of each deck size and its ranks,
// the counts, their place in the settings file apart from the computer's
// twenty tables and statistics, and their lines in the two list windows.
#include "dialogs/halloffame.h"
#include "dialogs/netracerecords.h"
#include "dialogs/scoreform.h"
#include "dialogs/settingsfile.h"
#include "dialogs/statisticsform.h"
#include "dialogs/statisticstext.h"
#include "tests/support/modaldialogs.h"
#include "tests/support/seams.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using platform::MsgResult;
using testing_support::Press;
using testing_support::ScriptedMessageBoxes;
using testing_support::ScriptedModalDialogs;

QStringList Scores(const TNetRaceRecords& R, int Deck)
{
    QStringList Out;
    for (int Rank = 1; Rank <= TNetRaceRecords::RankCount; ++Rank)
        Out << QStringLiteral("%1 %2").arg(R.At(Deck, Rank).Name).arg(R.At(Deck, Rank).Score);
    return Out;
}

TEST(RaceRecords, WinsTakeTheirRankAndPushTheRestDown)
{
    struct Case {
        int Score;
        const char* Name;
        int Rank; // the rank it takes, 0 for none
    };
    // Into the single-deck table one after the other; an equal score ranks
    // below the one stored, a sixth good score pushes the fifth out.
    const Case Cases[] = {{500, "Ann", 1}, {700, "Bo", 1}, {500, "Cy", 3},  {100, "Di", 4},
                          {90, "Ed", 5},   {90, "Fay", 0}, {600, "Gus", 2}, {0, "Hal", 0}};
    TNetRaceRecords R;
    for (const Case& C : Cases)
        EXPECT_EQ(R.RecordWin(1, 60000, C.Score, QString::fromLatin1(C.Name)), C.Rank) << C.Name;
    EXPECT_EQ(Scores(R, 1), (QStringList{"Bo 700", "Gus 600", "Ann 500", "Cy 500", "Di 100"}));
    EXPECT_EQ(Scores(R, 2), QStringList(5, QStringLiteral(" 0"))); // the other deck size untouched
    EXPECT_TRUE(R.HasEntries());

    // The name the player races by, cut to the Hall of Fame's twenty characters.
    R.RecordWin(2, 1000, 10, QStringLiteral("A name much longer than twenty"));
    EXPECT_EQ(R.At(2, 1).Name, QStringLiteral("A name much longer t"));
}

TEST(RaceRecords, DealsAreCountedByDeckSize)
{
    TNetRaceRecords R;
    EXPECT_FALSE(R.HasStatistics());
    R.RecordWin(2, 90000, 250, QStringLiteral("Ann"));
    R.RecordWin(2, 70000, 180, QStringLiteral("Ann"));
    R.RecordLoss(2);
    R.RecordWin(2, 95000, 300, QStringLiteral("Ann"));
    const TStatisticsRecord& S = R.Statistics(2);
    EXPECT_EQ(S.Played, 4);
    EXPECT_EQ(S.Won, 3);
    EXPECT_EQ(S.Streak, 1);
    EXPECT_EQ(S.LongestStreak, 2);
    EXPECT_EQ(S.FastestWinMs, 70000);
    EXPECT_EQ(S.BestScore[0], 300);
    EXPECT_FALSE(S.BestScore[1]); // a race scores by the normal rules only
    EXPECT_EQ(R.Statistics(1), TStatisticsRecord());

    // The statistics' reset leaves the Hall of Fame.
    R.ClearStatistics();
    EXPECT_FALSE(R.HasStatistics());
    EXPECT_EQ(R.At(2, 1).Score, 300);
}

TEST(RaceRecords, ATieIsPlayedNeitherWonNorLostAndEndsTheStreak)
{
    TNetRaceRecords R;
    R.RecordTie(2);
    EXPECT_TRUE(R.HasStatistics());
    EXPECT_FALSE(R.HasEntries()); // no Hall of Fame entry for a tie
    R.RecordWin(2, 50000, 400, QStringLiteral("Ann"));
    R.RecordWin(2, 60000, 300, QStringLiteral("Ann"));
    R.RecordTie(2);
    R.RecordLoss(2);
    const TStatisticsRecord& S = R.Statistics(2);
    EXPECT_EQ(S.Played, 5);
    EXPECT_EQ(S.Won, 2);
    EXPECT_EQ(S.Tied, 2);
    EXPECT_EQ(S.Lost(), 1);
    EXPECT_EQ(S.Streak, 0);
    EXPECT_EQ(S.LongestStreak, 2);
    EXPECT_EQ(Scores(R, 2), (QStringList{"Ann 400", "Ann 300", " 0", " 0", " 0"}));
    EXPECT_EQ(R.Statistics(1), TStatisticsRecord());
}

class RaceRecordsFileTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString DataDir = Dir.path() + QStringLiteral("/Data/");
    QString Path = DataDir + QStringLiteral("Config.INI");
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(DataDir)); }
    QString Text() const
    {
        QFile F(Path);
        return F.open(QIODevice::ReadOnly) ? QString::fromUtf8(F.readAll()) : QString();
    }
};

TEST_F(RaceRecordsFileTest, KeptInSectionsOfTheirOwnBesideTheComputersTables)
{
    {
        QFile F(Path);
        ASSERT_TRUE(F.open(QIODevice::WriteOnly));
        F.write("[Other]\nKeep=this\n[Race - Single Deck]\n1=Zoe`2600\n2=odd\n9=kept\n"
                "[Race Statistics]\nDeck1=3,2,x,9,42000,2600,\nDeck2=nonsense,,,,,,,,\n");
    }
    const TNetRaceRecords Read = TSettingsFile(DataDir).ReadRaceRecords();
    EXPECT_EQ(Read.At(1, 1), (THallOfFameEntry{2600, QStringLiteral("Zoe")}));
    EXPECT_EQ(Read.At(1, 2), (THallOfFameEntry{0, QString()})); // a bad value reads as empty
    EXPECT_EQ(Read.Statistics(1).Played, 3);
    EXPECT_EQ(Read.Statistics(1).Won, 2);
    EXPECT_EQ(Read.Statistics(1).LongestStreak, 2); // brought to agree with the wins
    // Nothing this version can read, and a field past the ones it knows,
    // kept for the version that wrote it.
    TStatisticsRecord Later;
    Later.LaterFields = QStringLiteral(",");
    EXPECT_EQ(Read.Statistics(2), Later);

    TNetRaceRecords Races = Read;
    Races.RecordWin(2, 80000, 1200, QStringLiteral("Ann"));
    THallOfFameTable Table;
    Table.At(1, 1, 1, 1) = {1526, QStringLiteral("Bo")};
    TGameStatistics Statistics;
    Statistics.RecordLoss(1, 1);
    ScriptedMessageBoxes Boxes;
    ASSERT_TRUE(TSettingsFile(DataDir).WriteAll(TGameSettings{}, Table, Statistics, Races));

    TSettingsFile File(DataDir);
    EXPECT_EQ(File.ReadRaceRecords(), Races);
    // The computer's records are their own: no race score or deal among them.
    THallOfFameTable ReadTable;
    File.ReadHallOfFame(ReadTable);
    EXPECT_EQ(ReadTable, Table);
    EXPECT_EQ(File.ReadStatistics(), Statistics);

    const QString T = Text();
    EXPECT_TRUE(T.startsWith(QStringLiteral("[Other]\nKeep=this\n"))) << T.toStdString();
    EXPECT_TRUE(T.contains(QStringLiteral("[Race - Single Deck]\n1=Zoe`2600\n2=`0\n9=kept\n3=`0\n4=`0\n5=`0\n")));
    EXPECT_TRUE(T.contains(QStringLiteral("[Race - Double Deck]\n1=Ann`1200\n")));
    EXPECT_TRUE(T.contains(QStringLiteral("[Race Statistics]\nDeck1=3,2,0,2,42000,2600,\nDeck2=1,1,1,1,80000,1200,,0,\n")));
    EXPECT_TRUE(Boxes.Boxes().empty());
}

// Ties are a further field of a race's record; a record from a later
// version keeps what this one cannot read, in the races' section and in the
// computer's, through a read, a deal counted and a write.
TEST_F(RaceRecordsFileTest, TiesAndTheFieldsOfALaterVersionSurviveTheFile)
{
    {
        QFile F(Path);
        ASSERT_TRUE(F.open(QIODevice::WriteOnly));
        F.write("[Statistics]\nDeck1Level1=7,3,1,2,61000,1526,,42,x\nDeck1Level2=9223372036854775808,1,1,1,9,,\n"
                "[Race Statistics]\nDeck1=5,2,0,1,1000,300,,1,later, kept\nDeck2=4,1,1,1,2000,90,\n");
    }
    TSettingsFile File(DataDir);
    TGameStatistics Statistics = File.ReadStatistics();
    TNetRaceRecords Races = File.ReadRaceRecords();
    EXPECT_EQ(Statistics.At(1, 1).Played, 7);
    EXPECT_EQ(Statistics.At(1, 2).Played, 2147483647);
    EXPECT_EQ(Races.Statistics(1).Tied, 1);
    EXPECT_EQ(Races.Statistics(2).Tied, 0); // a record from before ties were counted

    Statistics.RecordLoss(1, 1);
    Races.RecordTie(1);
    Races.RecordTie(2);
    ScriptedMessageBoxes Boxes;
    ASSERT_TRUE(File.WriteAll(TGameSettings{}, THallOfFameTable(), Statistics, Races));
    EXPECT_EQ(File.ReadRaceRecords(), Races);
    EXPECT_EQ(File.ReadStatistics(), Statistics);
    const QString T = Text();
    EXPECT_TRUE(T.contains(QStringLiteral("\nDeck1Level1=8,3,0,2,61000,1526,,42,x\n"))) << T.toStdString();
    EXPECT_TRUE(T.contains(QStringLiteral("\nDeck1Level2=2147483647,1,1,1,9,,\n"))) << T.toStdString();
    EXPECT_TRUE(T.contains(QStringLiteral("[Race Statistics]\nDeck1=6,2,0,1,1000,300,,2,later, kept\n"
                                          "Deck2=5,1,0,1,2000,90,,1\n")))
        << T.toStdString();
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST(RaceRecordsWindows, TheRaceTablesFollowTheComputersOnceARaceHasEntered)
{
    TNetRaceRecords Races;
    TGameStatistics Statistics;
    TScoreForm Form;
    Form.Fill(THallOfFameTable(), &Races);
    EXPECT_EQ(Form.List->count(), 160);

    Races.RecordWin(1, 64000, 2650, QStringLiteral("Ann"));
    Form.Fill(THallOfFameTable(), &Races);
    ASSERT_EQ(Form.List->count(), 176);
    EXPECT_EQ(Form.List->item(160)->text(), QStringLiteral("Race - Single Deck"));
    EXPECT_EQ(Form.List->item(161)->text(), Form.List->item(1)->text()); // the same heading
    EXPECT_EQ(Form.List->item(162)->text(), QStringLiteral("  1     2650    Ann"));
    EXPECT_EQ(Form.List->item(168)->text(), QStringLiteral("Race - Double Deck"));

    // The statistics window lists the races after the computer's, and its
    // reset clears both (the Hall of Fame entry stays).
    Races.RecordLoss(1);
    Statistics.RecordLoss(2, 3);
    ScriptedMessageBoxes Boxes{MsgResult::Yes};
    ScriptedModalDialogs Modals{ScriptedModalDialogs::For<TStatisticsForm>([&](TStatisticsForm& Stats) {
        const int Computers = static_cast<int>(StatisticsLines(Statistics).size());
        EXPECT_EQ(Stats.List->count(), Computers + 10);
        EXPECT_EQ(Stats.List->item(Computers)->text(), QStringLiteral("Races - Deals"));
        EXPECT_EQ(Stats.List->item(Computers + 1)->text(), QStringLiteral("Deck         Played  Won  Lost  Tied  Win rate"));
        EXPECT_EQ(Stats.List->item(Computers + 2)->text(), QStringLiteral("Single Deck       2    1     1     0     50.0%"));
        EXPECT_EQ(Stats.List->item(Computers + 7)->text(), QStringLiteral("Single Deck       0        1   1:04.0  2650"));
        Stats.ResetBtn->click();
        EXPECT_EQ(Stats.List->count(), Computers); // nothing raced any more
        return Press(Stats, Stats.OkBtn);
    })};
    Form.SetStatistics(&Statistics, &Races);
    Form.StatisticsBtn->click();
    EXPECT_EQ(Modals.Unused(), 0u);
    EXPECT_FALSE(Races.HasStatistics());
    EXPECT_EQ(Statistics, TGameStatistics());
    EXPECT_EQ(Races.At(1, 1).Score, 2650);
}

} // namespace
