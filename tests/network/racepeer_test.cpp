// Peers that do not play fair, over the loopback: one that never reads what
// it is sent, floods, trickles its hello a byte at a time or opens many
// connections and says nothing. Each is dropped with a plain message, and
// what it makes this side hold stays bounded.
#include "network/raceserver.h"
#include "raceloopback.h"

#include <QTcpSocket>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using namespace network;
using racetest::TEnd;
using racetest::WaitFor;

// Timings that leave the hello and the silence out of the way.
constexpr TRaceConnection::TTimings Patient{1000, 60000, 60000};
constexpr TRaceConnection::TTimings Quick{50, 400, 300};

// A host of ours and what it saw of its guest.
struct THosting {
    TRaceServer Server;
    TRaceConnection* Host = nullptr;
    TEnd HostEnd;
    explicit THosting(TRaceConnection::TTimings Timings)
        : Server(QStringLiteral("Hostess"), Timings)
    {
        EXPECT_TRUE(Server.Listen(0));
        QObject::connect(&Server, &TRaceServer::Joined, &Server, [this](TRaceConnection* C) {
            Host = C;
            HostEnd.Opened = C->PeerName();
            HostEnd.Watch(C);
        });
    }
};

std::unique_ptr<QTcpSocket> Raw(quint16 Port)
{
    auto Socket = std::make_unique<QTcpSocket>();
    Socket->connectToHost(QStringLiteral("127.0.0.1"), Port);
    EXPECT_TRUE(Socket->waitForConnected(3000));
    return Socket;
}

QByteArray Hello(const QString& Name)
{
    return EncodeFrame(THello{ProtocolVersion, Name});
}

// A peer that sends and never reads: a plain socket with a small receive
// buffer, so that what is sent to it backs up soon.
class TDeafPeer {
public:
    explicit TDeafPeer(quint16 Port)
        : FFd(::socket(AF_INET, SOCK_STREAM, 0))
    {
        const int Small = 4096;
        ::setsockopt(FFd, SOL_SOCKET, SO_RCVBUF, &Small, sizeof Small);
        sockaddr_in Address{};
        Address.sin_family = AF_INET;
        Address.sin_port = htons(Port);
        Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        FConnected = ::connect(FFd, reinterpret_cast<const sockaddr*>(&Address), sizeof Address) == 0;
        ::fcntl(FFd, F_SETFL, ::fcntl(FFd, F_GETFL) | O_NONBLOCK);
    }
    ~TDeafPeer() { ::close(FFd); }
    TDeafPeer(const TDeafPeer&) = delete;
    TDeafPeer& operator=(const TDeafPeer&) = delete;

    bool Connected() const { return FConnected; }
    // Sends what the line takes now and keeps the rest for later; false once
    // the other side has dropped the connection.
    bool Send(const QByteArray& Bytes)
    {
        FPending += Bytes;
        while (!FPending.isEmpty()) {
            const ssize_t Sent = ::send(FFd, FPending.constData(), static_cast<size_t>(FPending.size()), MSG_NOSIGNAL);
            if (Sent < 0)
                return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
            FPending.remove(0, Sent);
        }
        return true;
    }
    qsizetype Pending() const { return FPending.size(); }

private:
    int FFd;
    bool FConnected = false;
    QByteArray FPending;
};

TEST(RacePeer, OurNameGoesCleanedAndCut)
{
    THosting Hosting(Quick);
    TEnd GuestEnd;
    const QString Name = QStringLiteral("Ann") + QChar(0x202E) + QStringLiteral("gnp.exe and a name too long");
    std::unique_ptr<TRaceConnection> Guest(JoinRace(QStringLiteral("127.0.0.1"), Hosting.Server.Port(), Name, Quick));
    GuestEnd.Watch(Guest.get());
    ASSERT_TRUE(WaitFor([&] { return Hosting.Host && Guest->Open(); }));
    EXPECT_EQ(Hosting.HostEnd.Opened, QStringLiteral("Ann gnp.exe and a na"));
}

