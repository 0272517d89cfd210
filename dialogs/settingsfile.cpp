#include "dialogs/settingsfile.h"

#include "platform/inifile.h"
#include "platform/messagebox.h"
#include "platform/playername.h"
#include "platform/stringtable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kScoring = QStringLiteral("Scoring");
const QString kDeckSize = QStringLiteral("DeckSize");
const QString kLevel = QStringLiteral("Velto");
const QString kPlaySounds = QStringLiteral("PlaySounds");
const QString kCardBack = QStringLiteral("CardBack");
// Our own key, beside the others: a file written before it existed reads as on.
const QString kAnimateCards = QStringLiteral("AnimateCards");

QString SettingsSectionName()
{
    return QString::fromLatin1(TSettingsFile::SettingsSection);
}

// Calls f(deck, scoring, level, rank) for every entry in the order of the file.
template <typename F>
void ForEachEntry(F&& f)
{
    for (int deck = 1; deck <= THallOfFameTable::DeckCount; ++deck)
        for (int scoring = 1; scoring <= THallOfFameTable::ScoringCount; ++scoring)
            for (int level = 1; level <= THallOfFameTable::LevelCount; ++level)
                for (int rank = 1; rank <= THallOfFameTable::RankCount; ++rank)
                    if (!f(deck, scoring, level, rank))
                        return;
}

// The six settings in the order they are written.
QList<platform::IniFile::KeyValue> SettingsValues(const TGameSettings& s)
{
    const QString section = SettingsSectionName();
    return {{section, kScoring, QString::number(s.Scoring)},
            {section, kDeckSize, QString::number(s.Decks)},
            {section, kLevel, QString::number(s.Level)},
            {section, kPlaySounds, s.SoundsOn ? QStringLiteral("1") : QStringLiteral("0")},
            {section, kCardBack, QString::number(s.CardBack)},
            {section, kAnimateCards, s.AnimateCards ? QStringLiteral("1") : QStringLiteral("0")}};
}

// The hundred entries, table by table in canonical order, rank 1 to 5.
QList<platform::IniFile::KeyValue> HallOfFameValues(const THallOfFameTable& table)
{
    QList<platform::IniFile::KeyValue> values;
    values.reserve(THallOfFameTable::EntryCount);
    ForEachEntry([&](int deck, int scoring, int level, int rank) {
        values.append({TSettingsFile::TableTitle(deck, scoring, level), QString::number(rank),
                       TSettingsFile::EncodeEntry(table.At(deck, scoring, level, rank))});
        return true;
    });
    return values;
}

// The ten records, deck by deck, level by level.
QList<platform::IniFile::KeyValue> StatisticsValues(const TGameStatistics& statistics)
{
    const QString section = QString::fromLatin1(TSettingsFile::StatisticsSection);
    QList<platform::IniFile::KeyValue> values;
    for (int deck = 1; deck <= TGameStatistics::DeckCount; ++deck)
        for (int level = 1; level <= TGameStatistics::LevelCount; ++level)
            values.append({section, TGameStatistics::KeyName(deck, level),
                           TGameStatistics::Encode(statistics.At(deck, level))});
    return values;
}

// The two race tables, then the race statistics.
QList<platform::IniFile::KeyValue> RaceValues(const TNetRaceRecords& races)
{
    QList<platform::IniFile::KeyValue> values;
    for (int deck = 1; deck <= TNetRaceRecords::DeckCount; ++deck)
        for (int rank = 1; rank <= TNetRaceRecords::RankCount; ++rank)
            values.append({TNetRaceRecords::TableTitle(deck), QString::number(rank),
                           TSettingsFile::EncodeEntry(races.At(deck, rank))});
    const QString section = QString::fromLatin1(TNetRaceRecords::StatisticsSection);
    for (int deck = 1; deck <= TNetRaceRecords::DeckCount; ++deck)
        values.append({section, TNetRaceRecords::StatisticsKey(deck),
                       TGameStatistics::Encode(races.Statistics(deck), TRecordLayout::Race)});
    return values;
}

// Stops at the first key that cannot be written.
bool WriteKeyByKey(const QString& path, const QList<platform::IniFile::KeyValue>& values)
{
    platform::IniFile ini(path);
    for (const platform::IniFile::KeyValue& value : values) {
        if (!ini.WriteString(value.section, value.key, value.value))
            return false;
    }
    return true;
}

} // namespace

TSettingsFile::TSettingsFile(const QString& dataDir)
    : FFilePath(QFileInfo(dataDir + QString::fromLatin1(FileName)).absoluteFilePath())
{
}

TGameSettings TSettingsFile::ReadSettings() const
{
    platform::IniFile ini(FFilePath);
    ini.TakeSnapshot();
    const QString section = SettingsSectionName();
    const TGameSettings defaults;
    TGameSettings s;
    s.Scoring = ini.ReadInteger(section, kScoring, defaults.Scoring);
    s.Decks = ini.ReadInteger(section, kDeckSize, defaults.Decks);
    s.Level = ini.ReadInteger(section, kLevel, defaults.Level);
    s.SoundsOn = ini.ReadBool(section, kPlaySounds, defaults.SoundsOn);
    s.CardBack = ini.ReadInteger(section, kCardBack, defaults.CardBack);
    s.AnimateCards = ini.ReadBool(section, kAnimateCards, defaults.AnimateCards);
    return s.Normalised();
}

