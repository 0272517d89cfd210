#pragma once
// Statistics of the deals against the computer, apart from the Hall of Fame:
// for every deck size and level the deals played and won, the current and the
// longest winning streak and the fastest win, and the best score for each
// scoring style (a Las Vegas score carries over between deals, so the two do
// not compare). Indexes are 1-based as in the Hall of Fame: Deck 1..2 (=
// Decks), Level 1..5 (= Level + 1), Scoring 1..2 (= Scoring + 1).
//
// Stored as one key per deck size and level, a value of comma-separated
// decimal numbers: "played,won,streak,longest,fastestMs,bestNormal,bestVegas",
// a best score left empty while there is none; a race's record carries its
// tied deals after them. The keys and values are data, the same in every
// language. A later version may add fields after these: they are kept as
// they were read and written back behind ours, so that a file shared with
// it keeps what only it understands.
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

struct TStatisticsRecord {
    std::int32_t Played = 0;
    std::int32_t Won = 0;
    std::int32_t Tied = 0;          // races only: both reached the target at once
    std::int32_t Streak = 0;        // wins in a row up to the last deal
    std::int32_t LongestStreak = 0;
    std::int64_t FastestWinMs = 0;  // 0 while there is no win
    std::array<std::optional<std::int32_t>, 2> BestScore; // by scoring style
    // The fields after the ones this version knows, as read ("7,x,,3"), and
    // empty when there were none.
    QString LaterFields;

    // Never below zero, even where counts stopped at their largest.
    std::int32_t Lost() const { return std::max(Played - Won - Tied, 0); }
    // Won of played in per cent, 0 before the first deal.
    double WinRate() const { return Played > 0 ? 100.0 * Won / Played : 0.0; }

    friend bool operator==(const TStatisticsRecord&, const TStatisticsRecord&) = default;
};

// A won deal counted in R: Milliseconds from the start to the win, Score the
// score after it, Scoring 1 normal or 2 Las Vegas. Counts stop at their
// largest value instead of turning negative.
void CountWin(TStatisticsRecord& R, int Scoring, std::int64_t Milliseconds, std::int32_t Score);
// A lost deal, or one given up, counted in R.
void CountLoss(TStatisticsRecord& R);
// A tied deal counted in R: played, neither won nor lost, and the end of a
// winning streak.
void CountTie(TStatisticsRecord& R);

// Which fields a record's value holds: the computer's deals are never tied,
// a race's record has its ties after the computer's fields.
enum class TRecordLayout { Computer, Race };

class TGameStatistics {
public:
    static constexpr int DeckCount = 2;
    static constexpr int LevelCount = 5;

    // Indexes outside their range are clamped into it, as in the Hall of Fame.
    TStatisticsRecord& At(int Deck, int Level);
    const TStatisticsRecord& At(int Deck, int Level) const;

    // A won deal: Milliseconds from the start box's OK to the win, Score the
    // score after the win, Scoring 1 normal or 2 Las Vegas.
    void RecordWin(int Deck, int Level, int Scoring, std::int64_t Milliseconds, std::int32_t Score);
    // A lost deal, and one given up (a new deal or the close during a deal).
    void RecordLoss(int Deck, int Level);
    // Every record empty.
    void Clear();

    // The key of a deck size and level ("Deck1Level5"), and a record's value
    // and back. Decoding never fails: a field that is missing, not a number
    // or negative reads as zero (an empty best score as none), a number too
    // large for its field as the field's largest (a best score too low as
    // its lowest), and the counts are brought to agree (no more wins and
    // ties than deals, no streak longer than the wins, the longest streak at
    // least the current one). Fields past the layout's are kept in
    // LaterFields and written back after it.
    static QString KeyName(int Deck, int Level);
    static QString Encode(const TStatisticsRecord& Record, TRecordLayout Layout = TRecordLayout::Computer);
    static TStatisticsRecord Decode(const QString& Value, TRecordLayout Layout = TRecordLayout::Computer);

    friend bool operator==(const TGameStatistics&, const TGameStatistics&) = default;

private:
    std::array<TStatisticsRecord, DeckCount * LevelCount> FRecords{};
};
