// The race's messages on the wire: every message comes back as it went, a
// stream cut anywhere or run together reads the same, and nothing out of
// range gets past the reader.
#include "network/racemessages.h"

#include <QCoreApplication>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

using namespace network;

TRaceSnapshot SomeSnapshot()
{
    TRaceSnapshot S;
    S.Decks = 2;
    S.Target = 51;
    S.Slots = {{{2, 53, 0, 17}, {41, 0, 0, 9}}};
    S.PileCount = {47, 12};
    S.CentreTop = {14, 30};
    S.CentreSize = {1, 104};
    S.Played = {0, 51};
    S.Won = {false, true};
    return S;
}

std::vector<TMessage> EveryKind()
{
    return {
        THello{ProtocolVersion, QStringLiteral("Zoë 🂡 from Zürich")},
        THello{ProtocolVersion, QString()},
        THello{ProtocolVersion, QStringLiteral("Twenty characters ok")},
        THello{ProtocolVersion, QStringLiteral("Ann"), QByteArray(TokenSize, '\x5a')},
        THello{3, {}, {}, QByteArray::fromHex("ffff00")},
        THello{0xFFFF, {}, {}},
        TRefuse{QStringLiteral("another version")},
        TRefuse{QString()},
        THeartbeat{},
        TDealt{SomeSnapshot()},
        TDealt{TRaceSnapshot{1, 25, {}, {21, 21}, {5, 6}, {1, 1}, {0, 0}, {false, false}}},
        TReady{},
        TPlayRequest{3, 1, 53},
        TRefused{TPlayRequest{0, 0, 2}},
        TEventMessage{{TRaceEvent::TKind::Played, 1, 2, 0, 27}},
        TEventMessage{{TRaceEvent::TKind::Refilled, 0, 0, 0, 40}},
        TEventMessage{{TRaceEvent::TKind::Turned, 1, -1, 1, 14}},
        TEventMessage{{TRaceEvent::TKind::Turned, 0, 3, 0, 15}},
        TEventMessage{{TRaceEvent::TKind::Turned, 1, 0, 1, 2}},
        TEventMessage{{TRaceEvent::TKind::Won, 1, -1, 0, 0}},
        TAgain{true},
        TAgain{false},
        TBye{},
    };
}

TEST(RaceMessages, EveryMessageComesBackAsItWent)
{
    for (const TMessage& M : EveryKind()) {
        const QByteArray Frame = EncodeFrame(M);
        ASSERT_GE(Frame.size(), 5);
        EXPECT_LE(Frame.size(), 4 + MaxFrameSize);
        QString Error;
        const std::optional<TMessage> Back = DecodeBody(Frame.mid(4), &Error);
        ASSERT_TRUE(Back) << Error.toStdString();
        EXPECT_TRUE(*Back == M) << "message kind " << M.index();
    }
}

TEST(RaceMessages, AStreamReadsTheSameWhereverItIsCut)
{
    QByteArray Stream;
    for (const TMessage& M : EveryKind())
        Stream += EncodeFrame(M);
    for (const int Piece : {1, 2, 3, 5, 7, 64, 1000}) {
        TFrameReader Reader;
        std::vector<TMessage> Read;
        for (qsizetype At = 0; At < Stream.size(); At += Piece)
            for (TMessage& M : Reader.Feed(Stream.mid(At, Piece)))
                Read.push_back(std::move(M));
        EXPECT_FALSE(Reader.Failed()) << Reader.Error().toStdString();
        EXPECT_EQ(Reader.Pending(), 0);
        EXPECT_TRUE(Read == EveryKind()) << "pieces of " << Piece;
    }
}

TEST(RaceMessages, NamesAndReasonsAreCutToTheirBounds)
{
    const QString Long(300, QChar(u'é'));
    const auto Name = std::get<THello>(*DecodeBody(EncodeFrame(THello{ProtocolVersion, Long}).mid(4))).Name;
    EXPECT_EQ(Name, Long.left(MaxNameLength));
    // Cut at a character, never inside one: 🂡 is two UTF-16 units.
    QString Cards;
    for (int I = 0; I < 60; ++I)
        Cards += QStringLiteral("🂡");
    const auto Reason = std::get<TRefuse>(*DecodeBody(EncodeFrame(TRefuse{Cards}).mid(4))).Reason;
    EXPECT_TRUE(Cards.startsWith(Reason));
    EXPECT_EQ(Reason.size() % 2, 0);
    EXPECT_LE(Reason.toUtf8().size(), 200);
}

