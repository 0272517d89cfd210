#pragma once
// The Hall of Fame held in memory: five ranks for every combination of deck
// size, scoring style and computer level, twenty tables of five entries.
// Indexes are 1-based as the game counts them: deck 1..2 (= Decks),
// scoring 1..2 (= Scoring + 1), level 1..5 (= Level + 1), rank 1..5 (1 best).
#include <QString>
#include <array>
#include <cstdint>

struct THallOfFameEntry {
    std::int32_t Score = 0;
    QString Name; // at most MaxNameLength characters

    bool IsEmpty() const { return Score == 0 && Name.isEmpty(); }
    friend bool operator==(const THallOfFameEntry&, const THallOfFameEntry&) = default;
};

class THallOfFameTable {
public:
    static constexpr int DeckCount = 2;
    static constexpr int ScoringCount = 2;
    static constexpr int LevelCount = 5;
    static constexpr int RankCount = 5;
    static constexpr int EntryCount = DeckCount * ScoringCount * LevelCount * RankCount;
    static constexpr int MaxNameLength = 20;

    // True when every index lies in its 1-based range.
    static bool InRange(int deck, int scoring, int level, int rank);

    // The entry at the given 1-based indexes. An index outside its range is
    // clamped into it, so nothing outside the table is ever touched; the game
    // keeps its indexes in range (the settings are normalised when read).
    THallOfFameEntry& At(int deck, int scoring, int level, int rank);
    const THallOfFameEntry& At(int deck, int scoring, int level, int rank) const;

    // Every entry empty (score 0, no name), as before the file is read.
    void Clear();

    friend bool operator==(const THallOfFameTable&, const THallOfFameTable&) = default;

private:
    static int IndexOf(int deck, int scoring, int level, int rank);

    std::array<THallOfFameEntry, EntryCount> FEntries{};
};
