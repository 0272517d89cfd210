#include "core/scoring.h"

#include <algorithm>

namespace core {

namespace {

// Pace and bonus by level, "Unbeatable" first.
constexpr int Intervals[] = {250, 500, 750, 1000, 1250};
constexpr std::int32_t Bonuses[] = {500, 400, 300, 200, 100};

// The settings are normalised when read, so a level outside the table can
// only come from code; the nearest level keeps the pace and bonus sensible.
std::size_t LevelIndex(std::int32_t level)
{
    return static_cast<std::size_t>(std::clamp(level, LevelUnbeatable, LevelEasy));
}

} // namespace

int LevelInterval(std::int32_t level)
{
    return Intervals[LevelIndex(level)];
}

std::int32_t LevelBonus(std::int32_t level)
{
    return Bonuses[LevelIndex(level)];
}

std::int32_t TargetCountFor(std::int32_t decks)
{
    return decks == 1 ? SingleDeckTarget : DoubleDeckTarget;
}

std::int32_t WinPoints(std::int32_t level, std::int32_t targetCount, std::int32_t computerPlayed)
{
    return LevelBonus(level) + PointsPerRemainingCard * (targetCount - computerPlayed);
}

std::int32_t DealStartScore(std::int32_t scoring, bool freshRun, std::int32_t decks, std::int32_t score)
{
    const std::int32_t dealCost = LasVegasDealCost * decks;
    if (scoring != ScoringLasVegas)
        return 0;
    return freshRun ? -dealCost : score - dealCost;
}

std::int32_t RaceScore(std::int32_t targetCount, std::int32_t ownPlayed, std::int32_t otherPlayed, bool won)
{
    const std::int32_t Left = won ? std::max(0, targetCount - otherPlayed) : 0;
    return ownPlayed + PointsPerRemainingCard * Left;
}

} // namespace core
