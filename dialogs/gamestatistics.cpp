#include "dialogs/gamestatistics.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace {

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

// The computer's fields, then a race's tied deals.
int KnownFields(TRecordLayout Layout)
{
    return Layout == TRecordLayout::Race ? 8 : 7;
}

constexpr int TiedField = 7;

// A field's decimal number (an optional sign, then digits only) brought
// into Min..Max: a number past either end stops there, as a count from a
// later version or another program that outgrew our field would. Nothing
// when the field is empty or not such a number.
std::optional<std::int64_t> Number(const QStringList& Fields, int I, std::int64_t Min, std::int64_t Max)
{
    if (I >= Fields.size())
        return std::nullopt;
    const QString Text = Fields[I].trimmed();
    qsizetype At = 0;
    const bool Negative = Text.startsWith(u'-');
    if (Negative || Text.startsWith(u'+'))
        ++At;
    if (At == Text.size())
        return std::nullopt;
    constexpr std::uint64_t Largest = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t Magnitude = 0;
    for (; At < Text.size(); ++At) {
        const char16_t C = Text[At].unicode();
        if (C < u'0' || C > u'9')
            return std::nullopt;
        const auto Digit = static_cast<std::uint64_t>(C - u'0');
        Magnitude = Magnitude > (Largest - Digit) / 10 ? Largest : Magnitude * 10 + Digit;
    }
    if (Negative) {
        // |Min| without overflow; a field of no negative numbers stops at 0.
        const std::uint64_t Limit = Min < 0 ? static_cast<std::uint64_t>(-(Min + 1)) + 1 : 0;
        return Magnitude >= Limit ? Min : -static_cast<std::int64_t>(Magnitude);
    }
    return Magnitude >= static_cast<std::uint64_t>(Max) ? Max : static_cast<std::int64_t>(Magnitude);
}

std::int32_t Count(const QStringList& Fields, int I)
{
    return static_cast<std::int32_t>(Number(Fields, I, 0, std::numeric_limits<std::int32_t>::max()).value_or(0));
}

std::int64_t Milliseconds(const QStringList& Fields, int I)
{
    return Number(Fields, I, 0, std::numeric_limits<std::int64_t>::max()).value_or(0);
}

// A best score may be negative (a Las Vegas run that lost before).
std::optional<std::int32_t> Best(const QStringList& Fields, int I)
{
    const std::optional<std::int64_t> Value =
        Number(Fields, I, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    return Value ? std::optional<std::int32_t>(static_cast<std::int32_t>(*Value)) : std::nullopt;
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

void CountTie(TStatisticsRecord& R)
{
    CountOne(R.Played);
    CountOne(R.Tied);
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

QString TGameStatistics::Encode(const TStatisticsRecord& R, TRecordLayout Layout)
{
    const auto BestText = [](const std::optional<std::int32_t>& Best) {
        return Best ? QString::number(*Best) : QString();
    };
    QStringList Fields{QString::number(R.Played),       QString::number(R.Won),
                       QString::number(R.Streak),       QString::number(R.LongestStreak),
                       QString::number(R.FastestWinMs), BestText(R.BestScore[0]),
                       BestText(R.BestScore[1])};
    // Without ties a race's record is written as before ties were counted,
    // so that a program from then still reads it.
    if (Layout == TRecordLayout::Race && (R.Tied != 0 || !R.LaterFields.isEmpty()))
        Fields << QString::number(R.Tied);
    return Fields.join(u',') + R.LaterFields;
}

TStatisticsRecord TGameStatistics::Decode(const QString& Value, TRecordLayout Layout)
{
    const int Known = KnownFields(Layout);
    QStringList Fields = Value.split(u',');
    TStatisticsRecord R;
    if (Fields.size() > Known) {
        // From the comma before the first field we do not know, as it was.
        qsizetype At = -1;
        for (int I = 0; I < Known; ++I)
            At = Value.indexOf(u',', At + 1);
        R.LaterFields = Value.mid(At);
        Fields.resize(Known);
    }
    R.Played = Count(Fields, 0);
    R.Won = std::min(Count(Fields, 1), R.Played);
    R.Tied = Layout == TRecordLayout::Race ? std::min(Count(Fields, TiedField), R.Played - R.Won) : 0;
    R.Streak = std::min(Count(Fields, 2), R.Won);
    R.LongestStreak = std::clamp(Count(Fields, 3), R.Streak, R.Won);
    R.FastestWinMs = R.Won > 0 ? Milliseconds(Fields, 4) : 0;
    for (int S = 0; S < 2; ++S)
        R.BestScore[static_cast<std::size_t>(S)] = R.Won > 0 ? Best(Fields, 5 + S) : std::nullopt;
    return R;
}
