// The race's messages on the wire: every message comes back as it went, a
// stream cut anywhere or run together reads the same, and nothing out of
// range gets past the reader.
#include "network/racemessages.h"

#include <QCoreApplication>
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
        TRefuse{QStringLiteral("another version")},
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
    const QByteArray Body = QByteArray::fromHex("010002ffffff");
    const std::optional<TMessage> M = DecodeBody(Body);
    ASSERT_TRUE(M);
    EXPECT_EQ(std::get<THello>(*M).Version, 2);
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
        {"hello name longer than the message", "01000105414243"},
        {"hello name not UTF-8", "01000102c328"},
        {"hello name with a control character", "0100010341094a"},
        {"hello name over its bound", "010001" "51" "41414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141414141"},
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
    };
    for (const auto& c : cases) {
        QString Error;
        EXPECT_FALSE(DecodeBody(QByteArray::fromHex(c.hex), &Error)) << c.what;
        EXPECT_FALSE(Error.isEmpty()) << c.what;
    }
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
