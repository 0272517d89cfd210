#include "dialogs/halloffame.h"

#include "dialogs/settingsfile.h"
#include "platform/stringtable.h"

#include <array>

namespace {

constexpr int ScoreColumnWidth = 8;

} // namespace

int HallOfFameRank(const THallOfFameTable& Table, int Deck, int Scoring, int Level,
                   std::int32_t Score)
{
    for (int Rank = 1; Rank <= THallOfFameTable::RankCount; ++Rank) {
        if (Table.At(Deck, Scoring, Level, Rank).Score < Score)
            return Rank;
    }
    return 0;
}

bool EnterHallOfFame(THallOfFameTable& Table, int Deck, int Scoring, int Level, std::int32_t Score,
                     bool& HallEntryDone, const std::function<std::optional<QString>()>& AskName)
{
    if (HallEntryDone || Score <= 0)
        return false;
    const int Rank = HallOfFameRank(Table, Deck, Scoring, Level, Score);
    if (Rank == 0)
        return false;

    std::array<THallOfFameEntry, THallOfFameTable::RankCount> Before;
    for (int R = 1; R <= THallOfFameTable::RankCount; ++R)
        Before[static_cast<std::size_t>(R - 1)] = Table.At(Deck, Scoring, Level, R);

    for (int R = THallOfFameTable::RankCount; R > Rank; --R)
        Table.At(Deck, Scoring, Level, R) = Table.At(Deck, Scoring, Level, R - 1);
    // The score takes its place before the name is asked; the name of the
    // entry that moved down must not show beside it meanwhile.
    Table.At(Deck, Scoring, Level, Rank) = THallOfFameEntry{Score, QString()};

    const std::optional<QString> Name = AskName ? AskName() : std::nullopt;
    if (!Name) {
        // Nothing half-made stays behind: no nameless entry, nobody pushed out.
        for (int R = 1; R <= THallOfFameTable::RankCount; ++R)
            Table.At(Deck, Scoring, Level, R) = Before[static_cast<std::size_t>(R - 1)];
        return false;
    }
    Table.At(Deck, Scoring, Level, Rank).Name = THallOfFameEntry::StorableName(*Name);
    HallEntryDone = true;
    return true;
}

QString RankLine(int Rank, const THallOfFameEntry& Entry)
{
    const QString Score = QString::number(Entry.Score);
    QString Line = QStringLiteral("  %1     %2").arg(Rank).arg(Score);
    if (Score.size() < ScoreColumnWidth)
        Line += QString(ScoreColumnWidth - Score.size(), QChar(u' '));
    return Line + Entry.Name;
}

QStringList HallOfFameLines(const THallOfFameTable& Table)
{
    QStringList Lines;
    Lines.reserve(THallOfFameTable::DeckCount * THallOfFameTable::ScoringCount *
                  THallOfFameTable::LevelCount * (THallOfFameTable::RankCount + 3));
    const QString Heading = platform::LoadStr(platform::strings::HallOfFameHeading);
    for (int Deck = 1; Deck <= THallOfFameTable::DeckCount; ++Deck) {
        for (int Scoring = 1; Scoring <= THallOfFameTable::ScoringCount; ++Scoring) {
            for (int Level = 1; Level <= THallOfFameTable::LevelCount; ++Level) {
                Lines << TSettingsFile::DisplayTitle(Deck, Scoring, Level) << Heading;
                for (int Rank = 1; Rank <= THallOfFameTable::RankCount; ++Rank)
                    Lines << RankLine(Rank, Table.At(Deck, Scoring, Level, Rank));
                Lines << QString();
            }
        }
    }
    return Lines;
}

QStringList RaceHallOfFameLines(const TNetRaceRecords& Records)
{
    QStringList Lines;
    const QString Heading = platform::LoadStr(platform::strings::HallOfFameHeading);
    for (int Deck = 1; Deck <= TNetRaceRecords::DeckCount; ++Deck) {
        Lines << TNetRaceRecords::DisplayTitle(Deck) << Heading;
        for (int Rank = 1; Rank <= TNetRaceRecords::RankCount; ++Rank)
            Lines << RankLine(Rank, Records.At(Deck, Rank));
        Lines << QString();
    }
    return Lines;
}
