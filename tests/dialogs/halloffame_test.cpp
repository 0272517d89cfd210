// The Hall of Fame ranking: where a score enters, what moves, what is lost,
// what never enters, and a player who declines to give a name; then the rank
// lines and the 160 lines of the window.
#include "dialogs/halloffame.h"
#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <optional>
#include <string>

namespace {

constexpr int Deck = 2, Scoring = 2, Level = 4; // a table away from the first one
constexpr int New = -1;                         // "the entry just made" in a Case's After

struct Case
{
    std::string what;
    std::array<std::int32_t, 5> stored; // scores of ranks 1..5 (0: an empty entry)
    bool done;                          // HallEntryDone before
    std::int32_t score;
    std::optional<QString> answer;      // what the player gives, nothing when dismissed
    int rank;                           // HallOfFameRank
    bool asked;
    bool entered;
    // Where each rank's entry comes from afterwards: a stored rank (0-based)
    // or New.
    std::array<int, 5> after;
};

THallOfFameEntry Stored(const Case& c, int i)
{
    const std::int32_t score = c.stored[static_cast<std::size_t>(i)];
    return score == 0 ? THallOfFameEntry{} : THallOfFameEntry{score, QStringLiteral("P%1").arg(i + 1)};
}

// Every other table is full of high scores, so that a look-up in the wrong
// table would rank differently.
THallOfFameTable Filled(const Case& c)
{
    THallOfFameTable t;
    for (int d = 1; d <= 2; ++d)
        for (int s = 1; s <= 2; ++s)
            for (int l = 1; l <= 5; ++l)
                for (int r = 1; r <= 5; ++r)
                    t.At(d, s, l, r) = THallOfFameEntry{INT_MAX, QStringLiteral("Top")};
    for (int r = 1; r <= 5; ++r)
        t.At(Deck, Scoring, Level, r) = Stored(c, r - 1);
    return t;
}

TEST(HallOfFame, EnteringAScore)
{
    const QString ann = QStringLiteral("Ann");
    const std::array<std::int32_t, 5> full{500, 400, 300, 200, 100};
    const std::array<int, 5> same{0, 1, 2, 3, 4};
    const Case cases[] = {
        {"empty table takes any positive score at rank 1", {0, 0, 0, 0, 0}, false, 1, ann, 1, true, true, {New, 0, 1, 2, 3}},
        {"best score goes first, old rank 5 lost", full, false, 900, ann, 1, true, true, {New, 0, 1, 2, 3}},
        {"equal to rank 1 goes below it", full, false, 500, ann, 2, true, true, {0, New, 1, 2, 3}},
        {"in the middle", full, false, 350, ann, 3, true, true, {0, 1, New, 2, 3}},
        {"just above rank 5 replaces it", full, false, 101, ann, 5, true, true, {0, 1, 2, 3, New}},
        {"equal to rank 5 does not enter", full, false, 100, ann, 0, false, false, same},
        {"lower than all does not enter", full, false, 99, ann, 0, false, false, same},
        {"equal scores: below all of them", {300, 300, 300, 0, 0}, false, 300, ann, 4, true, true, {0, 1, 2, New, 3}},
        {"zero never enters, even above negative scores", {-5, -5, -5, -5, -5}, false, 0, ann, 1, false, false, same},
        {"a negative score never enters", {-50, -50, -50, -50, -50}, false, -3, ann, 1, false, false, same},
        {"one entry per run", {0, 0, 0, 0, 0}, true, 1000, ann, 1, false, false, same},
        {"the largest score", full, false, INT_MAX, ann, 1, true, true, {New, 0, 1, 2, 3}},
        {"dismissed: the table is put back", full, false, 350, std::nullopt, 3, true, false, same},
        {"dismissed on an empty table", {0, 0, 0, 0, 0}, false, 10, std::nullopt, 1, true, false, same},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        THallOfFameTable t = Filled(c);
        EXPECT_EQ(HallOfFameRank(t, Deck, Scoring, Level, c.score), c.rank);

        THallOfFameTable expected = t;
        for (int r = 1; r <= 5; ++r) {
            const int from = c.after[static_cast<std::size_t>(r - 1)];
            expected.At(Deck, Scoring, Level, r) =
                from == New ? THallOfFameEntry{c.score, *c.answer} : Stored(c, from);
        }

        bool done = c.done;
        int asked = 0;
        const bool entered = EnterHallOfFame(t, Deck, Scoring, Level, c.score, done, [&] {
            ++asked;
            // The score stands at its rank while the name is asked, without
            // the name of the entry that moved down.
            EXPECT_EQ(t.At(Deck, Scoring, Level, c.rank), (THallOfFameEntry{c.score, QString()}));
            return c.answer;
        });
        EXPECT_EQ(entered, c.entered);
        EXPECT_EQ(asked, c.asked ? 1 : 0);
        EXPECT_EQ(done, c.done || c.entered);
        EXPECT_TRUE(t == expected);
        for (int r = 1; r <= 5; ++r)
            EXPECT_EQ(t.At(Deck, Scoring, Level, r), expected.At(Deck, Scoring, Level, r)) << "rank " << r;
    }
}

TEST(HallOfFame, NamesAreStoredWholeUpToTwentyCharacters)
{
    const struct
    {
        QString given;
        QString stored;
    } cases[] = {
        {QStringLiteral("  Ann  Lee "), QStringLiteral("  Ann  Lee ")},
        {QStringLiteral("ABCDEFGHIJKLMNOPQ"), QStringLiteral("ABCDEFGHIJKLMNOPQ")},
        {QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"), QStringLiteral("ABCDEFGHIJKLMNOPQRST")},
        {QString(), QString()},
    };
    for (const auto& c : cases) {
        THallOfFameTable t;
        bool done = false;
        ASSERT_TRUE(EnterHallOfFame(t, 1, 1, 1, 25, done, [&] { return std::optional<QString>(c.given); }));
        EXPECT_EQ(t.At(1, 1, 1, 1), (THallOfFameEntry{25, c.stored}));
        EXPECT_TRUE(done);
    }
}

TEST(HallOfFame, ANameCanBeAskedAgainAfterADismissal)
{
    THallOfFameTable t;
    bool done = false;
    EXPECT_FALSE(EnterHallOfFame(t, 1, 2, 3, 40, done, [] { return std::optional<QString>(); }));
    EXPECT_FALSE(done);
    EXPECT_TRUE(t == THallOfFameTable{});
    EXPECT_TRUE(EnterHallOfFame(t, 1, 2, 3, 40, done, [] { return std::optional<QString>(QStringLiteral("Bo")); }));
    EXPECT_EQ(t.At(1, 2, 3, 1), (THallOfFameEntry{40, QStringLiteral("Bo")}));
    EXPECT_EQ(t.At(1, 2, 3, 2), THallOfFameEntry{});
}

TEST(HallOfFame, RankLines)
{
    const struct
    {
        int rank;
        std::int32_t score;
        const char* name;
        const char* line;
    } cases[] = {
        {1, 1526, "Ann", "  1     1526    Ann"},
        {1, 0, "", "  1     0       "},
        {5, 7, "Bo", "  5     7       Bo"},
        {2, 12, "Cy", "  2     12      Cy"},
        {3, 123, "Di", "  3     123     Di"},
        {4, 12345, "Ed", "  4     12345   Ed"},
        {2, 123456, "Fa", "  2     123456  Fa"},
        {2, 1234567, "Gu", "  2     1234567 Gu"},
        {2, 12345678, "Hu", "  2     12345678Hu"},
        {2, 123456789, "Io", "  2     123456789Io"},
        {3, -25, "Neg", "  3     -25     Neg"},
        {3, -1234567, "Neg", "  3     -1234567Neg"},
        {4, INT_MIN, "Min", "  4     -2147483648Min"},
        {5, 40, "Twenty Characters Ok", "  5     40      Twenty Characters Ok"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RankLine(c.rank, THallOfFameEntry{c.score, QString::fromLatin1(c.name)}),
                  QString::fromLatin1(c.line));
    }
}

TEST(HallOfFame, NamesStartUnderTheHeadingUpToEightCharactersOfScore)
{
    const QString heading = QStringLiteral("Rank  Score     Name");
    const int nameColumn = static_cast<int>(heading.indexOf(QStringLiteral("Name")));
    std::int32_t score = 0;
    for (int digits = 1; digits <= 9; ++digits) {
        score = score * 10 + digits;
        const QString line = RankLine(1, THallOfFameEntry{score, QStringLiteral("Ann")});
        EXPECT_EQ(line.indexOf(QStringLiteral("Ann")), digits <= 8 ? nameColumn : nameColumn + 1) << digits;
    }
}

TEST(HallOfFame, TheWindowListsTwentyTablesInCanonicalOrder)
{
    THallOfFameTable t;
    t.At(2, 1, 3, 2) = THallOfFameEntry{777, QStringLiteral("Zed")};
    t.At(1, 2, 5, 5) = THallOfFameEntry{-4, QStringLiteral("Low")};
    const QStringList lines = HallOfFameLines(t);
    ASSERT_EQ(lines.size(), 160);

    QStringList titles;
    for (const char* pair : {"Single Deck - Normal Scoring", "Single Deck - Las Vegas Scoring",
                             "Double Deck - Normal Scoring", "Double Deck - Las Vegas Scoring"})
        for (const char* level : {" - Unbeatable", " - Very Hard", " - Hard", " - Not Bad", " - Easy"})
            titles << QString::fromLatin1(pair) + QString::fromLatin1(level);
    for (int table = 0; table < 20; ++table) {
        const int first = table * 8;
        EXPECT_EQ(lines[first], titles[table]);
        EXPECT_EQ(lines[first + 1], QStringLiteral("Rank  Score     Name"));
        EXPECT_EQ(lines[first + 7], QString());
        for (int rank = 1; rank <= 5; ++rank)
            EXPECT_TRUE(lines[first + 1 + rank].startsWith(QStringLiteral("  %1     ").arg(rank)));
    }
    // Double deck, normal, "Hard" is table 12; single deck, Las Vegas, "Easy" table 9.
    EXPECT_EQ(lines[12 * 8 + 3], QStringLiteral("  2     777     Zed"));
    EXPECT_EQ(lines[9 * 8 + 6], QStringLiteral("  5     -4      Low"));
    EXPECT_EQ(lines[0 * 8 + 2], QStringLiteral("  1     0       "));
}

} // namespace
