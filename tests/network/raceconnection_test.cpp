// Two ends of a race over the loopback in one process: the handshake with
// both names, messages both ways, and every way a connection can end (the
// peer leaves, closes, goes silent, speaks another version or sends what
// cannot be read, a second guest comes) ending in one clear message, never
// a hang.
#include "network/raceserver.h"
#include "raceloopback.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace network;
using racetest::TEnd;
using racetest::WaitFor;

constexpr TRaceConnection::TTimings Quick{50, 400, 300};

class RaceConnectionTest : public ::testing::Test {
protected:
    TRaceServer Server{QStringLiteral("Hostess"), Quick};
    TRaceConnection* Host = nullptr;
    TEnd HostEnd;

    void SetUp() override
    {
        QString Error;
        ASSERT_TRUE(Server.Listen(0, &Error)) << Error.toStdString();
        QObject::connect(&Server, &TRaceServer::Joined, &Server, [this](TRaceConnection* C) {
            Host = C;
            HostEnd.Opened = C->PeerName();
            QObject::connect(C, &TRaceConnection::Lost, C, [this](const QString& Why) { HostEnd.Lost << Why; });
            QObject::connect(C, &TRaceConnection::Received, C, [this](const TMessage& M) { HostEnd.Received.push_back(M); });
            C->Deliver();
        });
    }

    // A guest of ours, joined and opened.
    std::unique_ptr<TRaceConnection> Join(TEnd& End, const QString& Name = QStringLiteral("Guest"), bool Listening = true)
    {
        std::unique_ptr<TRaceConnection> Guest(JoinRace(QStringLiteral("127.0.0.1"), Server.Port(), Name, Quick));
        End.Watch(Guest.get(), Listening);
        EXPECT_TRUE(WaitFor([&] { return !End.Opened.isEmpty() && Host; }));
        return Guest;
    }

    // A peer that is not ours: a raw socket.
    std::unique_ptr<QTcpSocket> Raw()
    {
        auto Socket = std::make_unique<QTcpSocket>();
        Socket->connectToHost(QStringLiteral("127.0.0.1"), Server.Port());
        EXPECT_TRUE(Socket->waitForConnected(3000));
        return Socket;
    }
};

TEST_F(RaceConnectionTest, TheHandshakeNamesBothAndMessagesGoBothWays)
{
    TEnd GuestEnd;
    auto Guest = Join(GuestEnd, QStringLiteral("Zoë"));
    EXPECT_EQ(GuestEnd.Opened, QStringLiteral("Hostess"));
    EXPECT_EQ(HostEnd.Opened, QStringLiteral("Zoë"));
    EXPECT_FALSE(Server.Listening()) << "nobody else can join a race that has begun";

    Guest->Send(TPlayRequest{1, 0, 17});
    Host->Send(TEventMessage{{TRaceEvent::TKind::Played, 1, 1, 0, 17}});
    ASSERT_TRUE(WaitFor([&] { return !HostEnd.Received.empty() && !GuestEnd.Received.empty(); }));
    EXPECT_TRUE(HostEnd.Received[0] == TMessage(TPlayRequest{1, 0, 17}));
    EXPECT_TRUE(GuestEnd.Received[0] == TMessage(TEventMessage{{TRaceEvent::TKind::Played, 1, 1, 0, 17}}));

    // Idle for longer than the silence allowed: the heartbeats keep it open,
    // and they are not passed on as messages.
    WaitFor([] { return false; }, 3 * Quick.SilenceMs);
    EXPECT_TRUE(Guest->Open());
    EXPECT_TRUE(Host->Open());
    EXPECT_EQ(HostEnd.Received.size(), 1u);
    EXPECT_TRUE(GuestEnd.Lost.isEmpty() && HostEnd.Lost.isEmpty());
}

TEST_F(RaceConnectionTest, WhatComesBeforeItsReceiverListensWaitsForIt)
{
    // The host may deal before the guest's race exists: nothing is lost,
    // and what waited comes first, in order.
    TEnd GuestEnd;
    auto Guest = Join(GuestEnd, QStringLiteral("Bo"), false);
    Host->Send(TReady{});
    Host->Send(TAgain{true});
    WaitFor([] { return false; }, 100);
    EXPECT_TRUE(GuestEnd.Received.empty());
    Guest->Deliver();
    Host->Send(TAgain{false});
    ASSERT_TRUE(WaitFor([&] { return GuestEnd.Received.size() == 3; }));
    EXPECT_TRUE(GuestEnd.Received[0] == TMessage(TReady{}));
    EXPECT_TRUE(GuestEnd.Received[1] == TMessage(TAgain{true}));
    EXPECT_TRUE(GuestEnd.Received[2] == TMessage(TAgain{false}));
}

