#include "dialogs/halloffametable.h"

#include "platform/playername.h"

#include <algorithm>

bool THallOfFameTable::InRange(int Deck, int Scoring, int Level, int Rank)
{
    return Deck >= 1 && Deck <= DeckCount && Scoring >= 1 && Scoring <= ScoringCount &&
           Level >= 1 && Level <= LevelCount && Rank >= 1 && Rank <= RankCount;
}

int THallOfFameTable::IndexOf(int Deck, int Scoring, int Level, int Rank)
{
    Deck = std::clamp(Deck, 1, DeckCount);
    Scoring = std::clamp(Scoring, 1, ScoringCount);
    Level = std::clamp(Level, 1, LevelCount);
    Rank = std::clamp(Rank, 1, RankCount);
    return (((Deck - 1) * ScoringCount + (Scoring - 1)) * LevelCount + (Level - 1)) * RankCount +
           (Rank - 1);
}

THallOfFameEntry& THallOfFameTable::At(int Deck, int Scoring, int Level, int Rank)
{
    return FEntries[static_cast<std::size_t>(IndexOf(Deck, Scoring, Level, Rank))];
}

const THallOfFameEntry& THallOfFameTable::At(int Deck, int Scoring, int Level, int Rank) const
{
    return FEntries[static_cast<std::size_t>(IndexOf(Deck, Scoring, Level, Rank))];
}

void THallOfFameTable::Clear()
{
    FEntries.fill(THallOfFameEntry{});
}

QString THallOfFameEntry::StorableName(const QString& Name)
{
    // Cleaned before the cut: a character made a space may have joined its
    // neighbours into one character as seen.
    QString Stored = platform::CleanName(Name);
    Stored.replace(ScoreSeparator, BackquoteStandIn);
    return platform::CutName(Stored, THallOfFameTable::MaxNameLength);
}
