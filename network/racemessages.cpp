#include "network/racemessages.h"

#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>
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
    ResumedType = 11,
};

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
    // A text already within its bounds (WireText), after its length.
    void Text(const QString& Value)
    {
        const QByteArray Bytes = Value.toUtf8();
        U8(static_cast<std::uint8_t>(std::min<qsizetype>(Bytes.size(), 0xFF)));
        FBody.append(Bytes);
    }
    void Raw(const QByteArray& Bytes) { FBody.append(Bytes); }
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
        if (!(Value == core::NoCard && MayBeNone) && (Value < core::MinCard || Value > core::MaxCard))
            Fail(QStringLiteral("not a card (%1)").arg(Value));
        return Value;
    }
    // A text as WireText leaves it, and only that: the writer's bounds, and
    // the one way of writing it in UTF-8.
    QString Text(int MaxLength, int MaxBytes)
    {
        const int Size = U8();
        if (!FError.isEmpty())
            return QString();
        if (FPos + Size > FBody.size()) {
            Fail(QStringLiteral("a text longer than its message"));
            return QString();
        }
        if (Size > MaxBytes) {
            Fail(QStringLiteral("a text of %1 bytes").arg(Size));
            return QString();
        }
        const QByteArray Bytes = FBody.mid(FPos, Size);
        FPos += Size;
        // A byte order mark at the start is a character like any other here
        // (and a forbidden one), not something to drop unseen.
        QStringDecoder Decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        const QString Value = Decoder(Bytes);
        // Overlong forms and encoded surrogates would let two bodies read
        // as one text: only the bytes the text is written as are taken.
        if (Decoder.hasError() || Value.toUtf8() != Bytes) {
            Fail(QStringLiteral("a text that is not UTF-8"));
            return QString();
        }
        if (!platform::IsCleanName(Value)) {
            Fail(QStringLiteral("a forbidden character in a text"));
            return QString();
        }
        if (platform::NameLength(Value) > MaxLength) {
            Fail(QStringLiteral("a text of more than %1 characters").arg(MaxLength));
            return QString();
        }
        return Value;
    }
    // One of the given values.
    std::uint8_t Choice(const char* What, std::initializer_list<int> Values)
    {
        const std::uint8_t Value = U8();
        if (FError.isEmpty() && std::find(Values.begin(), Values.end(), Value) == Values.end())
            Fail(QStringLiteral("%1 out of range (%2)").arg(QLatin1String(What)).arg(Value));
        return Value;
    }
    // Size bytes as they are.
    QByteArray Bytes(int Size)
    {
        if (!FError.isEmpty())
            return QByteArray();
        if (FPos + Size > FBody.size()) {
            Fail(QStringLiteral("a message ends early"));
            return QByteArray();
        }
        const QByteArray Value = FBody.mid(FPos, Size);
        FPos += Size;
        return Value;
    }
    // Everything left in the body.
    QByteArray Rest()
    {
        const QByteArray Bytes = FBody.mid(FPos);
        FPos = FBody.size();
        return Bytes;
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
    P.Slot = R.Range("a slot", 0, core::SlotCount - 1);
    P.Centre = R.Range("a centre pile", 0, core::CentrePiles - 1);
    P.Card = R.Card(false);
    return P;
}

TRaceEvent ReadEvent(TReader& R)
{
    TRaceEvent E;
    const std::uint8_t Kind = R.Range("an event", 1, 4);
    E.Kind = static_cast<TRaceEvent::TKind>(Kind);
    E.Seat = R.Range("a seat", 0, core::SeatCount - 1);
    // A slot or none (a turn from the pile, a win); no other byte, so that
    // every slot travels one way only.
    const std::uint8_t Slot = R.U8();
    if (Slot != NoSlot && Slot >= core::SlotCount)
        R.Fail(QStringLiteral("a slot out of range (%1)").arg(Slot));
    E.Slot = Slot == NoSlot ? -1 : static_cast<std::int8_t>(Slot);
    E.Centre = R.Range("a centre pile", 0, core::CentrePiles - 1);
    switch (E.Kind) {
    case TRaceEvent::TKind::Played:
    case TRaceEvent::TKind::Refilled:
        if (E.Slot < 0)
            R.Fail(QStringLiteral("a slot out of range (%1)").arg(Slot));
        E.Card = R.Card(false);
        break;
    case TRaceEvent::TKind::Turned:
        E.Card = R.Card(false);
        break;
    case TRaceEvent::TKind::Won:
        if (E.Slot != -1)
            R.Fail(QStringLiteral("a slot in a win"));
        E.Card = R.Range("a card in a win", core::NoCard, core::NoCard);
        break;
    }
    return E;
}

