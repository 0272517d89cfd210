// The statistics of deals: what a run of wins, losses and given-up deals
// counts, that the counts survive the file (streaks go on across runs), and
// that no stored value, however odd, reads as more than it can mean.
#include "dialogs/gamestatistics.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

// A deal's end as the game reports it: a win (with its time and score) or a loss.
struct Deal {
    bool Won;
    std::int64_t Ms = 0;
    std::int32_t Score = 0;
    int Scoring = 1;
};

TStatisticsRecord Played(const std::vector<Deal>& Deals)
{
    TGameStatistics S;
    for (const Deal& D : Deals) {
        if (D.Won)
            S.RecordWin(1, 5, D.Scoring, D.Ms, D.Score);
        else
            S.RecordLoss(1, 5);
    }
    return S.At(1, 5);
}

TEST(GameStatistics, TheCountsOfARunOfDeals)
{
    const Deal W{true, 60000, 900}, L{false};
    const struct {
        const char* what;
        std::vector<Deal> deals;
        std::int32_t played, won, streak, longest;
        std::int64_t fastest;
    } cases[] = {
        {"nothing yet", {}, 0, 0, 0, 0, 0},
        {"one loss", {L}, 1, 0, 0, 0, 0},
        {"one win", {W}, 1, 1, 1, 1, 60000},
        {"a loss ends the streak", {W, W, L}, 3, 2, 0, 2, 60000},
        {"a new streak longer than the old", {W, L, W, W, W}, 5, 4, 3, 3, 60000},
        {"a shorter one keeps the longest", {W, W, W, L, W}, 5, 4, 1, 3, 60000},
        {"the fastest win is the least time",
         {{true, 90000, 1}, {true, 45000, 1}, {true, 70000, 1}}, 3, 3, 3, 3, 45000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TStatisticsRecord R = Played(c.deals);
        EXPECT_EQ(R.Played, c.played);
        EXPECT_EQ(R.Won, c.won);
        EXPECT_EQ(R.Lost(), c.played - c.won);
        EXPECT_EQ(R.Streak, c.streak);
        EXPECT_EQ(R.LongestStreak, c.longest);
        EXPECT_EQ(R.FastestWinMs, c.fastest);
    }
    EXPECT_DOUBLE_EQ(Played({W, L, L, W}).WinRate(), 50.0);
    EXPECT_DOUBLE_EQ(Played({}).WinRate(), 0.0);
}

TEST(GameStatistics, BestScoresAreKeptPerScoringStyleAndMayBeNegative)
{
    const TStatisticsRecord R = Played({{true, 1000, 300, 1}, {true, 1000, 250, 1}, {true, 1000, -40, 2},
                                        {true, 1000, -75, 2}});
    EXPECT_EQ(R.BestScore[0], 300);
    EXPECT_EQ(R.BestScore[1], -40);
    EXPECT_FALSE(Played({{false}}).BestScore[0].has_value());
}

TEST(GameStatistics, EachDeckSizeAndLevelCountsApartAndOddIndexesStayInside)
{
    TGameStatistics S;
    S.RecordWin(2, 1, 1, 5000, 10);
    S.RecordLoss(1, 1);
    EXPECT_EQ(S.At(2, 1).Won, 1);
    EXPECT_EQ(S.At(1, 1).Won, 0);
    EXPECT_EQ(S.At(1, 1).Played, 1);
    S.RecordLoss(7, -3); // clamped to deck 2, level 1
    EXPECT_EQ(S.At(2, 1).Played, 2);
    EXPECT_EQ(S.At(2, 1).Streak, 0);
    EXPECT_EQ(TGameStatistics::KeyName(2, 5), "Deck2Level5");
    S.Clear();
    EXPECT_EQ(S, TGameStatistics{});
}

// The current streak is stored, so a run that ends does not end it.
TEST(GameStatistics, AStreakGoesOnAcrossRunsThroughTheFile)
{
    TGameStatistics First;
    First.RecordWin(1, 3, 1, 80000, 500);
    First.RecordWin(1, 3, 1, 70000, 600);
    const QString Stored = TGameStatistics::Encode(First.At(1, 3));
    EXPECT_EQ(Stored, "2,2,2,2,70000,600,");

    TGameStatistics Second;
    Second.At(1, 3) = TGameStatistics::Decode(Stored);
    EXPECT_EQ(Second.At(1, 3), First.At(1, 3));
    Second.RecordWin(1, 3, 2, 90000, -10);
    EXPECT_EQ(Second.At(1, 3).Streak, 3);
    EXPECT_EQ(Second.At(1, 3).LongestStreak, 3);
    EXPECT_EQ(TGameStatistics::Decode(TGameStatistics::Encode(Second.At(1, 3))), Second.At(1, 3));
}

TEST(GameStatistics, StoredValuesReadAsNoMoreThanTheyCanMean)
{
    const auto Rec = [](std::int32_t P, std::int32_t W, std::int32_t S, std::int32_t L, std::int64_t F,
                        std::optional<std::int32_t> B1 = {}, std::optional<std::int32_t> B2 = {}) {
        TStatisticsRecord R;
        R.Played = P, R.Won = W, R.Streak = S, R.LongestStreak = L, R.FastestWinMs = F;
        R.BestScore = {B1, B2};
        return R;
    };
    const struct {
        const char* value;
        TStatisticsRecord expected;
    } cases[] = {
        {"", Rec(0, 0, 0, 0, 0)},
        {"5,3,1,2,40000,700,-20", Rec(5, 3, 1, 2, 40000, 700, -20)},
        {" 5 , 3 ,1,2,40000, 700 ,", Rec(5, 3, 1, 2, 40000, 700)},
        {"5,3", Rec(5, 3, 0, 0, 0)},
        {"abc,def,1,1,1,1,1", Rec(0, 0, 0, 0, 0)},
        {"-5,-1,-1,-1,-1,,", Rec(0, 0, 0, 0, 0)},
        {"3,9,9,9,100,1,1", Rec(3, 3, 3, 3, 100, 1, 1)},      // more wins than deals
        {"9,4,6,2,100,,", Rec(9, 4, 4, 4, 100)},              // streak past the wins, longest below it
        {"9,0,0,0,500,800,900", Rec(9, 0, 0, 0, 0)},          // no win: no fastest, no best
        {"99999999999,1,1,1,1,x,", Rec(2147483647, 1, 1, 1, 1)}, // beyond 32 bits stops at the largest
        {"9223372036854775808,1,1,1,1,,", Rec(2147483647, 1, 1, 1, 1)}, // 2^63 too
        {"0x10,0,0,0,0,,", Rec(0, 0, 0, 0, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(TGameStatistics::Decode(QString::fromLatin1(c.value)), c.expected);
    }
}

// A record from a later version has more fields than this one knows, and
// one from another program may hold numbers too large for a field: what is
// known reads as much as it can mean, the rest is written back unchanged.
TEST(GameStatistics, OddRecordsReadWhatTheyCanAndKeepTheFieldsOfALaterVersion)
{
    constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t Max64 = std::numeric_limits<std::int64_t>::max();
    using L = TRecordLayout;
    const struct {
        L layout;
        const char* value;
        std::int32_t played, won, tied, streak;
        std::int64_t fastest;
        std::optional<std::int32_t> normal, vegas;
        const char* later;
        const char* written; // nullptr: the value as read
    } cases[] = {
        {L::Computer, "5,3,1,2,40000,700,-20,9,x,,7", 5, 3, 0, 1, 40000, 700, -20, ",9,x,,7", nullptr},
        {L::Computer, "1,1,1,1,1,1,1,1", 1, 1, 0, 1, 1, 1, 1, ",1", nullptr},
        {L::Computer, "4,2,2,2,10,5,, 7 ,  x ", 4, 2, 0, 2, 10, 5, {}, ", 7 ,  x ", nullptr},
        {L::Computer, "4,2,2,2,10,5,,", 4, 2, 0, 2, 10, 5, {}, ",", nullptr}, // an empty later field
        {L::Computer, "6,3,0,1,9,,,2", 6, 3, 0, 0, 9, {}, {}, ",2", nullptr}, // a computer's deal is never tied
        {L::Race, "6,3,1,2,40000,700,,2", 6, 3, 2, 1, 40000, 700, {}, "", nullptr},
        {L::Race, "6,3,1,2,40000,700,,2,new,1", 6, 3, 2, 1, 40000, 700, {}, ",new,1", nullptr},
        {L::Race, "6,3,1,2,40000,700,", 6, 3, 0, 1, 40000, 700, {}, "", nullptr}, // before ties were counted
        {L::Race, "6,3,1,2,40000,700,,9", 6, 3, 3, 1, 40000, 700, {}, "", "6,3,1,2,40000,700,,3"},
        {L::Race, "6,3,1,2,40000,700,,0,z", 6, 3, 0, 1, 40000, 700, {}, ",z", nullptr},
        {L::Race, "x,1,1,1,1,1,1,1,1", 0, 0, 0, 0, 0, {}, {}, ",1", "0,0,0,0,0,,,0,1"},
        // numbers too large for their fields stop at the field's largest
        {L::Computer, "9223372036854775808,5,5,5,100,,", Max32, 5, 0, 5, 100, {}, {}, "", "2147483647,5,5,5,100,,"},
        {L::Computer, "2147483648,2147483648,1,1,100,,", Max32, Max32, 0, 1, 100, {}, {}, "", "2147483647,2147483647,1,1,100,,"},
        {L::Computer, "99999999999999999999999,1,1,1,99999999999999999999,,", Max32, 1, 0, 1, Max64, {}, {}, "",
         "2147483647,1,1,1,9223372036854775807,,"},
        {L::Computer, "3,3,3,3,1,2147483648,-99999999999", 3, 3, 0, 3, 1, Max32, Min32, "", "3,3,3,3,1,2147483647,-2147483648"},
        {L::Race, "9,1,1,1,1,,,18446744073709551616", 9, 1, 8, 1, 1, {}, {}, "", "9,1,1,1,1,,,8"},
        // garbage still reads as nothing, for its field only
        {L::Computer, "5,x,1,1,1,,", 5, 0, 0, 0, 0, {}, {}, "", "5,0,0,0,0,,"},
        {L::Computer, "+5,2,1,1,1,1e3,", 5, 2, 0, 1, 1, {}, {}, "", "5,2,1,1,1,,"},
        {L::Computer, "5,2,1,1,--1,+-3,", 5, 2, 0, 1, 0, {}, {}, "", "5,2,1,1,0,,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const TStatisticsRecord R = TGameStatistics::Decode(QString::fromLatin1(c.value), c.layout);
        EXPECT_EQ(R.Played, c.played);
        EXPECT_EQ(R.Won, c.won);
        EXPECT_EQ(R.Tied, c.tied);
        EXPECT_EQ(R.Streak, c.streak);
        EXPECT_EQ(R.FastestWinMs, c.fastest);
        EXPECT_EQ(R.BestScore[0], c.normal);
        EXPECT_EQ(R.BestScore[1], c.vegas);
        EXPECT_EQ(R.LaterFields, QString::fromLatin1(c.later));
        EXPECT_EQ(TGameStatistics::Encode(R, c.layout), QString::fromLatin1(c.written ? c.written : c.value));
        EXPECT_EQ(TGameStatistics::Decode(TGameStatistics::Encode(R, c.layout), c.layout), R);
    }

    // Deals counted on such a record leave its later fields as they were.
    TStatisticsRecord R = TGameStatistics::Decode(QStringLiteral("2,1,1,1,500,40,,1,later"), L::Race);
    CountWin(R, 1, 400, 50);
    CountTie(R);
    EXPECT_EQ(TGameStatistics::Encode(R, L::Race), QStringLiteral("4,2,0,2,400,50,,2,later"));
}

// A tie between two people in a race: played, neither won nor lost, and the
// end of a winning streak.
TEST(GameStatistics, ATieCountsAsPlayedAndEndsTheStreak)
{
    TStatisticsRecord R;
    CountWin(R, 1, 1000, 10);
    CountWin(R, 1, 1000, 10);
    CountTie(R);
    CountWin(R, 1, 1000, 10);
    EXPECT_EQ(R.Played, 4);
    EXPECT_EQ(R.Won, 3);
    EXPECT_EQ(R.Tied, 1);
    EXPECT_EQ(R.Lost(), 0);
    EXPECT_EQ(R.Streak, 1);
    EXPECT_EQ(R.LongestStreak, 2);
    EXPECT_DOUBLE_EQ(R.WinRate(), 75.0);
    R.Tied = std::numeric_limits<std::int32_t>::max();
    R.Played = std::numeric_limits<std::int32_t>::max();
    CountTie(R); // counts stop at their largest
    EXPECT_EQ(R.Tied, std::numeric_limits<std::int32_t>::max());
}

} // namespace
