#include "dialogs/netracerecords.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

std::size_t DeckIndex(int Deck)
{
    return static_cast<std::size_t>(std::clamp(Deck, 1, TNetRaceRecords::DeckCount) - 1);
}

std::size_t RankIndex(int Rank)
{
    return static_cast<std::size_t>(std::clamp(Rank, 1, TNetRaceRecords::RankCount) - 1);
}

// The section names are data; the window shows them translated.
const char* const TableTitles[TNetRaceRecords::DeckCount] = {
    QT_TRANSLATE_NOOP("TNetRaceRecords", "Race - Single Deck"),
    QT_TRANSLATE_NOOP("TNetRaceRecords", "Race - Double Deck")};

constexpr int NormalScoring = 1;

} // namespace

THallOfFameEntry& TNetRaceRecords::At(int Deck, int Rank)
{
    return FHallOfFame[DeckIndex(Deck)][RankIndex(Rank)];
}

const THallOfFameEntry& TNetRaceRecords::At(int Deck, int Rank) const
{
    return FHallOfFame[DeckIndex(Deck)][RankIndex(Rank)];
}

TStatisticsRecord& TNetRaceRecords::Statistics(int Deck)
{
    return FStatistics[DeckIndex(Deck)];
}

const TStatisticsRecord& TNetRaceRecords::Statistics(int Deck) const
{
    return FStatistics[DeckIndex(Deck)];
}

int TNetRaceRecords::RecordWin(int Deck, std::int64_t Milliseconds, std::int32_t Score, const QString& Name)
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

void TNetRaceRecords::RecordLoss(int Deck)
{
    CountLoss(Statistics(Deck));
}

void TNetRaceRecords::RecordTie(int Deck)
{
    CountTie(Statistics(Deck));
}

bool TNetRaceRecords::HasEntries() const
{
    return std::any_of(FHallOfFame.begin(), FHallOfFame.end(), [](const auto& Table) {
        return std::any_of(Table.begin(), Table.end(), [](const THallOfFameEntry& E) { return !E.IsEmpty(); });
    });
}

bool TNetRaceRecords::HasStatistics() const
{
    return std::any_of(FStatistics.begin(), FStatistics.end(),
                       [](const TStatisticsRecord& R) { return R.Played > 0; });
}

void TNetRaceRecords::ClearStatistics()
{
    FStatistics.fill(TStatisticsRecord{});
}

void TNetRaceRecords::Clear()
{
    *this = TNetRaceRecords{};
}

QString TNetRaceRecords::TableTitle(int Deck)
{
    return QString::fromLatin1(TableTitles[DeckIndex(Deck)]);
}

QString TNetRaceRecords::DisplayTitle(int Deck)
{
    return QCoreApplication::translate("TNetRaceRecords", TableTitles[DeckIndex(Deck)]);
}

QString TNetRaceRecords::StatisticsKey(int Deck)
{
    return QStringLiteral("Deck%1").arg(DeckIndex(Deck) + 1);
}
