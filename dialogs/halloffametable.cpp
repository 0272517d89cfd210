#include "dialogs/halloffametable.h"

#include <algorithm>

bool THallOfFameTable::InRange(int deck, int scoring, int level, int rank)
{
    return deck >= 1 && deck <= DeckCount && scoring >= 1 && scoring <= ScoringCount && level >= 1
        && level <= LevelCount && rank >= 1 && rank <= RankCount;
}

int THallOfFameTable::IndexOf(int deck, int scoring, int level, int rank)
{
    deck = std::clamp(deck, 1, DeckCount);
    scoring = std::clamp(scoring, 1, ScoringCount);
    level = std::clamp(level, 1, LevelCount);
    rank = std::clamp(rank, 1, RankCount);
    return (((deck - 1) * ScoringCount + (scoring - 1)) * LevelCount + (level - 1)) * RankCount + (rank - 1);
}

THallOfFameEntry& THallOfFameTable::At(int deck, int scoring, int level, int rank)
{
    return FEntries[static_cast<std::size_t>(IndexOf(deck, scoring, level, rank))];
}

const THallOfFameEntry& THallOfFameTable::At(int deck, int scoring, int level, int rank) const
{
    return FEntries[static_cast<std::size_t>(IndexOf(deck, scoring, level, rank))];
}

void THallOfFameTable::Clear()
{
    FEntries.fill(THallOfFameEntry{});
}
