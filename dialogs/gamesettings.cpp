#include "dialogs/gamesettings.h"

#include <algorithm>

TGameSettings TGameSettings::Normalised() const
{
    TGameSettings s = *this;
    const TGameSettings defaults;
    if (s.Scoring != ScoringNormal && s.Scoring != ScoringLasVegas)
        s.Scoring = defaults.Scoring;
    s.Decks = std::clamp(s.Decks, MinDecks, MaxDecks);
    s.Level = std::clamp(s.Level, MinLevel, MaxLevel);
    if (s.CardBack < MinCardBack || s.CardBack > MaxCardBack)
        s.CardBack = defaults.CardBack;
    return s;
}