// Another version's hello is read as far as its version, whatever follows,
// so that the mismatch can be named.
TEST(RaceMessages, AnotherVersionsHelloGivesItsVersion)
{
    const QByteArray Body = QByteArray::fromHex("010001ffffff");
    const std::optional<TMessage> M = DecodeBody(Body);
    ASSERT_TRUE(M);
    EXPECT_EQ(std::get<THello>(*M).Version, 1);
}

TEST(RaceMessages, BadBodiesAreRefusedWithAReason)
{
    const struct {
        const char* what;
        const char* hex;
    } cases[] = {
        {"empty", ""},
        {"unknown type", "63"},
        {"type zero", "00"},
        {"hello cut short", "0100"},
        {"hello name longer than the message", "01000205414243"},
        {"hello name not UTF-8", "01000202c328"},
        {"hello name with a control character", "0100020341094a"},
        {"hello name over its bound", "010002" "51" "41414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141"},
        {"heartbeat with a body", "0300"},
        {"a deal of three decks", "04" "03" "4b" "0000000000000000" "0000" "0000" "0000" "0000" "0000"},
        {"a target that is not the deck's", "04" "01" "33" "0000000000000000" "0000" "0000" "0000" "0000" "0000"},
        {"a slot holding a joker", "04" "01" "19" "3600000000000000" "0000" "0000" "0000" "0000" "0000"},
        {"a pile longer than the target", "04" "01" "19" "0000000000000000" "1a00" "0000" "0000" "0000" "0000"},
        {"a won flag of 2", "04" "01" "19" "0000000000000000" "0000" "0000" "0000" "0000" "0200"},
        {"a deal cut short", "04" "01" "19" "00000000"},
        {"a play from slot 4", "06" "04" "00" "02"},
        {"a play onto pile 2", "06" "00" "02" "02"},
        {"a play of no card", "06" "00" "00" "00"},
        {"a play of card 54", "06" "00" "00" "36"},
        {"a play with a byte more", "06" "00" "00" "02" "00"},
        {"an event of kind 5", "08" "05" "00" "ff" "00" "00"},
        {"a played event without a slot", "08" "01" "00" "ff" "00" "02"},
        {"a refill of no card", "08" "02" "00" "00" "00" "00"},
        {"a turn from slot 7", "08" "03" "00" "07" "00" "02"},
        {"a win with a card", "08" "04" "00" "ff" "00" "02"},
        {"a win with a slot", "08" "04" "00" "00" "00" "00"},
        {"an event of seat 2", "08" "01" "02" "00" "00" "02"},
        {"an answer of 2", "0902"},
        // Only what the writer writes: no other byte for a slot, no other
        // form of a text, nothing a name may not hold.
        {"a turn from slot 0x80", "08" "03" "00" "80" "00" "02"},
        {"a turn from slot 0xfe", "08" "03" "00" "fe" "00" "02"},
        {"a refill from slot 0x80", "08" "02" "00" "80" "00" "02"},
        {"a name of 21 characters", "010002" "15" "414141414141414141414141414141414141414141"},
        {"a name of 21 accented letters", "010002" "2a" "c3a9c3a9c3a9c3a9c3a9c3a9c3a9c3a9c3a9c3a9c3a9c3a9c3a9c3a9c3a9c3a9c3a9c3a9c3a9c3a9c3a9"},
        {"a name of one letter and 81 bytes", "010002" "51" "41" "cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81cc81"},
        {"a name with a right-to-left override", "010002" "05" "41e280ae42"},
        {"a name with a zero-width space", "010002" "05" "41e2808b42"},
        {"a name with a soft hyphen", "010002" "04" "41c2ad42"},
        {"a name behind a byte order mark", "010002" "04" "efbbbf41"},
        {"a name with an overlong NUL", "010002" "03" "41c080"},
        {"a name with an encoded surrogate", "010002" "04" "41eda080"},
        {"a name with a noncharacter", "010002" "04" "41efbfbf"},
        {"a name with DEL", "010002" "02" "417f"},
        {"a token of 5 bytes", "010002" "00" "05" "0102030405"},
        {"a token cut short", "010002" "00" "10" "0102"},
        {"bytes after the token", "010002" "00" "00" "41"},
        {"a reason with a bidirectional isolate", "02" "05" "41e281a642"},
        {"a reason with a newline", "02" "03" "410a42"},
        {"a reason of 101 characters", "02" "65" "41414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141"},
        {"a reason of 201 bytes", "02" "c9" "e282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ace282ac"},
    };
    for (const auto& c : cases) {
        QString Error;
        EXPECT_FALSE(DecodeBody(QByteArray::fromHex(c.hex), &Error)) << c.what;
        EXPECT_FALSE(Error.isEmpty()) << c.what;
    }
}

