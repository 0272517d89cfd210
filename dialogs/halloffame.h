#pragma once
// How a winning score enters the Hall of Fame, and the lines the Hall of Fame
// window lists. Indexes are 1-based as in halloffametable.h: Deck = Decks,
// Scoring = Scoring + 1, Level = Level + 1 of the game's settings.
#include "dialogs/halloffametable.h"
#include "dialogs/netracerecords.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

// The first rank (1..5) whose stored score is strictly less than Score, or 0
// when there is none: a score equal to a stored one ranks below it.
int HallOfFameRank(const THallOfFameTable& Table, int Deck, int Scoring, int Level,
                   std::int32_t Score);

// Offers Score to the table. Nothing happens when HallEntryDone is set, when
// Score is not positive or when it ranks nowhere. Otherwise the ranks from
// the new one down move one place (the old rank 5 is lost), the score takes
// its rank, and AskName is asked for the player's name: a name is stored as
// the file will hold it (THallOfFameEntry::StorableName: cleaned, cut to 20
// characters), HallEntryDone is set and the result is true. A player who
// declines (AskName gives nothing) leaves the table exactly as it was and
// HallEntryDone unchanged, and the result is false.
bool EnterHallOfFame(THallOfFameTable& Table, int Deck, int Scoring, int Level, std::int32_t Score,
                     bool& HallEntryDone, const std::function<std::optional<QString>()>& AskName);

// One rank line: "  <Rank>     <score>", padded to eight characters of score
// (none when it has eight or more; a minus sign counts), then the name, so
// that in a fixed-pitch font the names start under "Name" of the heading.
QString RankLine(int Rank, const THallOfFameEntry& Entry);

// The lines of the Hall of Fame window: for each of the twenty tables in
// canonical order its title, the heading, its five rank lines and an empty
// line; 160 lines.
QStringList HallOfFameLines(const THallOfFameTable& Table);

// The race tables' lines, in the form of the computer's: for each deck size
// its title, the heading, five rank lines and an empty line.
QStringList RaceHallOfFameLines(const TNetRaceRecords& Records);
