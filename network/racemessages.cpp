#include "network/racemessages.h"

#include <QStringDecoder>
#include <QtEndian>

#include <type_traits>

namespace network {

namespace {

enum TType : std::uint8_t {
    HelloType = 1,
    RefuseType = 2,
    HeartbeatType = 3,
    DealtType = 4,
    ReadyType = 5,
    PlayRequestType = 6,
    RefusedType = 7,
    EventType = 8,
    AgainType = 9,
    ByeType = 10,
};

constexpr int MaxNameBytes = 4 * MaxNameLength;
constexpr int MaxReasonBytes = 200;
constexpr std::uint8_t NoSlot = 0xFF;

// Writes fields one after another.
class TWriter {
public:
    explicit TWriter(TType Type) { FBody.append(static_cast<char>(Type)); }
    void U8(std::uint8_t Value) { FBody.append(static_cast<char>(Value)); }
    void U16(std::uint16_t Value)
    {
        U8(static_cast<std::uint8_t>(Value >> 8));
        U8(static_cast<std::uint8_t>(Value & 0xFF));
    }
    // A text cut to MaxBytes of UTF-8, never inside a character.
    void Text(const QString& Value, int MaxBytes)
    {
        QString Cut = Value;
        QByteArray Bytes = Cut.toUtf8();
        while (Bytes.size() > MaxBytes) {
            Cut.chop(Cut.size() >= 2 && Cut.back().isLowSurrogate() ? 2 : 1);
            Bytes = Cut.toUtf8();
        }
        U8(static_cast<std::uint8_t>(Bytes.size()));
        FBody.append(Bytes);
    }
    QByteArray Frame() const
    {
        QByteArray Frame(4, '\0');
        qToBigEndian(static_cast<std::uint32_t>(FBody.size()), Frame.data());
        return Frame + FBody;
    }

private:
    QByteArray FBody;
};

// Reads fields one after another; the first field missing or out of range
// sets the error, and everything read after it is ignored.
class TReader {
public:
    explicit TReader(const QByteArray& Body)
        : FBody(Body)
    {
    }
    std::uint8_t U8()
    {
        if (FPos >= FBody.size()) {
            Fail(QStringLiteral("a message ends early"));
            return 0;
        }
        return static_cast<std::uint8_t>(FBody[FPos++]);
    }
    std::uint16_t U16()
    {
        const std::uint16_t High = U8();
        return static_cast<std::uint16_t>((High << 8) | U8());
    }
    std::uint8_t Range(const char* What, int Min, int Max)
    {
        const std::uint8_t Value = U8();
        if (Value < Min || Value > Max)
            Fail(QStringLiteral("%1 out of range (%2)").arg(QLatin1String(What)).arg(Value));
        return Value;
    }
    // 0 for none, else one of the standard cards.
    std::uint8_t Card(bool MayBeNone)
    {
        const std::uint8_t Value = U8();
        if (!(Value == NoCard && MayBeNone) && (Value < MinCard || Value > MaxCard))
            Fail(QStringLiteral("not a card (%1)").arg(Value));
        return Value;
    }
    QString Text(int MaxBytes)
    {
        const int Size = U8();
        if (Size > MaxBytes || FPos + Size > FBody.size()) {
            Fail(QStringLiteral("a text too long"));
            return QString();
        }
        const QByteArray Bytes = FBody.mid(FPos, Size);
        FPos += Size;
        QStringDecoder Decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString Value = Decoder(Bytes);
        if (Decoder.hasError()) {
            Fail(QStringLiteral("a text that is not UTF-8"));
            return QString();
        }
        for (const QChar C : Value) {
            if (C.category() == QChar::Other_Control || C == QChar::LineSeparator || C == QChar::ParagraphSeparator) {
                Fail(QStringLiteral("a control character in a text"));
                return QString();
            }
        }
        return Value;
    }
    bool Done()
    {
        if (FError.isEmpty() && FPos != FBody.size())
            Fail(QStringLiteral("a message longer than its type"));
        return FError.isEmpty();
    }
    void Fail(const QString& Error)
    {
        if (FError.isEmpty())
            FError = Error;
    }
    const QString& Error() const { return FError; }

private:
    const QByteArray& FBody;
    qsizetype FPos = 1; // after the type
    QString FError;
};

void WriteSnapshot(TWriter& W, const TRaceSnapshot& S)
{
    W.U8(S.Decks);
    W.U8(S.Target);
    for (const auto& Seat : S.Slots)
        for (const std::uint8_t Card : Seat)
            W.U8(Card);
    for (const std::uint8_t V : S.PileCount)
        W.U8(V);
    for (const std::uint8_t V : S.CentreTop)
        W.U8(V);
    for (const std::uint8_t V : S.CentreSize)
        W.U8(V);
    for (const std::uint8_t V : S.Played)
        W.U8(V);
    for (const bool V : S.Won)
        W.U8(V ? 1 : 0);
}

TRaceSnapshot ReadSnapshot(TReader& R)
{
    TRaceSnapshot S;
    S.Decks = R.Range("the deck size", 1, 2);
    const int Target = S.Decks == 2 ? 51 : 25;
    S.Target = R.Range("the target", Target, Target);
    for (auto& Seat : S.Slots)
        for (std::uint8_t& Card : Seat)
            Card = R.Card(true);
    for (std::uint8_t& V : S.PileCount)
        V = R.Range("a pile's count", 0, Target);
    for (std::uint8_t& V : S.CentreTop)
        V = R.Card(true);
    for (std::uint8_t& V : S.CentreSize)
        V = R.Range("a centre pile's count", 0, 2 * (Target + 1));
    for (std::uint8_t& V : S.Played)
        V = R.Range("a count of played cards", 0, Target);
    for (bool& V : S.Won)
        V = R.Range("a won flag", 0, 1) == 1;
    return S;
}

void WritePlay(TWriter& W, const TPlayRequest& P)
{
    W.U8(P.Slot);
    W.U8(P.Centre);
    W.U8(P.Card);
}

TPlayRequest ReadPlay(TReader& R)
{
    TPlayRequest P;
    P.Slot = R.Range("a slot", 0, SlotCount - 1);
    P.Centre = R.Range("a centre pile", 0, CentrePiles - 1);
    P.Card = R.Card(false);
    return P;
}

TRaceEvent ReadEvent(TReader& R)
{
    TRaceEvent E;
    const std::uint8_t Kind = R.Range("an event", 1, 4);
    E.Kind = static_cast<TRaceEvent::TKind>(Kind);
    E.Seat = R.Range("a seat", 0, SeatCount - 1);
    const std::uint8_t Slot = R.U8();
    E.Slot = Slot == NoSlot ? -1 : static_cast<std::int8_t>(Slot);
    E.Centre = R.Range("a centre pile", 0, CentrePiles - 1);
    switch (E.Kind) {
    case TRaceEvent::TKind::Played:
    case TRaceEvent::TKind::Refilled:
        if (E.Slot < 0 || E.Slot >= SlotCount)
            R.Fail(QStringLiteral("a slot out of range (%1)").arg(Slot));
        E.Card = R.Card(false);
        break;
    case TRaceEvent::TKind::Turned:
        if (E.Slot >= SlotCount)
            R.Fail(QStringLiteral("a slot out of range (%1)").arg(Slot));
        E.Card = R.Card(false);
        break;
    case TRaceEvent::TKind::Won:
        if (E.Slot != -1)
            R.Fail(QStringLiteral("a slot in a win"));
        E.Card = R.Range("a card in a win", NoCard, NoCard);
        break;
    }
    return E;
}

} // namespace

QByteArray EncodeFrame(const TMessage& Message)
{
    return std::visit(
        [](const auto& M) -> QByteArray {
            using T = std::decay_t<decltype(M)>;
            if constexpr (std::is_same_v<T, THello>) {
                TWriter W(HelloType);
                W.U16(M.Version);
                W.Text(M.Name.left(MaxNameLength), MaxNameBytes);
                return W.Frame();
            } else if constexpr (std::is_same_v<T, TRefuse>) {
                TWriter W(RefuseType);
                W.Text(M.Reason, MaxReasonBytes);
                return W.Frame();
            } else if constexpr (std::is_same_v<T, THeartbeat>) {
                return TWriter(HeartbeatType).Frame();
            } else if constexpr (std::is_same_v<T, TDealt>) {
                TWriter W(DealtType);
                WriteSnapshot(W, M.Snapshot);
                return W.Frame();
            } else if constexpr (std::is_same_v<T, TReady>) {
                return TWriter(ReadyType).Frame();
            } else if constexpr (std::is_same_v<T, TPlayRequest>) {
                TWriter W(PlayRequestType);
                WritePlay(W, M);
                return W.Frame();
            } else if constexpr (std::is_same_v<T, TRefused>) {
                TWriter W(RefusedType);
                WritePlay(W, M.Request);
                return W.Frame();
            } else if constexpr (std::is_same_v<T, TEventMessage>) {
                TWriter W(EventType);
                W.U8(static_cast<std::uint8_t>(M.Event.Kind));
                W.U8(M.Event.Seat);
                W.U8(M.Event.Slot < 0 ? NoSlot : static_cast<std::uint8_t>(M.Event.Slot));
                W.U8(M.Event.Centre);
                W.U8(M.Event.Card);
                return W.Frame();
            } else if constexpr (std::is_same_v<T, TAgain>) {
                TWriter W(AgainType);
                W.U8(M.Yes ? 1 : 0);
                return W.Frame();
            } else {
                static_assert(std::is_same_v<T, TBye>);
                return TWriter(ByeType).Frame();
            }
        },
        Message);
}

std::optional<TMessage> DecodeBody(const QByteArray& Body, QString* Error)
{
    const auto Failed = [Error](const QString& Why) -> std::optional<TMessage> {
        if (Error)
            *Error = Why;
        return std::nullopt;
    };
    if (Body.isEmpty())
        return Failed(QStringLiteral("an empty message"));
    TReader R(Body);
    TMessage Message;
    switch (static_cast<std::uint8_t>(Body[0])) {
    case HelloType: {
        THello Hello;
        Hello.Version = R.U16();
        // Another version's hello may go on differently: its version is
        // all that is read, so that the mismatch can be named.
        if (R.Error().isEmpty() && Hello.Version != ProtocolVersion)
            return TMessage(Hello);
        Hello.Name = R.Text(MaxNameBytes);
        if (Hello.Name.size() > 2 * MaxNameLength)
            R.Fail(QStringLiteral("a name too long"));
        Message = Hello;
        break;
    }
    case RefuseType:
        Message = TRefuse{R.Text(MaxReasonBytes)};
        break;
    case HeartbeatType:
        Message = THeartbeat{};
        break;
    case DealtType:
        Message = TDealt{ReadSnapshot(R)};
        break;
    case ReadyType:
        Message = TReady{};
        break;
    case PlayRequestType:
        Message = ReadPlay(R);
        break;
    case RefusedType:
        Message = TRefused{ReadPlay(R)};
        break;
    case EventType:
        Message = TEventMessage{ReadEvent(R)};
        break;
    case AgainType:
        Message = TAgain{R.Range("an answer", 0, 1) == 1};
        break;
    case ByeType:
        Message = TBye{};
        break;
    default:
        return Failed(QStringLiteral("a message of an unknown type (%1)").arg(static_cast<std::uint8_t>(Body[0])));
    }
    if (!R.Done())
        return Failed(R.Error());
    return Message;
}

std::vector<TMessage> TFrameReader::Feed(const QByteArray& Bytes)
{
    std::vector<TMessage> Messages;
    if (Failed())
        return Messages;
    FBuffer.append(Bytes);
    qsizetype Pos = 0;
    while (FBuffer.size() - Pos >= 4) {
        const std::uint32_t Size = qFromBigEndian<std::uint32_t>(FBuffer.constData() + Pos);
        if (Size == 0 || Size > static_cast<std::uint32_t>(MaxFrameSize)) {
            FError = QStringLiteral("a message of %1 bytes").arg(Size);
            FBuffer.clear();
            return Messages;
        }
        if (FBuffer.size() - Pos - 4 < static_cast<qsizetype>(Size))
            break;
        QString Error;
        std::optional<TMessage> Message = DecodeBody(FBuffer.mid(Pos + 4, Size), &Error);
        if (!Message) {
            FError = Error;
            FBuffer.clear();
            return Messages;
        }
        Messages.push_back(std::move(*Message));
        Pos += 4 + Size;
    }
    FBuffer.remove(0, Pos);
    return Messages;
}

} // namespace network