TEST_F(RaceConnectionTest, AGoodbyeOrAClosedSocketEndsItWithAMessage)
{
    {
        TEnd GuestEnd;
        auto Guest = Join(GuestEnd);
        Guest->Close();
        ASSERT_TRUE(WaitFor([&] { return !HostEnd.Lost.isEmpty(); }));
        EXPECT_EQ(HostEnd.Lost, QStringList{QStringLiteral("Guest left the race.")});
        EXPECT_TRUE(GuestEnd.Lost.isEmpty()) << "our own close is no loss";
    }
    // The host's side goes away without a word: the guest is told.
    TRaceServer Other(QStringLiteral("Other"), Quick);
    ASSERT_TRUE(Other.Listen(0));
    TRaceConnection* OtherHost = nullptr;
    QObject::connect(&Other, &TRaceServer::Joined, &Other, [&](TRaceConnection* C) { OtherHost = C; });
    TEnd GuestEnd;
    std::unique_ptr<TRaceConnection> Guest(JoinRace(QStringLiteral("127.0.0.1"), Other.Port(), QStringLiteral("G"), Quick));
    GuestEnd.Watch(Guest.get());
    ASSERT_TRUE(WaitFor([&] { return OtherHost && Guest->Open(); }));
    delete OtherHost; // its socket closes with it
    ASSERT_TRUE(WaitFor([&] { return !GuestEnd.Lost.isEmpty(); }));
    // Its socket closed without a goodbye: the guest cannot tell whether the
    // host left or gave up on it, and blames no one.
    EXPECT_EQ(GuestEnd.Lost, QStringList{QStringLiteral("The connection to Other was lost.")});
}

TEST_F(RaceConnectionTest, ASilentPeerIsGivenUp)
{
    // A host that is not ours: it accepts and never says hello.
    QTcpServer Mute;
    ASSERT_TRUE(Mute.listen(QHostAddress::LocalHost));
    TEnd GuestEnd;
    std::unique_ptr<TRaceConnection> Guest(JoinRace(QStringLiteral("127.0.0.1"), Mute.serverPort(), QStringLiteral("G"), Quick));
    GuestEnd.Watch(Guest.get());
    ASSERT_TRUE(WaitFor([&] { return !GuestEnd.Lost.isEmpty(); }));
    EXPECT_EQ(GuestEnd.Lost, QStringList{QStringLiteral("The other player did not answer.")});

    // A guest that says hello and then nothing, not even a heartbeat.
    auto Socket = Raw();
    Socket->write(EncodeFrame(THello{ProtocolVersion, QStringLiteral("Sleepy")}));
    ASSERT_TRUE(WaitFor([&] { return Host != nullptr; }));
    EXPECT_EQ(HostEnd.Opened, QStringLiteral("Sleepy"));
    ASSERT_TRUE(WaitFor([&] { return !HostEnd.Lost.isEmpty(); }));
    EXPECT_EQ(HostEnd.Lost, QStringList{QStringLiteral("Sleepy stopped answering.")});
}

TEST_F(RaceConnectionTest, AnotherVersionIsNamedOnBothSides)
{
    // What another version says after its version is its own affair.
    const QByteArray FutureName = QByteArrayLiteral("\x06" "Future");
    auto Socket = Raw();
    Socket->write(EncodeFrame(THello{3, {}, {}, FutureName}));
    ASSERT_TRUE(WaitFor([&] { return Socket->bytesAvailable() > 0 || Socket->state() != QAbstractSocket::ConnectedState; }));
    WaitFor([&] { return Socket->state() != QAbstractSocket::ConnectedState; }, 1000);
    TFrameReader Reader;
    const std::vector<TMessage> Got = Reader.Feed(Socket->readAll());
    // The refusal with our version, and not our hello: a host says who it
    // is only to a guest it lets in.
    ASSERT_EQ(Got.size(), 1u);
    ASSERT_TRUE(std::holds_alternative<TRefuse>(Got[0]));
    EXPECT_EQ(std::get<TRefuse>(Got[0]).Reason, QStringLiteral("this host speaks version 2"));
    EXPECT_FALSE(Host);

    // And a guest of ours that meets a host of another version.
    QTcpServer Future;
    ASSERT_TRUE(Future.listen(QHostAddress::LocalHost));
    TEnd GuestEnd;
    std::unique_ptr<TRaceConnection> Guest(JoinRace(QStringLiteral("127.0.0.1"), Future.serverPort(), QStringLiteral("G"), Quick));
    GuestEnd.Watch(Guest.get());
    ASSERT_TRUE(WaitFor([&] { return Future.hasPendingConnections(); }));
    QTcpSocket* Peer = Future.nextPendingConnection();
    Peer->write(EncodeFrame(THello{7, {}, {}, FutureName}));
    ASSERT_TRUE(WaitFor([&] { return !GuestEnd.Lost.isEmpty(); }));
    EXPECT_EQ(GuestEnd.Lost, QStringList{QStringLiteral("The other player's Velto races by version 7 of the rules for "
                                                        "two, this one by version 2. Both need the same version.")});
}