void TSettingsFile::ReadHallOfFame(THallOfFameTable& table) const
{
    // A hundred keys: the file is read once, not once per key.
    platform::IniFile ini(FFilePath);
    ini.TakeSnapshot();
    // A missing key reads as "", which decodes to the empty entry.
    ForEachEntry([&](int deck, int scoring, int level, int rank) {
        table.At(deck, scoring, level, rank) =
            DecodeEntry(ini.ReadString(TableTitle(deck, scoring, level), QString::number(rank), QString()));
        return true;
    });
}

TGameStatistics TSettingsFile::ReadStatistics() const
{
    platform::IniFile ini(FFilePath);
    ini.TakeSnapshot();
    const QString section = QString::fromLatin1(StatisticsSection);
    TGameStatistics statistics;
    for (int deck = 1; deck <= TGameStatistics::DeckCount; ++deck)
        for (int level = 1; level <= TGameStatistics::LevelCount; ++level)
            statistics.At(deck, level) =
                TGameStatistics::Decode(ini.ReadString(section, TGameStatistics::KeyName(deck, level), QString()));
    return statistics;
}

TNetRaceRecords TSettingsFile::ReadRaceRecords() const
{
    platform::IniFile ini(FFilePath);
    ini.TakeSnapshot();
    TNetRaceRecords races;
    const QString section = QString::fromLatin1(TNetRaceRecords::StatisticsSection);
    for (int deck = 1; deck <= TNetRaceRecords::DeckCount; ++deck) {
        for (int rank = 1; rank <= TNetRaceRecords::RankCount; ++rank)
            races.At(deck, rank) = DecodeEntry(ini.ReadString(TNetRaceRecords::TableTitle(deck), QString::number(rank), QString()));
        races.Statistics(deck) = TGameStatistics::Decode(ini.ReadString(section, TNetRaceRecords::StatisticsKey(deck), QString()),
                                                         TRecordLayout::Race);
    }
    return races;
}

bool TSettingsFile::ReportFailure(bool written) const
{
    if (!written)
        platform::MessageDlg(QCoreApplication::translate("TSettingsFile", "Unable to write to %1").arg(QDir::toNativeSeparators(FFilePath)),
                             platform::MsgType::Error, platform::MsgButtons::Ok);
    return written;
}

bool TSettingsFile::WriteSettings(const TGameSettings& settings)
{
    return ReportFailure(WriteKeyByKey(FFilePath, SettingsValues(settings)));
}

bool TSettingsFile::WriteHallOfFame(const THallOfFameTable& table)
{
    return ReportFailure(WriteKeyByKey(FFilePath, HallOfFameValues(table)));
}

bool TSettingsFile::WriteAll(const TGameSettings& settings, const THallOfFameTable& table)
{
    // Key by key, each of the 105 writes would read, rewrite and replace the
    // whole file; as one batch the file is read and replaced once.
    QList<platform::IniFile::KeyValue> values = SettingsValues(settings);
    values += HallOfFameValues(table);
    return ReportFailure(platform::IniFile(FFilePath).WriteStrings(values));
}

bool TSettingsFile::WriteAll(const TGameSettings& settings, const THallOfFameTable& table,
                             const TGameStatistics& statistics)
{
    QList<platform::IniFile::KeyValue> values = SettingsValues(settings);
    values += HallOfFameValues(table);
    values += StatisticsValues(statistics);
    return ReportFailure(platform::IniFile(FFilePath).WriteStrings(values));
}

bool TSettingsFile::WriteAll(const TGameSettings& settings, const THallOfFameTable& table,
                             const TGameStatistics& statistics, const TNetRaceRecords& races)
{
    QList<platform::IniFile::KeyValue> values = SettingsValues(settings);
    values += HallOfFameValues(table);
    values += StatisticsValues(statistics);
    values += RaceValues(races);
    return ReportFailure(platform::IniFile(FFilePath).WriteStrings(values));
}

QString TSettingsFile::TableTitle(int deck, int scoring, int level)
{
    return platform::LoadUntranslatedStr(platform::strings::DeckScoringTitle + (deck - 1) * THallOfFameTable::ScoringCount
                                         + (scoring - 1))
        + platform::LoadUntranslatedStr(platform::strings::LevelSuffix + (level - 1));
}

QString TSettingsFile::DisplayTitle(int deck, int scoring, int level)
{
    return platform::LoadStr(platform::strings::DeckScoringTitle + (deck - 1) * THallOfFameTable::ScoringCount + (scoring - 1))
        + platform::LoadStr(platform::strings::LevelSuffix + (level - 1));
}

QString TSettingsFile::EncodeEntry(const THallOfFameEntry& entry)
{
    return THallOfFameEntry::StorableName(entry.Name) + ScoreSeparator + QString::number(entry.Score);
}

THallOfFameEntry TSettingsFile::DecodeEntry(const QString& value)
{
    THallOfFameEntry entry;
    const qsizetype p = value.indexOf(ScoreSeparator);
    const QString number = p < 0 ? value : value.mid(p + 1);
    if (p >= 0)
        entry.Name = THallOfFameEntry::StorableName(value.left(p));
    bool ok = false;
    const int score = number.trimmed().toInt(&ok, 10);
    entry.Score = ok ? score : 0;
    return entry;
}