// A body that reads as a message is the very body that message is written
// as: no two bodies mean the same, and what is passed on is what came.
TEST(RaceMessages, EveryBodyReadIsTheBodyWritten)
{
    const struct {
        const char* what;
        const char* hex;
    } cases[] = {
        {"a hello without a name", "010002" "00" "00"},
        {"a name of 20 characters", "010002" "14" "4141414141414141414141414141414141414141" "00"},
        {"a name of 20 cards, 80 bytes", "010002" "50" "f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1f09f82a1" "00"},
        {"a name of 10 flags", "010002" "50" "f09f87a9f09f87aaf09f87a9f09f87aaf09f87a9f09f87aaf09f87a9f09f87aaf09f87a9f09f87aaf09f87a9f09f87aaf09f87a9f09f87aaf09f87a9f09f87aaf09f87a9f09f87aaf09f87a9f09f87aa" "00"},
        {"a name with no-break spaces", "010002" "04" "41c2a042" "00"},
        {"a hello with its seat's token", "010002" "03" "416e6e" "10" "00112233445566778899aabbccddeeff"},
        {"another version's hello, nothing after", "010001"},
        {"another version's hello, anything after", "010003ffffff"},
        {"an empty reason", "0200"},
        {"a turn from the pile", "08" "03" "00" "ff" "01" "02"},
        {"a turn from slot 3", "08" "03" "01" "03" "00" "0e"},
        {"a win", "08" "04" "01" "ff" "01" "00"},
        {"a deal", "04" "01" "19" "0235000000000000" "1515" "0506" "0101" "0000" "0000"},
        {"an answer", "0901"},
    };
    for (const auto& c : cases) {
        const QByteArray Body = QByteArray::fromHex(c.hex);
        QString Error;
        const std::optional<TMessage> M = DecodeBody(Body, &Error);
        ASSERT_TRUE(M) << c.what << ": " << Error.toStdString();
        const QByteArray Frame = EncodeFrame(*M);
        EXPECT_EQ(Frame.mid(4).toHex(), Body.toHex()) << c.what;
        EXPECT_EQ(qFromBigEndian<std::uint32_t>(Frame.constData()), static_cast<std::uint32_t>(Body.size())) << c.what;
    }
}

