#include "dialogs/halloffame.h"

#include "dialogs/settingsfile.h"
#include "platform/stringtable.h"

#include <array>

namespace {

constexpr int HeadingId = 65166; // "Rank  Score     Name"
constexpr int ScoreColumnWidth = 8;

} // namespace

int HallOfFameRank(const THallOfFameTable& T, int deck, int scoring, int level, std::int32_t score)
{
    for (int rank = 1; rank <= THallOfFameTable::RankCount; ++rank) {
        if (T.At(deck, scoring, level, rank).Score < score)
            return rank;
    }
    return 0;
}

bool EnterHallOfFame(THallOfFameTable& T, int deck, int scoring, int level, std::int32_t score,
                     bool& HallEntryDone, const std::function<std::optional<QString>()>& askName)
{
    if (HallEntryDone || score <= 0)
        return false;
    const int rank = HallOfFameRank(T, deck, scoring, level, score);
    if (rank == 0)
        return false;

    std::array<THallOfFameEntry, THallOfFameTable::RankCount> before;
    for (int r = 1; r <= THallOfFameTable::RankCount; ++r)
        before[static_cast<std::size_t>(r - 1)] = T.At(deck, scoring, level, r);

    for (int r = THallOfFameTable::RankCount; r > rank; --r)
        T.At(deck, scoring, level, r) = T.At(deck, scoring, level, r - 1);
    // The score takes its place before the name is asked; the name of the
    // entry that moved down must not show beside it meanwhile.
    T.At(deck, scoring, level, rank) = THallOfFameEntry{score, QString()};

    const std::optional<QString> name = askName ? askName() : std::nullopt;
    if (!name) {
        // Nothing half-made stays behind: no nameless entry, nobody pushed out.
        for (int r = 1; r <= THallOfFameTable::RankCount; ++r)
            T.At(deck, scoring, level, r) = before[static_cast<std::size_t>(r - 1)];
        return false;
    }
    T.At(deck, scoring, level, rank).Name = TSettingsFile::CutName(*name);
    HallEntryDone = true;
    return true;
}

QString RankLine(int rank, const THallOfFameEntry& E)
{
    const QString score = QString::number(E.Score);
    QString line = QStringLiteral("  %1     %2").arg(rank).arg(score);
    if (score.size() < ScoreColumnWidth)
        line += QString(ScoreColumnWidth - score.size(), QChar(u' '));
    return line + E.Name;
}

QStringList HallOfFameLines(const THallOfFameTable& T)
{
    QStringList lines;
    lines.reserve(THallOfFameTable::DeckCount * THallOfFameTable::ScoringCount *
                  THallOfFameTable::LevelCount * (THallOfFameTable::RankCount + 3));
    const QString heading = platform::LoadStr(HeadingId);
    for (int deck = 1; deck <= THallOfFameTable::DeckCount; ++deck) {
        for (int scoring = 1; scoring <= THallOfFameTable::ScoringCount; ++scoring) {
            for (int level = 1; level <= THallOfFameTable::LevelCount; ++level) {
                lines << TSettingsFile::TableTitle(deck, scoring, level) << heading;
                for (int rank = 1; rank <= THallOfFameTable::RankCount; ++rank)
                    lines << RankLine(rank, T.At(deck, scoring, level, rank));
                lines << QString();
            }
        }
    }
    return lines;
}
