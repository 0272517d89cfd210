#pragma once
// How a winning score enters the Hall of Fame, and the lines the Hall of Fame
// window lists. Indexes are 1-based as in halloffametable.h: deck = Decks,
// scoring = Scoring + 1, level = Level + 1.
#include "dialogs/halloffametable.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

// The first rank (1..5) whose stored score is strictly less than score, or 0
// when there is none: a score equal to a stored one ranks below it.
int HallOfFameRank(const THallOfFameTable& T, int deck, int scoring, int level, std::int32_t score);

// Offers score to the table. Nothing happens when HallEntryDone is set, when
// score is not positive or when it ranks nowhere. Otherwise the ranks from
// the new one down move one place (the old rank 5 is lost), the score takes
// its rank, and askName is asked for the player's name: a name is stored cut
// to 20 characters, HallEntryDone is set and the result is true. A player who
// declines (askName gives nothing) leaves the table exactly as it was and
// HallEntryDone unchanged, and the result is false.
bool EnterHallOfFame(THallOfFameTable& T, int deck, int scoring, int level, std::int32_t score,
                     bool& HallEntryDone, const std::function<std::optional<QString>()>& askName);

// One rank line: "  <rank>     <score>", padded to eight characters of score
// (none when it has eight or more; a minus sign counts), then the name, so
// that in a fixed-pitch font the names start under "Name" of the heading.
QString RankLine(int rank, const THallOfFameEntry& E);

// The lines of the Hall of Fame window: for each of the twenty tables in
// canonical order its title, the heading, its five rank lines and an empty
// line; 160 lines.
QStringList HallOfFameLines(const THallOfFameTable& T);
