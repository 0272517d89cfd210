#include "dialogs/gamesettings.h"

#include <algorithm>

TGameSettings TGameSettings::Normalised() const
{
    TGameSettings S = *this;
    const TGameSettings Defaults;
    if (S.Scoring != ScoringNormal && S.Scoring != ScoringLasVegas)
        S.Scoring = Defaults.Scoring;
    S.Decks = std::clamp(S.Decks, MinDecks, MaxDecks);
    S.Level = std::clamp(S.Level, MinLevel, MaxLevel);
    if (S.CardBack < MinCardBack || S.CardBack > MaxCardBack)
        S.CardBack = Defaults.CardBack;
    return S;
}
