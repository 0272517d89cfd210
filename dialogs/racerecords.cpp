#include "dialogs/racerecords.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

std::size_t DeckIndex(int Deck)
{
    return static_cast<std::size_t>(std::clamp(Deck, 1, TRaceRecords::DeckCount) - 1);
}

std::size_t RankIndex(int Rank)
{
    return static_cast<std::size_t>(std::clamp(Rank, 1, TRaceRecords::RankCount) - 1);
}

// The section names are data; the window shows them translated.
const char* const TableTitles[TRaceRecords::DeckCount] = {
    QT_TRANSLATE_NOOP("TRaceRecords", "Race - Single Deck"),
    QT_TRANSLATE_NOOP("TRaceRecords", "Race - Double Deck")};

constexpr int NormalScoring = 1;

} // namespace

THallOfFameEntry& TRaceRecords::At(int Deck, int Rank)
{
    return FHallOfFame[DeckIndex(Deck)][RankIndex(Rank)];
}

const THallOfFameEntry& TRaceRecords::At(int Deck, int Rank) const
{
    return FHallOfFame[DeckIndex(Deck)][RankIndex(Rank)];
}

TStatisticsRecord& TRaceRecords::Statistics(int Deck)
{
    return FStatistics[DeckIndex(Deck)];
}

const TStatisticsRecord& TRaceRecords::Statistics(int Deck) const
{
    return FStatistics[DeckIndex(Deck)];
}

int TRaceRecords::RecordWin(int Deck, std::int64_t Milliseconds, std::int32_t Score, const QString& Name)
{
    CountWin(Statistics(Deck), NormalScoring, Milliseconds, Score);
    if (Score <= 0)
        return 0;
    auto& Table = FHallOfFame[DeckIndex(Deck)];
    const auto Place = std::find_if(Table.begin(), Table.end(),
                                    [&](const THallOfFameEntry& Entry) { return Entry.Score < Score; });
    if (Place == Table.end())
        return 0;
    std::move_backward(Place, Table.end() - 1, Table.end());
    *Place = THallOfFameEntry{Score, THallOfFameEntry::StorableName(Name)};
    return static_cast<int>(Place - Table.begin()) + 1;
}

void TRaceRecords::RecordLoss(int Deck)
{
    CountLoss(Statistics(Deck));
}

void TRaceRecords::RecordTie(int Deck)
{
    CountTie(Statistics(Deck));
}

bool TRaceRecords::HasEntries() const
{
    return std::any_of(FHallOfFame.begin(), FHallOfFame.end(), [](const auto& Table) {
        return std::any_of(Table.begin(), Table.end(), [](const THallOfFameEntry& E) { return !E.IsEmpty(); });
    });
}

bool TRaceRecords::HasStatistics() const
{
    return std::any_of(FStatistics.begin(), FStatistics.end(),
                       [](const TStatisticsRecord& R) { return R.Played > 0; });
}

void TRaceRecords::ClearStatistics()
{
    FStatistics.fill(TStatisticsRecord{});
}

void TRaceRecords::Clear()
{
    *this = TRaceRecords{};
}

QString TRaceRecords::TableTitle(int Deck)
{
    return QString::fromLatin1(TableTitles[DeckIndex(Deck)]);
}

QString TRaceRecords::DisplayTitle(int Deck)
{
    return QCoreApplication::translate("TRaceRecords", TableTitles[DeckIndex(Deck)]);
}

QString TRaceRecords::StatisticsKey(int Deck)
{
    return QStringLiteral("Deck%1").arg(DeckIndex(Deck) + 1);
}
