#pragma once
// The Hall of Fame held in memory: five ranks for every combination of deck
// size, scoring style and computer level, twenty tables of five entries.
// Indexes are 1-based as the game counts them: Deck 1..2 (= Decks),
// Scoring 1..2 (= Scoring + 1), Level 1..5 (= Level + 1), Rank 1..5 (1 best).
#include <QString>
#include <array>
#include <cstdint>

struct THallOfFameEntry {
    // In the settings file an entry is its name, a backquote, its score; a
    // backquote in a name is kept as an apostrophe.
    static constexpr QChar ScoreSeparator = QChar(u'`');
    static constexpr QChar BackquoteStandIn = QChar(u'\'');

    std::int32_t Score = 0;
    QString Name; // at most MaxNameLength characters, as StorableName makes it

    // A name as every table and the file hold it: what a name may not carry
    // made spaces, a backquote an apostrophe, then cut to 20 characters as
    // the player sees them (never inside an emoji or a letter with its
    // accents).
    static QString StorableName(const QString& Name);

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
    static bool InRange(int Deck, int Scoring, int Level, int Rank);

    // The entry at the given 1-based indexes. An index outside its range is
    // clamped into it, so nothing outside the table is ever touched; the game
    // keeps its indexes in range (the settings are normalised when read).
    THallOfFameEntry& At(int Deck, int Scoring, int Level, int Rank);
    const THallOfFameEntry& At(int Deck, int Scoring, int Level, int Rank) const;

    // Every entry empty (score 0, no name), as before the file is read.
    void Clear();

    friend bool operator==(const THallOfFameTable&, const THallOfFameTable&) = default;

private:
    static int IndexOf(int Deck, int Scoring, int Level, int Rank);

    std::array<THallOfFameEntry, EntryCount> FEntries{};
};