// The peer sends requests without end and never reads the answers: what
// waits for it is bounded, and it is dropped with the queue, not held.
TEST(RacePeer, AGuestThatNeverReadsIsDropped)
{
    THosting Hosting(Patient);
    TDeafPeer Peer(Hosting.Server.Port());
    ASSERT_TRUE(Peer.Connected());
    ASSERT_TRUE(Peer.Send(Hello(QStringLiteral("Deaf"))));
    ASSERT_TRUE(WaitFor([&] { return Hosting.Host != nullptr; }));
    // The system's own buffers would take megabytes first; small, they
    // leave the test to what the connection holds.
    Hosting.Host->findChild<QTcpSocket*>()->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, 4096);
    // The host answers every request, as a race refuses a play.
    QObject::connect(Hosting.Host, &TRaceConnection::Received, Hosting.Host, [&](const TMessage& M) {
        if (const auto* Request = std::get_if<TPlayRequest>(&M))
            Hosting.Host->Send(TRefused{*Request});
    });
    QByteArray Batch;
    for (int I = 0; I < 1000; ++I)
        Batch += EncodeFrame(TPlayRequest{1, 0, 17});
    // A bound on the test, far above what the host may hold: a million requests.
    for (int Batches = 0; Batches < 1000 && Hosting.HostEnd.Lost.isEmpty(); ++Batches) {
        if (Peer.Pending() < 64 * 1024) {
            ASSERT_TRUE(Peer.Send(Batch));
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    ASSERT_EQ(Hosting.HostEnd.Lost,
              QStringList{QStringLiteral("Deaf is not reading what this side sends; the race has ended.")});
    // Dropped, not closed politely after a queue that would never drain.
    EXPECT_TRUE(WaitFor([&] { return !Peer.Send(EncodeFrame(THeartbeat{})); }));
}

// A few messages may come before the race listens (a deal, a ready); a peer
// that sends more is not racing.
TEST(RacePeer, WhatWaitsForTheRaceToListenIsBounded)
{
    const struct {
        std::size_t sent;
        bool dropped;
    } cases[] = {{TRaceConnection::MaxWaiting, false}, {TRaceConnection::MaxWaiting + 1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sent);
        THosting Hosting(Quick);
        TEnd GuestEnd;
        std::unique_ptr<TRaceConnection> Guest(
            JoinRace(QStringLiteral("127.0.0.1"), Hosting.Server.Port(), QStringLiteral("Slow"), Quick));
        GuestEnd.Watch(Guest.get(), false);
        ASSERT_TRUE(WaitFor([&] { return Hosting.Host && Guest->Open(); }));
        for (std::size_t I = 0; I < c.sent; ++I)
            Hosting.Host->Send(TAgain{I % 2 == 0});
        if (c.dropped) {
            ASSERT_TRUE(WaitFor([&] { return !GuestEnd.Lost.isEmpty(); }));
            EXPECT_EQ(GuestEnd.Lost,
                      QStringList{QStringLiteral("Hostess sent too many messages at once; the race has ended.")});
            Guest->Deliver();
            WaitFor([] { return false; }, 100);
            EXPECT_TRUE(GuestEnd.Received.empty());
        } else {
            WaitFor([] { return false; }, 200);
            EXPECT_TRUE(GuestEnd.Lost.isEmpty());
            Guest->Deliver();
            ASSERT_TRUE(WaitFor([&] { return GuestEnd.Received.size() == c.sent; }));
            EXPECT_TRUE(GuestEnd.Received.back() == TMessage(TAgain{(c.sent - 1) % 2 == 0}));
        }
    }
}

// Bytes that never make a whole hello do not hold the connection, however
// often they come.
TEST(RacePeer, AHelloTrickledInIsCutOff)
{
    THosting Hosting({50, 60000, 200});
    auto Socket = Raw(Hosting.Server.Port());
    const QByteArray Frame = Hello(QStringLiteral("Trickling in slowly."));
    qsizetype Sent = 0;
    for (; Sent < Frame.size() && Socket->state() == QAbstractSocket::ConnectedState; ++Sent) {
        Socket->write(Frame.mid(Sent, 1));
        Socket->flush();
        WaitFor([&] { return Socket->state() != QAbstractSocket::ConnectedState; }, 50);
    }
    EXPECT_TRUE(WaitFor([&] { return Socket->state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_LT(Sent, Frame.size()) << "closed before the hello was whole";
    EXPECT_FALSE(Hosting.Host);
    EXPECT_EQ(Hosting.Server.Greeting(), 0);
}

// Connecting and saying nothing cannot use the host up: one past the cap
// is closed at once, the others keep their turn, and a place that frees
// is taken again.
TEST(RacePeer, OnlyAFewMayWaitForTheirHello)
{
    THosting Hosting(Patient);
    std::vector<std::unique_ptr<QTcpSocket>> Waiting;
    for (int I = 0; I < TRaceServer::MaxGreeting; ++I)
        Waiting.push_back(Raw(Hosting.Server.Port()));
    ASSERT_TRUE(WaitFor([&] { return Hosting.Server.Greeting() == TRaceServer::MaxGreeting; }));

    auto OneMore = Raw(Hosting.Server.Port());
    EXPECT_TRUE(WaitFor([&] { return OneMore->state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_EQ(Hosting.Server.Greeting(), TRaceServer::MaxGreeting);
    for (const auto& Socket : Waiting)
        EXPECT_EQ(Socket->state(), QAbstractSocket::ConnectedState);

    Waiting.front()->abort();
    ASSERT_TRUE(WaitFor([&] { return Hosting.Server.Greeting() == TRaceServer::MaxGreeting - 1; }));
    auto Next = Raw(Hosting.Server.Port());
    ASSERT_TRUE(WaitFor([&] { return Hosting.Server.Greeting() == TRaceServer::MaxGreeting; }));
    EXPECT_EQ(Next->state(), QAbstractSocket::ConnectedState);

    // One of those waiting says hello: it is the race.
    Waiting.back()->write(Hello(QStringLiteral("Late")));
    ASSERT_TRUE(WaitFor([&] { return Hosting.Host != nullptr; }));
    EXPECT_EQ(Hosting.HostEnd.Opened, QStringLiteral("Late"));
}

// Half a megabyte of heartbeats in one go is read through, a piece at a
// time, and what follows them still arrives.
TEST(RacePeer, AFloodOfHeartbeatsIsReadThrough)
{
    THosting Hosting(Patient);
    auto Socket = Raw(Hosting.Server.Port());
    QByteArray Flood = Hello(QStringLiteral("Loud"));
    const QByteArray Beat = EncodeFrame(THeartbeat{});
    Flood.reserve(Flood.size() + 100000 * Beat.size() + 16);
    for (int I = 0; I < 100000; ++I)
        Flood += Beat;
    Flood += EncodeFrame(TReady{}) + EncodeFrame(TAgain{true});
    Socket->write(Flood);
    ASSERT_TRUE(WaitFor([&] { return Hosting.HostEnd.Received.size() == 2; }, 20000));
    EXPECT_TRUE(Hosting.HostEnd.Received[0] == TMessage(TReady{}));
    EXPECT_TRUE(Hosting.HostEnd.Received[1] == TMessage(TAgain{true}));
    EXPECT_TRUE(Hosting.Host->Open());
}

// A message of ours the wire cannot carry ends the race from the event loop,
// not inside the caller's Send, and the peer is not sent a changed one.
TEST(RacePeer, AMoveOfOursTheWireCannotCarryEndsTheRace)
{
    THosting Hosting(Quick);
    TEnd GuestEnd;
    std::unique_ptr<TRaceConnection> Guest(
        JoinRace(QStringLiteral("127.0.0.1"), Hosting.Server.Port(), QStringLiteral("Guest"), Quick));
    GuestEnd.Watch(Guest.get());
    ASSERT_TRUE(WaitFor([&] { return Hosting.Host && Guest->Open(); }));
    Guest->Send(TPlayRequest{9, 0, 17});
    Guest->Send(TPlayRequest{1, 0, 17});
    EXPECT_TRUE(GuestEnd.Lost.isEmpty());
    ASSERT_TRUE(WaitFor([&] { return !GuestEnd.Lost.isEmpty() && !Hosting.HostEnd.Lost.isEmpty(); }));
    EXPECT_EQ(GuestEnd.Lost, QStringList{QStringLiteral("Velto could not send its own move; the race has ended.")});
    EXPECT_EQ(Hosting.HostEnd.Lost, QStringList{QStringLiteral("The connection to Guest was lost.")});
    EXPECT_TRUE(Hosting.HostEnd.Received.empty());
}

} // namespace
