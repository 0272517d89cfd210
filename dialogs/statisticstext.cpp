#include "dialogs/statisticstext.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <vector>

namespace {

const char* const Context = "StatisticsText";

QString Tr(const char* Text)
{
    return QCoreApplication::translate(Context, Text);
}

const char* const LevelNames[TGameStatistics::LevelCount] = {
    QT_TRANSLATE_NOOP("StatisticsText", "Unbeatable"), QT_TRANSLATE_NOOP("StatisticsText", "Very Hard"),
    QT_TRANSLATE_NOOP("StatisticsText", "Hard"), QT_TRANSLATE_NOOP("StatisticsText", "Not Bad"),
    QT_TRANSLATE_NOOP("StatisticsText", "Easy")};

// The headings; the best scores' columns are named by scoring style.
const char* const SingleDeck = QT_TRANSLATE_NOOP("StatisticsText", "Single Deck");
const char* const DoubleDeck = QT_TRANSLATE_NOOP("StatisticsText", "Double Deck");
const char* const LevelHeading = QT_TRANSLATE_NOOP("StatisticsText", "Level");
const char* const PlayedHeading = QT_TRANSLATE_NOOP("StatisticsText", "Played");
const char* const WonHeading = QT_TRANSLATE_NOOP("StatisticsText", "Won");
const char* const LostHeading = QT_TRANSLATE_NOOP("StatisticsText", "Lost");
const char* const TiedHeading = QT_TRANSLATE_NOOP("StatisticsText", "Tied");
const char* const WinRateHeading = QT_TRANSLATE_NOOP("StatisticsText", "Win rate");
const char* const StreakHeading = QT_TRANSLATE_NOOP("StatisticsText", "Streak");
const char* const LongestHeading = QT_TRANSLATE_NOOP("StatisticsText", "Longest");
const char* const FastestHeading = QT_TRANSLATE_NOOP("StatisticsText", "Fastest");
const char* const NormalHeading = QT_TRANSLATE_NOOP("StatisticsText", "Normal");
const char* const LasVegasHeading = QT_TRANSLATE_NOOP("StatisticsText", "Las Vegas");
const char* const DealsTitle = QT_TRANSLATE_NOOP("StatisticsText", "Deals");
const char* const RecordsTitle = QT_TRANSLATE_NOOP("StatisticsText", "Streaks, Fastest Win and Best Scores");
const char* const RacesTitle = QT_TRANSLATE_NOOP("StatisticsText", "Races");
const char* const DeckHeading = QT_TRANSLATE_NOOP("StatisticsText", "Deck");
const char* const BestHeading = QT_TRANSLATE_NOOP("StatisticsText", "Best");

const QString None = QStringLiteral("-");

// A table of text cells: the first column left-aligned, the others right-
// aligned, each as wide as its widest cell, two spaces apart.
QStringList Columns(const std::vector<QStringList>& Rows)
{
    std::vector<qsizetype> Widths;
    for (const QStringList& Row : Rows) {
        Widths.resize(std::max<std::size_t>(Widths.size(), static_cast<std::size_t>(Row.size())), 0);
        for (qsizetype I = 0; I < Row.size(); ++I)
            Widths[static_cast<std::size_t>(I)] = std::max(Widths[static_cast<std::size_t>(I)], Row[I].size());
    }
    QStringList Lines;
    for (const QStringList& Row : Rows) {
        QString Line;
        for (qsizetype I = 0; I < Row.size(); ++I) {
            const int Width = static_cast<int>(Widths[static_cast<std::size_t>(I)]);
            Line += I == 0 ? Row[I].leftJustified(Width) : QStringLiteral("  ") + Row[I].rightJustified(Width);
        }
        Lines << Line;
    }
    return Lines;
}

QString CountText(std::int32_t Count)
{
    return QString::number(Count);
}

QString RateText(const TStatisticsRecord& R)
{
    if (R.Played == 0)
        return None;
    return QLocale().toString(R.WinRate(), 'f', 1) + QLatin1Char('%');
}

QString BestText(const std::optional<std::int32_t>& Best)
{
    return Best ? QString::number(*Best) : None;
}

} // namespace

