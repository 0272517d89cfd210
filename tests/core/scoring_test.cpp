// The race's numbers as tables: the pace and bonus of each level, the target, the points of a win and the score a deal starts at.
#include "core/scoring.h"

#include <gtest/gtest.h>

namespace {

using namespace core;

TEST(Scoring, EachLevelHasItsPaceAndBonus)
{
    const struct {
        int level, interval, bonus;
    } cases[] = {
        {0, 250, 500}, {1, 500, 400}, {2, 750, 300}, {3, 1000, 200}, {4, 1250, 100},
        // Out of range only through code: the nearest level.
        {-3, 250, 500}, {9, 1250, 100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LevelInterval(c.level), c.interval) << c.level;
        EXPECT_EQ(LevelBonus(c.level), c.bonus) << c.level;
    }
}

TEST(Scoring, TargetFollowsTheDeckSize)
{
    EXPECT_EQ(TargetCountFor(1), 25);
    EXPECT_EQ(TargetCountFor(2), 51);
}

TEST(Scoring, WinPointsAreTheBonusAndAHundredPerRemainingComputerCard)
{
    const struct {
        int level, target, computerPlayed, points;
    } cases[] = {
        {0, 25, 15, 1500}, // with the closing point: 25 + 1500 + 1 = 1526
        {4, 51, 50, 200},  // Easy, double deck: 100 + 100 (+1)
        {2, 25, 25, 300},  // both reached the target together: no remaining cards
        {1, 25, 27, 200},  // a stalemate took the computer past the target
    };
    for (const auto& c : cases)
        EXPECT_EQ(WinPoints(c.level, c.target, c.computerPlayed), c.points) << c.level << " " << c.computerPlayed;
}

TEST(Scoring, DealStartScoreIsTheScoreADealStartsWith)
{
    const struct {
        int scoring;
        bool freshRun;
        int decks, score, start;
    } cases[] = {
        {0, true, 1, 1526, 0},  {0, false, 2, -40, 0},   // normal: every deal on its own
        {1, true, 1, 999, -25}, {1, true, 2, 999, -50},  // Las Vegas, a new run
        {1, false, 1, -15, -40}, {1, false, 2, 10, -40}, // Las Vegas, carried on
    };
    for (const auto& c : cases)
        EXPECT_EQ(DealStartScore(c.scoring, c.freshRun, c.decks, c.score), c.start)
            << c.scoring << " " << c.freshRun << " " << c.decks << " " << c.score;
}

} // namespace

namespace {

TEST(Scoring, ARacesScoreIsTheCardsPlayedAndTheWinnersHundreds)
{
    const struct {
        int target, own, other;
        bool won;
        int score;
    } cases[] = {
        {25, 0, 0, false, 0},
        {25, 12, 20, false, 12},     // no bonus before a win
        {25, 25, 15, true, 1025},    // ten cards the other has left
        {25, 25, 25, true, 25},      // both at the target in one stalemate
        {51, 51, 50, true, 151},
        {51, 30, 51, false, 30},     // the loser keeps its cards' points
        {25, 25, 30, true, 25},      // never less than nothing for the other's cards
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::RaceScore(c.target, c.own, c.other, c.won), c.score)
            << c.target << ' ' << c.own << ' ' << c.other << ' ' << c.won;
}

} // namespace
