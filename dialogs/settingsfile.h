#pragma once
// The settings file "Config.INI" in the data folder: the five settings in the
// section "Settings" and the twenty Hall of Fame tables, one section each,
// read once at start-up and written whole when the game window closes, and
// the statistics of the deals in a section of our own, "Statistics", and
// the races' own records (dialogs/netracerecords.h).
//
// A Hall of Fame value is the name, a backquote and the score in decimal
// ("Ann`1526"; an empty entry is "`0"). Since the reader splits at the first
// backquote, a name cannot carry one: a backquote in a name is stored as an
// apostrophe, and line breaks, other control characters and the rest of what
// a name may not hold (platform/playername.h) as spaces. A name takes that
// form wherever it enters a table (the name box, a race, the file), so the
// windows show a name as the file holds it.
#include "dialogs/gamesettings.h"
#include "dialogs/gamestatistics.h"
#include "dialogs/halloffametable.h"
#include "dialogs/netracerecords.h"

#include <QString>

class TSettingsFile {
public:
    static constexpr const char* FileName = "Config.INI";
    static constexpr const char* SettingsSection = "Settings";
    static constexpr const char* StatisticsSection = "Statistics";
    static constexpr QChar ScoreSeparator = THallOfFameEntry::ScoreSeparator;
    static constexpr QChar BackquoteStandIn = THallOfFameEntry::BackquoteStandIn;

    // dataDir ends with a '/': the file is dataDir + "Config.INI". Nothing is
    // created or opened here; the folder may be missing.
    explicit TSettingsFile(const QString& dataDir);

    // Full path of the file, as shown in the error box.
    const QString& FilePath() const { return FFilePath; }

    // Keys missing, unreadable or not a number read as their defaults; values
    // out of range are normalised (see TGameSettings::Normalised).
    TGameSettings ReadSettings() const;
    // Every entry is set empty, then filled from its key when that is present.
    void ReadHallOfFame(THallOfFameTable& table) const;
    // Every record from its key; a missing or bad value reads as an empty
    // or a corrected record (TGameStatistics::Decode), never as a failure.
    TGameStatistics ReadStatistics() const;
    // The races' tables and statistics, read as the computer's are.
    TNetRaceRecords ReadRaceRecords() const;

    // Each writes its keys in order and stops at the first key that cannot be
    // written, after showing "Unable to write to <path>" in an error box;
    // returns false then. A caller writing both stops after a failure too, so
    // the user sees the box once and no key after the failed one is written.
    bool WriteSettings(const TGameSettings& settings);
    bool WriteHallOfFame(const THallOfFameTable& table);
    // What the window writes at close: the settings, then the Hall of Fame,
    // as one change of the file (read once, replaced once), leaving exactly
    // the bytes WriteSettings followed by WriteHallOfFame would leave. When
    // it cannot be written the error box shows once, the file is left as it
    // was (nothing is half-written) and false is returned.
    bool WriteAll(const TGameSettings& settings, const THallOfFameTable& table);
    // The same with the statistics after the Hall of Fame, in the same one
    // replacement: what the window writes at close.
    bool WriteAll(const TGameSettings& settings, const THallOfFameTable& table, const TGameStatistics& statistics);
    // And the races' records after the statistics: what the window writes.
    bool WriteAll(const TGameSettings& settings, const THallOfFameTable& table, const TGameStatistics& statistics,
                  const TNetRaceRecords& races);

    // Section name of a table (1-based deck, scoring, level): the deck/scoring
    // title and the level suffix from the string table. It is data, the same
    // in every language: a file moves between users and languages whole.
    static QString TableTitle(int deck, int scoring, int level);
    // The same title as the Hall of Fame window shows it, in the user's language.
    static QString DisplayTitle(int deck, int scoring, int level);

    // The stored text of an entry, and back. Decoding: the name is the text
    // before the first backquote (none without one) as THallOfFameEntry::StorableName makes
    // it; the score is the decimal number after it (the whole value without
    // one), 0 when that is not a 32-bit number.
    static QString EncodeEntry(const THallOfFameEntry& entry);
    static THallOfFameEntry DecodeEntry(const QString& value);

private:
    bool ReportFailure(bool written) const;

    QString FFilePath;
};