// A message the reader would refuse or read as another is not written at
// all: a guest would take a slot of -2 as a turn from the pile.
TEST(RaceMessages, WhatTheReaderWouldNotTakeIsNeverWritten)
{
    using K = TRaceEvent::TKind;
    TRaceSnapshot ThreeDecks = SomeSnapshot();
    ThreeDecks.Decks = 3;
    TRaceSnapshot WrongTarget = SomeSnapshot();
    WrongTarget.Target = 25;
    TRaceSnapshot Joker = SomeSnapshot();
    Joker.CentreTop[0] = 54;
    const struct {
        const char* what;
        TMessage message;
    } cases[] = {
        {"a turn from slot -2", TEventMessage{{K::Turned, 0, -2, 0, 14}}},
        {"a turn from slot -128", TEventMessage{{K::Turned, 0, -128, 0, 14}}},
        {"a turn from slot 4", TEventMessage{{K::Turned, 0, 4, 0, 14}}},
        {"a play from the pile", TEventMessage{{K::Played, 0, -1, 0, 14}}},
        {"a win from a slot", TEventMessage{{K::Won, 0, 1, 0, 0}}},
        {"a win with a card", TEventMessage{{K::Won, 0, -1, 0, 5}}},
        {"an event of kind 9", TEventMessage{{static_cast<K>(9), 0, 0, 0, 2}}},
        {"an event of seat 2", TEventMessage{{K::Played, 2, 0, 0, 2}}},
        {"an event onto pile 2", TEventMessage{{K::Played, 0, 0, 2, 2}}},
        {"a play from slot 4", TPlayRequest{4, 0, 2}},
        {"a play of no card", TPlayRequest{0, 0, 0}},
        {"a refusal of card 54", TRefused{TPlayRequest{0, 1, 54}}},
        {"a deal of three decks", TDealt{ThreeDecks}},
        {"a deal with another target", TDealt{WrongTarget}},
        {"a deal with a joker on top", TDealt{Joker}},
        {"our hello with a token of one byte", THello{ProtocolVersion, QStringLiteral("Ann"), QByteArray("x")}},
        {"our hello with bytes after the token", THello{ProtocolVersion, QStringLiteral("Ann"), {}, QByteArray("x")}},
        {"a name in another version's hello", THello{3, QStringLiteral("Future"), {}, {}}},
        {"a token in another version's hello", THello{3, {}, QByteArray(TokenSize, 'x'), {}}},
        {"another version's hello over a frame", THello{3, {}, {}, QByteArray(MaxFrameSize, 'x')}},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(EncodeFrame(c.message).isEmpty()) << c.what;
}

// Our own texts go cleaned and cut, so a peer never refuses them, and read
// back as the cleaned text exactly.
TEST(RaceMessages, OurTextsGoCleanAndWithinTheirBounds)
{
    const auto Repeat = [](const QString& Piece, int Times) {
        QString Text;
        for (int I = 0; I < Times; ++I)
            Text += Piece;
        return Text;
    };
    const struct {
        const char* what;
        QString name;
        QString sent;
    } cases[] = {
        {"a plain name", QStringLiteral("Ann"), QStringLiteral("Ann")},
        {"a right-to-left override", QStringLiteral("Ann") + QChar(0x202E) + QStringLiteral("gnp.exe"), QStringLiteral("Ann gnp.exe")},
        {"a zero-width space", QStringLiteral("A\u200BB"), QStringLiteral("A B")},
        {"a byte order mark", QStringLiteral("\uFEFFAnn"), QStringLiteral(" Ann")},
        {"a tab", QStringLiteral("Tab	here"), QStringLiteral("Tab here")},
        {"a lone surrogate", QString(QChar(0xD800)) + u'x', QStringLiteral(" x")},
        {"a joined emoji, parted", QStringLiteral("👩\u200D💻"), QStringLiteral("👩 💻")},
        {"25 accented letters", Repeat(QStringLiteral("é"), 25), Repeat(QStringLiteral("é"), 20)},
        {"25 combining sequences", Repeat(QStringLiteral("e\u0301"), 25), Repeat(QStringLiteral("e\u0301"), 20)},
        {"30 cards", Repeat(QStringLiteral("🂡"), 30), Repeat(QStringLiteral("🂡"), 20)},
        {"12 flags, 8 bytes each", Repeat(QStringLiteral("🇩🇪"), 12), Repeat(QStringLiteral("🇩🇪"), 10)},
        {"one letter of 101 bytes", u'A' + Repeat(QStringLiteral("\u0301"), 50), QString()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WireText(c.name, MaxNameLength, MaxNameBytes), c.sent) << c.what;
        const QByteArray Frame = EncodeFrame(THello{ProtocolVersion, c.name});
        ASSERT_FALSE(Frame.isEmpty()) << c.what;
        const std::optional<TMessage> Back = DecodeBody(Frame.mid(4));
        ASSERT_TRUE(Back) << c.what;
        EXPECT_EQ(std::get<THello>(*Back).Name, c.sent) << c.what;
    }
    const std::optional<TMessage> Reason = DecodeBody(EncodeFrame(TRefuse{QString(150, u'a') + u'\n'}).mid(4));
    ASSERT_TRUE(Reason);
    EXPECT_EQ(std::get<TRefuse>(*Reason).Reason, QString(MaxReasonLength, u'a'));
    EXPECT_EQ(WireText(QStringLiteral("why\nnot"), MaxReasonLength, MaxReasonBytes), QStringLiteral("why not"));
}

TEST(RaceMessages, TheReaderStopsAtTheFirstBadFrame)
{
    const struct {
        const char* what;
        QByteArray stream;
    } cases[] = {
        {"a length of zero", QByteArray::fromHex("00000000")},
        {"a frame over the bound", QByteArray::fromHex("00000101")},
        {"a length near 4 GB", QByteArray::fromHex("ffffffff01")},
        {"a bad body", QByteArray::fromHex("0000000163")},
    };
    for (const auto& c : cases) {
        TFrameReader Reader;
        const std::vector<TMessage> Before = Reader.Feed(EncodeFrame(THeartbeat{}) + c.stream);
        EXPECT_EQ(Before.size(), 1u) << c.what; // what came before the fault still counts
        EXPECT_TRUE(Reader.Failed()) << c.what;
        EXPECT_TRUE(Reader.Feed(EncodeFrame(TBye{})).empty()) << c.what;
        EXPECT_EQ(Reader.Pending(), 0) << c.what;
    }
    // A frame that is only begun is neither a message nor a fault.
    TFrameReader Reader;
    EXPECT_TRUE(Reader.Feed(QByteArray::fromHex("000000")).empty());
    EXPECT_FALSE(Reader.Failed());
    EXPECT_EQ(Reader.Pending(), 3);
}

} // namespace
