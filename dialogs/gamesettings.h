#pragma once
// The user's six choices as they live between start-up and close: scoring
// style, deck size, computer level, sounds, card back and whether cards fly,
// with their ranges.
#include <cstdint>

struct TGameSettings {
    static constexpr std::int32_t ScoringNormal = 0, ScoringLasVegas = 1;
    static constexpr std::int32_t MinDecks = 1, MaxDecks = 2;
    static constexpr std::int32_t MinLevel = 0, MaxLevel = 4; // 0 "Unbeatable" .. 4 "Easy"
    // The card backs the game offers: cbDefault (0) to cbCastle (11).
    static constexpr std::int32_t MinCardBack = 0, MaxCardBack = 11;

    std::int32_t Scoring = ScoringNormal;
    std::int32_t Decks = 1;
    std::int32_t Level = 2;
    bool SoundsOn = true;
    std::int32_t CardBack = 0;
    bool AnimateCards = true;

    // The same settings with every value brought into its range, so that no
    // later table lookup, index or timer interval can go wrong: the deck size
    // and the level are ordered, so they take the nearest valid value (a level
    // of 7 plays "Easy", a deck size of 3 a double deck); the scoring style and
    // the card back are plain choices with no nearest one, so an unknown value
    // falls back to the default (normal scoring, the default back).
    TGameSettings Normalised() const;

    friend bool operator==(const TGameSettings&, const TGameSettings&) = default;
};
