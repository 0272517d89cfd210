// Who takes the seat: a host that asks first keeps each guest at the door,
// saying nothing of itself, until the player lets it in or turns it away;
// one guest is asked about at a time, and one that leaves the door is no
// longer asked about.
#include "network/raceserver.h"
#include "raceloopback.h"

#include <QTcpSocket>
#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace network;
using racetest::TEnd;
using racetest::WaitFor;

constexpr TRaceConnection::TTimings Quick{50, 400, 300};

class RaceDoor : public ::testing::Test {
protected:
    TRaceServer Server{QStringLiteral("Hostess"), Quick};
    std::vector<std::pair<TRaceConnection*, QString>> Knocks;
    std::vector<TRaceConnection*> Withdrawn;
    TRaceConnection* Joined = nullptr;

    void SetUp() override
    {
        Server.SetAskFirst(true);
        ASSERT_TRUE(Server.Listen(0));
        QObject::connect(&Server, &TRaceServer::Knocking, &Server,
                         [this](TRaceConnection* C, const QString& Name) { Knocks.emplace_back(C, Name); });
        QObject::connect(&Server, &TRaceServer::KnockWithdrawn, &Server,
                         [this](TRaceConnection* C) { Withdrawn.push_back(C); });
        QObject::connect(&Server, &TRaceServer::Joined, &Server, [this](TRaceConnection* C) { Joined = C; });
    }

    std::unique_ptr<TRaceConnection> Knock(TEnd& End, const QString& Name)
    {
        std::unique_ptr<TRaceConnection> Guest(JoinRace(QStringLiteral("127.0.0.1"), Server.Port(), Name, Quick));
        End.Watch(Guest.get());
        return Guest;
    }
};

TEST_F(RaceDoor, AGuestWaitsAtTheDoorUntilTheHostLetsItIn)
{
    TEnd GuestEnd;
    auto Guest = Knock(GuestEnd, QStringLiteral("Bo"));
    ASSERT_TRUE(WaitFor([&] { return !Knocks.empty(); }));
    EXPECT_EQ(Knocks[0].second, QStringLiteral("Bo"));
    // The player may take a while: the host's heartbeats keep the guest
    // waiting well past the time a hello is given, and it learns nothing.
    WaitFor([] { return false; }, 3 * Quick.HelloMs);
    EXPECT_TRUE(GuestEnd.Lost.isEmpty());
    EXPECT_TRUE(GuestEnd.Opened.isEmpty());
    EXPECT_FALSE(Joined);

    Server.Accept(Knocks[0].first);
    ASSERT_TRUE(WaitFor([&] { return !GuestEnd.Opened.isEmpty(); }));
    EXPECT_EQ(GuestEnd.Opened, QStringLiteral("Hostess"));
    EXPECT_EQ(Joined, Knocks[0].first);
    EXPECT_TRUE(Joined->Open());
    EXPECT_FALSE(Server.Listening());
    // The seat's token reached the guest, and it is the server's.
    EXPECT_EQ(Guest->PeerToken().size(), TokenSize);
    EXPECT_EQ(Guest->PeerToken(), Server.Token());
}

TEST_F(RaceDoor, ATurnedAwayGuestIsToldAndTheNextIsAsked)
{
    TEnd First;
    auto Guest = Knock(First, QStringLiteral("Mallory"));
    ASSERT_TRUE(WaitFor([&] { return !Knocks.empty(); }));
    Server.Refuse(Knocks[0].first);
    ASSERT_TRUE(WaitFor([&] { return !First.Lost.isEmpty(); }));
    EXPECT_EQ(First.Lost, QStringList{QStringLiteral("The host did not let you into the race.")});
    EXPECT_TRUE(First.Opened.isEmpty());
    EXPECT_TRUE(Server.Listening());

    TEnd Second;
    auto Other = Knock(Second, QStringLiteral("Bo"));
    ASSERT_TRUE(WaitFor([&] { return Knocks.size() == 2; }));
    EXPECT_EQ(Knocks[1].second, QStringLiteral("Bo"));
    Server.Accept(Knocks[1].first);
    EXPECT_TRUE(WaitFor([&] { return !Second.Opened.isEmpty(); }));
}

