#pragma once
// The race's numbers: the computer's pace and the bonus by level, the target
// by deck size, and the scores of both kinds of race. Pure functions, checked
// as tables.
#include <cstdint>

namespace core {

// Scoring styles, as the settings store them.
constexpr std::int32_t ScoringNormal = 0;
constexpr std::int32_t ScoringLasVegas = 1;

// The computer's levels, fastest first.
constexpr std::int32_t LevelUnbeatable = 0;
constexpr std::int32_t LevelEasy = 4;

// Cards a side holds in a deal (its centre card aside) and must play to win.
constexpr std::int32_t SingleDeckTarget = 25;
constexpr std::int32_t DoubleDeckTarget = 51;

// What each deal costs in Las Vegas scoring, per deck.
constexpr std::int32_t LasVegasDealCost = 25;

// What the computer's remaining cards are worth each when the user wins.
constexpr std::int32_t PointsPerRemainingCard = 100;

// Milliseconds between the computer's moves: 250 at "Unbeatable" up to 1250
// at "Easy". A level outside 0..4 takes the nearest one.
int LevelInterval(std::int32_t level);

// The bonus a win earns: 500 at "Unbeatable" down to 100 at "Easy". A level
// outside 0..4 takes the nearest one.
std::int32_t LevelBonus(std::int32_t level);

// Cards a side must play to win with this deck size (1 single, 2 double).
std::int32_t TargetCountFor(std::int32_t decks);

// What the user's win adds to the score before the closing point of
// UpdateScoreLabel: the level bonus and 100 for each card the computer has
// not played (zero or less when both sides reached the target together).
std::int32_t WinPoints(std::int32_t level, std::int32_t targetCount, std::int32_t computerPlayed);

// The score a deal starts with: 0 in normal scoring, -25 per deck on the
// first Las Vegas deal of a run and the previous score less 25 per deck on
// later ones.
std::int32_t DealStartScore(std::int32_t scoring, bool freshRun, std::int32_t decks, std::int32_t score);

// A player's score in a race against another player, by the normal rules
// without a level (the levels set the computer's pace, and there is no
// computer): a point for each card played and, for the winner, 100 for each
// card the other has not played.
std::int32_t RaceScore(std::int32_t targetCount, std::int32_t ownPlayed, std::int32_t otherPlayed, bool won);

} // namespace core
