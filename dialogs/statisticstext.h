#pragma once
// The lines of the Statistics window: for each deck size a table of the
// deals (played, won, lost, win rate) and one of the records (streaks, the
// fastest win and the best scores), a row per level, in columns that line up
// in a fixed-pitch font whatever the language's headings.
#include "dialogs/gamestatistics.h"
#include "dialogs/netracerecords.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// A duration as the Statistics window shows it: "m:ss.t", "h:mm:ss" from an
// hour on, "-" for none (0).
QString DurationText(std::int64_t Milliseconds);

QStringList StatisticsLines(const TGameStatistics& Statistics);

// The races' lines: a table of the deals (with the tied ones, which only a
// race has) and one of the records, a row per deck size (a race has no
// level and scores by the normal rules).
QStringList RaceStatisticsLines(const TNetRaceRecords& Races);