TEST_F(RaceDoor, OneGuestIsAskedAboutAtATime)
{
    TEnd First, Second;
    auto Guest = Knock(First, QStringLiteral("Bo"));
    ASSERT_TRUE(WaitFor([&] { return !Knocks.empty(); }));
    auto Other = Knock(Second, QStringLiteral("Eve"));
    ASSERT_TRUE(WaitFor([&] { return !Second.Lost.isEmpty(); }));
    EXPECT_EQ(Second.Lost, QStringList{QStringLiteral("The other player cannot race now: this host is already racing")});
    EXPECT_EQ(Knocks.size(), 1u);
    EXPECT_TRUE(First.Lost.isEmpty());
}

TEST_F(RaceDoor, AGuestThatLeavesTheDoorIsNoLongerAskedAbout)
{
    TEnd First;
    auto Guest = Knock(First, QStringLiteral("Bo"));
    ASSERT_TRUE(WaitFor([&] { return !Knocks.empty(); }));
    TRaceConnection* Asked = Knocks[0].first;
    Guest.reset();
    ASSERT_TRUE(WaitFor([&] { return !Withdrawn.empty(); }));
    EXPECT_EQ(Withdrawn[0], Asked);
    // An answer that comes too late lets nobody in.
    Server.Refuse(Asked);
    Server.Accept(Asked);
    EXPECT_FALSE(Joined);

    TEnd Second;
    auto Other = Knock(Second, QStringLiteral("Ann"));
    EXPECT_TRUE(WaitFor([&] { return Knocks.size() == 2; }));
}

TEST_F(RaceDoor, AHostThatStopsTellsTheGuestAtTheDoor)
{
    TEnd GuestEnd;
    auto Guest = Knock(GuestEnd, QStringLiteral("Bo"));
    ASSERT_TRUE(WaitFor([&] { return !Knocks.empty(); }));
    Knocks[0].first->Close();
    ASSERT_TRUE(WaitFor([&] { return !GuestEnd.Lost.isEmpty(); }));
    EXPECT_EQ(GuestEnd.Lost, QStringList{QStringLiteral("The host did not let you into the race.")});
}

// What a stranger gets from the port: nothing before its hello, and after
// it only heartbeats (no name, no hello) until the player lets it in; a
// stranger that does not wait quietly is dropped.
TEST_F(RaceDoor, AStrangerLearnsNothingOfTheHost)
{
    QTcpSocket Silent;
    Silent.connectToHost(QStringLiteral("127.0.0.1"), Server.Port());
    ASSERT_TRUE(Silent.waitForConnected(3000));
    ASSERT_TRUE(WaitFor([&] { return Silent.state() != QAbstractSocket::ConnectedState; }));
    EXPECT_EQ(Silent.readAll(), QByteArray());

    QTcpSocket Knocker;
    Knocker.connectToHost(QStringLiteral("127.0.0.1"), Server.Port());
    ASSERT_TRUE(Knocker.waitForConnected(3000));
    Knocker.write(EncodeFrame(THello{ProtocolVersion, QStringLiteral("Eve")}));
    ASSERT_TRUE(WaitFor([&] { return !Knocks.empty(); }));
    WaitFor([] { return false; }, 4 * Quick.HeartbeatMs);
    TFrameReader Reader;
    const std::vector<TMessage> Got = Reader.Feed(Knocker.readAll());
    ASSERT_FALSE(Got.empty());
    for (const TMessage& M : Got)
        EXPECT_TRUE(std::holds_alternative<THeartbeat>(M)) << "message kind " << M.index();

    Knocker.write(EncodeFrame(TReady{}));
    ASSERT_TRUE(WaitFor([&] { return !Withdrawn.empty(); }));
    EXPECT_FALSE(Joined);
}

} // namespace