QString DurationText(std::int64_t Milliseconds)
{
    if (Milliseconds <= 0)
        return None;
    const std::int64_t Tenths = Milliseconds / 100;
    const std::int64_t Seconds = Tenths / 10;
    if (Seconds >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(Seconds / 3600)
            .arg(Seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(Seconds % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2%3%4")
        .arg(Seconds / 60)
        .arg(Seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(QLocale().decimalPoint())
        .arg(Tenths % 10);
}

QStringList StatisticsLines(const TGameStatistics& Statistics)
{
    const QString DeckTitles[TGameStatistics::DeckCount] = {Tr(SingleDeck), Tr(DoubleDeck)};
    QStringList Lines;
    for (int Deck = 1; Deck <= TGameStatistics::DeckCount; ++Deck) {
        std::vector<QStringList> Deals{{Tr(LevelHeading), Tr(PlayedHeading), Tr(WonHeading), Tr(LostHeading), Tr(WinRateHeading)}};
        std::vector<QStringList> Records{
            {Tr(LevelHeading), Tr(StreakHeading), Tr(LongestHeading), Tr(FastestHeading), Tr(NormalHeading), Tr(LasVegasHeading)}};
        for (int Level = 1; Level <= TGameStatistics::LevelCount; ++Level) {
            const TStatisticsRecord& R = Statistics.At(Deck, Level);
            const QString Name = Tr(LevelNames[Level - 1]);
            Deals.push_back({Name, CountText(R.Played), CountText(R.Won), CountText(R.Lost()), RateText(R)});
            Records.push_back({Name, CountText(R.Streak), CountText(R.LongestStreak), DurationText(R.FastestWinMs),
                               BestText(R.BestScore[0]), BestText(R.BestScore[1])});
        }
        Lines << DeckTitles[Deck - 1] + QStringLiteral(" - ") + Tr(DealsTitle) << Columns(Deals) << QString()
              << DeckTitles[Deck - 1] + QStringLiteral(" - ") + Tr(RecordsTitle)
              << Columns(Records) << QString();
    }
    return Lines;
}

QStringList RaceStatisticsLines(const TNetRaceRecords& Races)
{
    const QString DeckTitles[TNetRaceRecords::DeckCount] = {Tr(SingleDeck), Tr(DoubleDeck)};
    // Only a race between two people can end in a tie.
    std::vector<QStringList> Deals{
        {Tr(DeckHeading), Tr(PlayedHeading), Tr(WonHeading), Tr(LostHeading), Tr(TiedHeading), Tr(WinRateHeading)}};
    std::vector<QStringList> Records{
        {Tr(DeckHeading), Tr(StreakHeading), Tr(LongestHeading), Tr(FastestHeading), Tr(BestHeading)}};
    for (int Deck = 1; Deck <= TNetRaceRecords::DeckCount; ++Deck) {
        const TStatisticsRecord& R = Races.Statistics(Deck);
        const QString& Name = DeckTitles[Deck - 1];
        Deals.push_back({Name, CountText(R.Played), CountText(R.Won), CountText(R.Lost()), CountText(R.Tied),
                         RateText(R)});
        Records.push_back({Name, CountText(R.Streak), CountText(R.LongestStreak), DurationText(R.FastestWinMs),
                           BestText(R.BestScore[0])});
    }
    QStringList Lines;
    Lines << Tr(RacesTitle) + QStringLiteral(" - ") + Tr(DealsTitle) << Columns(Deals) << QString()
          << Tr(RacesTitle) + QStringLiteral(" - ") + Tr(RecordsTitle) << Columns(Records) << QString();
    return Lines;
}
