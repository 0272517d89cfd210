#include "dialogs/gamestatistics.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace {

constexpr int FieldCount = 7;

std::size_t Index(int Deck, int Level)
{
    const int D = std::clamp(Deck, 1, TGameStatistics::DeckCount);
    const int L = std::clamp(Level, 1, TGameStatistics::LevelCount);
    return static_cast<std::size_t>((D - 1) * TGameStatistics::LevelCount + (L - 1));
}

// A count that can only grow by one a deal stops at the largest value
// instead of turning negative.
void CountOne(std::int32_t& Count)
{
    if (Count < std::numeric_limits<std::int32_t>::max())
        ++Count;
}

std::int64_t Field(const QStringList& Fields, int I)
{
    if (I >= Fields.size())
        return 0;
    bool Ok = false;
    const qlonglong Value = Fields[I].trimmed().toLongLong(&Ok, 10);
    return Ok && Value > 0 ? Value : 0;
}

std::int32_t Count(const QStringList& Fields, int I)
{
    return static_cast<std::int32_t>(std::min<std::int64_t>(Field(Fields, I), std::numeric_limits<std::int32_t>::max()));
}

std::optional<std::int32_t> Best(const QStringList& Fields, int I)
{
    if (I >= Fields.size() || Fields[I].trimmed().isEmpty())
        return std::nullopt;
    bool Ok = false;
    const int Value = Fields[I].trimmed().toInt(&Ok, 10);
    // A best score may be negative (a Las Vegas run that lost before).
    return Ok ? std::optional<std::int32_t>(Value) : std::nullopt;
}

} // namespace

TStatisticsRecord& TGameStatistics::At(int Deck, int Level)
{
    return FRecords[Index(Deck, Level)];
}

const TStatisticsRecord& TGameStatistics::At(int Deck, int Level) const
{
    return FRecords[Index(Deck, Level)];
}

void CountWin(TStatisticsRecord& R, int Scoring, std::int64_t Milliseconds, std::int32_t Score)
{
    CountOne(R.Played);
    CountOne(R.Won);
    CountOne(R.Streak);
    R.LongestStreak = std::max(R.LongestStreak, R.Streak);
    const std::int64_t Ms = std::max<std::int64_t>(Milliseconds, 1);
    if (R.FastestWinMs == 0 || Ms < R.FastestWinMs)
        R.FastestWinMs = Ms;
    auto& Best = R.BestScore[static_cast<std::size_t>(std::clamp(Scoring, 1, 2) - 1)];
    if (!Best || Score > *Best)
        Best = Score;
}

void CountLoss(TStatisticsRecord& R)
{
    CountOne(R.Played);
    R.Streak = 0;
}

void TGameStatistics::RecordWin(int Deck, int Level, int Scoring, std::int64_t Milliseconds, std::int32_t Score)
{
    CountWin(At(Deck, Level), Scoring, Milliseconds, Score);
}

void TGameStatistics::RecordLoss(int Deck, int Level)
{
    CountLoss(At(Deck, Level));
}

void TGameStatistics::Clear()
{
    FRecords.fill(TStatisticsRecord{});
}

QString TGameStatistics::KeyName(int Deck, int Level)
{
    return QStringLiteral("Deck%1Level%2")
        .arg(std::clamp(Deck, 1, DeckCount))
        .arg(std::clamp(Level, 1, LevelCount));
}

QString TGameStatistics::Encode(const TStatisticsRecord& R)
{
    const auto BestText = [](const std::optional<std::int32_t>& Best) {
        return Best ? QString::number(*Best) : QString();
    };
    return QStringList{QString::number(R.Played),       QString::number(R.Won),
                       QString::number(R.Streak),       QString::number(R.LongestStreak),
                       QString::number(R.FastestWinMs), BestText(R.BestScore[0]),
                       BestText(R.BestScore[1])}
        .join(u',');
}

TStatisticsRecord TGameStatistics::Decode(const QString& Value)
{
    const QStringList Fields = Value.split(u',');
    TStatisticsRecord R;
    if (Fields.size() > FieldCount)
        return R; // not a record of ours
    R.Played = Count(Fields, 0);
    R.Won = std::min(Count(Fields, 1), R.Played);
    R.Streak = std::min(Count(Fields, 2), R.Won);
    R.LongestStreak = std::clamp(Count(Fields, 3), R.Streak, R.Won);
    R.FastestWinMs = R.Won > 0 ? Field(Fields, 4) : 0;
    for (int S = 0; S < 2; ++S)
        R.BestScore[static_cast<std::size_t>(S)] = R.Won > 0 ? Best(Fields, 5 + S) : std::nullopt;
    return R;
}