TEST_F(RaceConnectionTest, WhatCannotBeReadClosesTheConnection)
{
    const struct {
        const char* what;
        QByteArray bytes;
        const char* lost;
    } cases[] = {
        {"no hello first", EncodeFrame(TReady{}), "The other player did not say hello first."},
        {"an unknown type", QByteArray::fromHex("0000000163"),
         "The other player sent something Velto cannot read (a message of an unknown type (99))."},
        {"a frame of 4 GB", QByteArray::fromHex("ffffffff"),
         "The other player sent something Velto cannot read (a message of 4294967295 bytes)."},
        {"a second hello", EncodeFrame(THello{ProtocolVersion, QStringLiteral("A")}) + EncodeFrame(THello{ProtocolVersion, QStringLiteral("B")}),
         "The other player said hello twice."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTcpServer Evil;
        ASSERT_TRUE(Evil.listen(QHostAddress::LocalHost));
        TEnd GuestEnd;
        std::unique_ptr<TRaceConnection> Guest(JoinRace(QStringLiteral("127.0.0.1"), Evil.serverPort(), QStringLiteral("G"), Quick));
        GuestEnd.Watch(Guest.get());
        ASSERT_TRUE(WaitFor([&] { return Evil.hasPendingConnections(); }));
        QTcpSocket* Peer = Evil.nextPendingConnection();
        Peer->write(c.bytes);
        ASSERT_TRUE(WaitFor([&] { return !GuestEnd.Lost.isEmpty(); }));
        EXPECT_EQ(GuestEnd.Lost, QStringList{QString::fromUtf8(c.lost)});
        EXPECT_TRUE(GuestEnd.Received.empty());
        EXPECT_TRUE(WaitFor([&] { return Peer->state() == QAbstractSocket::UnconnectedState; }))
            << "the connection is closed";
    }
}

TEST_F(RaceConnectionTest, ASecondGuestIsTurnedAway)
{
    TEnd First;
    auto Guest = Join(First);
    // The server stopped listening once the race began; a server that is
    // still listening (the two hellos crossing) turns the second away.
    EXPECT_FALSE(Server.Listening());
    TEnd Second;
    std::unique_ptr<TRaceConnection> Late(JoinRace(QStringLiteral("127.0.0.1"), Server.Port(), QStringLiteral("Late"), Quick));
    Second.Watch(Late.get());
    ASSERT_TRUE(WaitFor([&] { return !Second.Lost.isEmpty(); }));
    EXPECT_TRUE(Guest->Open());
}

TEST(RaceAddress, HostAndPort)
{
    const struct {
        const char* text;
        bool ok;
        const char* host;
        quint16 port;
    } cases[] = {
        {"127.0.0.1", true, "127.0.0.1", DefaultPort},
        {"127.0.0.1:5000", true, "127.0.0.1", 5000},
        {" box.local:1 ", true, "box.local", 1},
        {"[::1]", true, "::1", DefaultPort},
        {"[::1]:6000", true, "::1", 6000},
        {"fe80::1", true, "fe80::1", DefaultPort},
        {"", false, "", 0},
        {":5000", false, "", 0},
        {"host:0", false, "", 0},
        {"host:65536", false, "", 0},
        {"host:port", false, "", 0},
        {"[::1", false, "", 0},
        {"[::1]5000", false, "", 0},
        {"two words", false, "", 0},
    };
    for (const auto& c : cases) {
        QString Host;
        quint16 Port = 0;
        EXPECT_EQ(ParseAddress(QString::fromLatin1(c.text), Host, Port), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(Host, QString::fromLatin1(c.host)) << c.text;
            EXPECT_EQ(Port, c.port) << c.text;
        }
    }
    EXPECT_FALSE(LocalAddresses().isEmpty());
}

} // namespace
