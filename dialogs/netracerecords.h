#pragma once
// The records of races between two people, kept apart from the game against
// the computer: for each deck size a Hall of Fame of five and the statistics
// of the deals raced. A race has no level and scores by the normal rules, so
// a deck size is the whole key. Deck is 1..2 and Rank 1..5, as in the
// computer's tables; an index outside its range is clamped into it.
//
// In the settings file: a section a deck size ("Race - Single Deck",
// "Race - Double Deck") with the keys 1..5 in the Hall of Fame's format, and
// a section "Race Statistics" with the keys Deck1 and Deck2 in the
// statistics' format, the tied deals after the computer's fields
// (TRecordLayout::Race). Both are data, the same in every language.
#include "dialogs/gamestatistics.h"
#include "dialogs/halloffametable.h"

#include <QString>

#include <array>
#include <cstdint>

class TNetRaceRecords {
public:
    static constexpr int DeckCount = 2;
    static constexpr int RankCount = 5;
    static constexpr const char* StatisticsSection = "Race Statistics";

    THallOfFameEntry& At(int Deck, int Rank);
    const THallOfFameEntry& At(int Deck, int Rank) const;
    TStatisticsRecord& Statistics(int Deck);
    const TStatisticsRecord& Statistics(int Deck) const;

    // A race deal won by this side's player, Name, with Score after
    // Milliseconds of racing: counted, and offered to the deck size's Hall
    // of Fame. No name is asked: the player gave it to race; it is stored as
    // the file holds it (THallOfFameEntry::StorableName). The result is
    // the rank the score took (a score equal to a stored one ranks below
    // it), 0 when it took none or was not positive.
    int RecordWin(int Deck, std::int64_t Milliseconds, std::int32_t Score, const QString& Name);
    // A race deal lost, or given up by this side's player.
    void RecordLoss(int Deck);
    // A race deal that ended with both players at their target in the same
    // stalemate round: played and tied, neither won nor lost, no Hall of
    // Fame entry, and the end of the winning streak.
    void RecordTie(int Deck);

    // Any Hall of Fame entry, and any deal counted.
    bool HasEntries() const;
    bool HasStatistics() const;
    // The statistics' reset; the Hall of Fame stays.
    void ClearStatistics();
    void Clear();

    // A table's section in the file, and its title in the user's language.
    static QString TableTitle(int Deck);
    static QString DisplayTitle(int Deck);
    static QString StatisticsKey(int Deck);

    friend bool operator==(const TNetRaceRecords&, const TNetRaceRecords&) = default;

private:
    std::array<std::array<THallOfFameEntry, RankCount>, DeckCount> FHallOfFame{};
    std::array<TStatisticsRecord, DeckCount> FStatistics{};
};