// The frame as the fields are, in range or not.
QByteArray Write(const TMessage& Message)
{
    return std::visit(
        [](const auto& M) -> QByteArray {
            using T = std::decay_t<decltype(M)>;
            if constexpr (std::is_same_v<T, THello>) {
                TWriter W(HelloType);
                W.U16(M.Version);
                if (M.Version == ProtocolVersion) {
                    W.Text(M.Name);
                    W.U8(static_cast<std::uint8_t>(std::min<qsizetype>(M.Token.size(), 0xFF)));
                    W.Raw(M.Token);
                } else
                    W.Raw(M.Unread);
                return W.Frame();
            } else if constexpr (std::is_same_v<T, TRefuse>) {
                TWriter W(RefuseType);
                W.Text(M.Reason);
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
            } else if constexpr (std::is_same_v<T, TResumed>) {
                TWriter W(ResumedType);
                WriteSnapshot(W, M.Snapshot);
                W.U8(static_cast<std::uint8_t>(M.Phase));
                W.U8(M.HostReady ? 1 : 0);
                W.U8(M.HostAgain ? 1 : 0);
                return W.Frame();
            } else {
                static_assert(std::is_same_v<T, TBye>);
                return TWriter(ByeType).Frame();
            }
        },
        Message);
}

// The message with its texts as they go on the wire.
TMessage WithWireTexts(const TMessage& Message)
{
    if (const auto* Hello = std::get_if<THello>(&Message); Hello && Hello->Version == ProtocolVersion)
        return THello{Hello->Version, WireText(Hello->Name, MaxNameLength, MaxNameBytes), Hello->Token, Hello->Unread};
    if (const auto* Refuse = std::get_if<TRefuse>(&Message))
        return TRefuse{WireText(Refuse->Reason, MaxReasonLength, MaxReasonBytes)};
    return Message;
}

} // namespace

QString WireText(const QString& Text, int MaxLength, int MaxBytes)
{
    // Cleaned first: a character made a space may part what was one.
    QString Cut = platform::CutName(platform::CleanName(Text), MaxLength);
    for (int Length = platform::NameLength(Cut); Cut.toUtf8().size() > MaxBytes;)
        Cut = platform::CutName(Cut, --Length);
    return Cut;
}

QByteArray EncodeFrame(const TMessage& Message)
{
    const TMessage Wire = WithWireTexts(Message);
    const QByteArray Frame = Write(Wire);
    // The reader is the one judge of range: a message that would not read
    // back as itself is not written at all, so the two never disagree.
    if (Frame.size() > 4 + MaxFrameSize)
        return QByteArray();
    const std::optional<TMessage> Back = DecodeBody(Frame.mid(4));
    if (!Back || !(*Back == Wire))
        return QByteArray();
    return Frame;
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
        if (R.Error().isEmpty() && Hello.Version != ProtocolVersion) {
            Hello.Unread = R.Rest();
            return TMessage(Hello);
        }
        Hello.Name = R.Text(MaxNameLength, MaxNameBytes);
        Hello.Token = R.Bytes(R.Choice("a token's size", {0, TokenSize}));
        Message = Hello;
        break;
    }
    case RefuseType:
        Message = TRefuse{R.Text(MaxReasonLength, MaxReasonBytes)};
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
    case ResumedType: {
        TResumed Resumed;
        Resumed.Snapshot = ReadSnapshot(R);
        Resumed.Phase = static_cast<TResumed::TPhase>(R.Range("a phase", 0, 2));
        Resumed.HostReady = R.Range("a ready", 0, 1) == 1;
        Resumed.HostAgain = R.Range("an answer", 0, 1) == 1;
        Message = Resumed;
        break;
    }
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
