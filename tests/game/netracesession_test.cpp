// Two people racing on two machines, both sessions in one process over the
// loopback: deals that start when both pressed OK, plays from both sides at
// random speeds decided in the host's order, the guest's table the host's
// after every event, the same winner on both sides, "again" needing both,
// and a peer that leaves or misbehaves at any stage ending the race on the
// other side with a message.
#include "core/scoring.h"
#include "game/netrace/netracesession.h"
#include "network/raceserver.h"
#include "cardlib/lutypes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

using namespace network;

bool WaitFor(const std::function<bool()>& Done, int Ms = 10000)
{
    QElapsedTimer Timer;
    Timer.start();
    while (!Done() && Timer.elapsed() < Ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return Done();
}

// A window that answers at once and records what it was shown.
class TScriptedView final : public TNetRaceView {
public:
    TNetRaceSession* Session = nullptr;
    std::vector<TRaceSnapshot> Afters; // the table after each event
    QStringList Winners;
    QStringList Ended;
    int Deals = 0;
    int Refused = 0;
    int DealsWanted = 1;     // says Yes until this many deals have been played
    bool AnswerReady = true; // presses OK in each start box

    void ShowTable(const TRaceSnapshot&, int) override { ++Deals; }
    void ShowEvent(const TRaceEvent&, const TRaceSnapshot& After, int) override { Afters.push_back(After); }
    void ShowRefused(const TPlayRequest&) override { ++Refused; }
    void AskReady() override
    {
        if (AnswerReady)
            QTimer::singleShot(1, Session, [this] { Session->Ready(); });
    }
    void ShowRunning(bool) override {}
    void ShowEnd(const QString& Winner, TRaceEnd End) override
    {
        Winners << (End == TRaceEnd::Tied ? QStringLiteral("(tie)") : Winner);
        const bool Yes = Deals < DealsWanted;
        QTimer::singleShot(1, Session, [this, Yes] { Session->Again(Yes); });
    }
    void ShowEnded(const QString& Why) override { Ended << Why; }
    QStringList Paused;
    void ShowPaused(const QString& Why) override { Paused << Why; }
};

// The first card of Seat's hand that fits a centre pile, on Table.
std::optional<std::pair<int, int>> FirstFit(const TRaceSnapshot& Table, int Seat)
{
    for (int Slot = 0; Slot < core::SlotCount; ++Slot)
        for (int Centre = 0; Centre < core::CentrePiles; ++Centre) {
            const int Card = Table.Slots[Seat][Slot];
            const int Top = Table.CentreTop[Centre];
            if (Card && Top && core::IsAdjacent(IDToValue(Card), IDToValue(Top)))
                return std::pair{Slot, Centre};
        }
    return std::nullopt;
}

class NetRaceSessionTest : public ::testing::Test {
protected:
    TRaceServer Server{QStringLiteral("Ann"), TRaceConnection::TTimings{50, 2000}};
    TScriptedView HostView, GuestView;
    std::unique_ptr<TNetRaceSession> Host, Guest;
    std::mt19937 Rng{12};

    // Both ends connected, each with its session.
    void Connect(int Decks = 1)
    {
        ASSERT_TRUE(Server.Listen(0));
        TRaceConnection* HostEnd = nullptr;
        QObject::connect(&Server, &TRaceServer::Joined, &Server, [&](TRaceConnection* C) { HostEnd = C; });
        TRaceConnection* GuestEnd = JoinRace(QStringLiteral("127.0.0.1"), Server.Port(), QStringLiteral("Bo"),
                                             TRaceConnection::TTimings{50, 2000});
        ASSERT_TRUE(WaitFor([&] { return HostEnd && GuestEnd->Open(); }));
        auto Random = [this](int N) { return static_cast<int>(Rng() % static_cast<unsigned>(N)); };
        Host = std::make_unique<TNetRaceSession>(HostEnd, HostView, Decks, Random);
        Guest = std::make_unique<TNetRaceSession>(GuestEnd, GuestView, Decks, Random);
        HostView.Session = Host.get();
        GuestView.Session = Guest.get();
    }

    // Both players play the first card that fits on their own tables, each
    // at its own random pace, until the race ends.
    void PlayOut(int HostMs, int GuestMs, int Ms = 60000)
    {
        QTimer HostPlayer, GuestPlayer;
        QObject::connect(&HostPlayer, &QTimer::timeout, [&] {
            if (const auto Move = FirstFit(Host->Table(), Host->OwnSeat()); Move && Host->Running())
                Host->Play(Move->first, Move->second);
        });
        QObject::connect(&GuestPlayer, &QTimer::timeout, [&] {
            if (const auto Move = FirstFit(Guest->Table(), Guest->OwnSeat());
                Move && Guest->Running() && Guest->PendingRequests() == 0)
                Guest->Play(Move->first, Move->second);
        });
        HostPlayer.start(HostMs);
        GuestPlayer.start(GuestMs);
        EXPECT_TRUE(WaitFor([&] { return Host->Ended() && Guest->Ended(); }, Ms));
    }
};

TEST_F(NetRaceSessionTest, RacesDecidedByTheHostAgreeOnBothSides)
{
    Connect();
    HostView.DealsWanted = 6;
    GuestView.DealsWanted = 99; // the host's No ends it
    Host->Begin();
    PlayOut(3, 2);
    EXPECT_EQ(HostView.Deals, 6);
    EXPECT_EQ(GuestView.Deals, 6);
    // Every event the guest saw left its table as the host's was after it.
    ASSERT_EQ(GuestView.Afters.size(), HostView.Afters.size());
    for (std::size_t I = 0; I < HostView.Afters.size(); ++I)
        ASSERT_EQ(GuestView.Afters[I], HostView.Afters[I]) << "event " << I;
    // The same winner on both sides, each in its own words.
    ASSERT_EQ(HostView.Winners.size(), 6);
    ASSERT_EQ(GuestView.Winners.size(), 6);
    for (int I = 0; I < 6; ++I)
    {
        EXPECT_EQ(HostView.Winners[I] == QStringLiteral("You"), GuestView.Winners[I] == QStringLiteral("Ann")) << I;
        EXPECT_EQ(HostView.Winners[I] == QStringLiteral("(tie)"), GuestView.Winners[I] == QStringLiteral("(tie)")) << I;
    }
    EXPECT_EQ(GuestView.Ended, QStringList{QStringLiteral("Ann does not want to play again.")});
    EXPECT_EQ(HostView.Ended, QStringList{QString()}) << "its own No needs no message";
}

TEST_F(NetRaceSessionTest, TheRaceWaitsForBothStartBoxes)
{
    Connect();
    GuestView.AnswerReady = false;
    Host->Begin();
    WaitFor([] { return false; }, 200);
    EXPECT_FALSE(Host->Running());
    EXPECT_FALSE(Guest->Running());
    // A guest's play before the start is not even sent.
    Guest->Play(0, 0);
    EXPECT_EQ(Guest->PendingRequests(), 0);
    Guest->Ready();
    EXPECT_TRUE(WaitFor([&] { return Host->Running() && Guest->Running(); }));
}

// A guest of ours never asks for a card it does not hold; a hostile one may.
// The host refuses it, and a message only a host may send ends the race.
TEST_F(NetRaceSessionTest, TheHostAcceptsNothingButFairRequests)
{
    Connect();
    Host->Begin();
    ASSERT_TRUE(WaitFor([&] { return Host->Running() && Guest->Running(); }));
    const TRaceSnapshot Before = Host->Table();
    // Raw requests through the guest's connection, past its session.
    auto* GuestConnection = Guest->findChild<TRaceConnection*>();
    ASSERT_NE(GuestConnection, nullptr);
    int Slot = 0;
    while (Before.Slots[1][Slot] == core::NoCard)
        ++Slot;
    const std::uint8_t Held = Before.Slots[1][Slot];
    const std::uint8_t Other = Held == core::MaxCard ? core::MinCard : Held + 1;
    GuestConnection->Send(TPlayRequest{static_cast<std::uint8_t>(Slot), 0, Other}); // a card it does not hold
    ASSERT_TRUE(WaitFor([&] { return GuestView.Refused == 1; }));
    EXPECT_EQ(Host->Table(), Before);

    GuestConnection->Send(TDealt{Before}); // only a host deals
    ASSERT_TRUE(WaitFor([&] { return !HostView.Ended.isEmpty(); }));
    EXPECT_EQ(HostView.Ended, QStringList{QStringLiteral("Bo sent a message only a host sends; the race has ended.")});
    ASSERT_TRUE(WaitFor([&] { return !GuestView.Ended.isEmpty(); }));
    EXPECT_EQ(GuestView.Ended, QStringList{QStringLiteral("Ann left the race.")});
}

TEST_F(NetRaceSessionTest, AHostsMoveThatDoesNotFitEndsTheRace)
{
    Connect();
    Host->Begin();
    ASSERT_TRUE(WaitFor([&] { return Guest->Running(); }));
    auto* HostConnection = Host->findChild<TRaceConnection*>();
    // The guest's slot 0 card played onto centre 0 by seat 1 again: the
    // guest's table no longer has it there after the first.
    TRaceEvent Fake{TRaceEvent::TKind::Played, 1, 0, 0, 2};
    if (Guest->Table().Slots[1][0] == 2)
        Fake.Card = 3;
    HostConnection->Send(TEventMessage{Fake});
    ASSERT_TRUE(WaitFor([&] { return !GuestView.Ended.isEmpty(); }));
    EXPECT_EQ(GuestView.Ended,
              QStringList{QStringLiteral("Ann sent a move that does not fit the table; the race has ended.")});
}

// A host that deals again while the guest's start box is open (one after
// another, thousands of them) is not racing: the first deal is the guest's
// table and the second ends the race, so no box opens on a box.
TEST_F(NetRaceSessionTest, ADealBeforeBothSaidYesEndsTheRace)
{
    Connect();
    GuestView.AnswerReady = false; // the start box stays open
    Host->Begin();
    ASSERT_TRUE(WaitFor([&] { return GuestView.Deals == 1; }));
    auto* HostConnection = Host->findChild<TRaceConnection*>();
    for (int I = 0; I < 10000; ++I)
        HostConnection->Send(TDealt{Host->Table()});
    ASSERT_TRUE(WaitFor([&] { return !GuestView.Ended.isEmpty(); }));
    EXPECT_EQ(GuestView.Deals, 1);
    EXPECT_EQ(GuestView.Ended,
              QStringList{QStringLiteral("Ann sent a deal in the middle of a race; the race has ended.")});
}

// The peer goes away: while the deal waits for the start boxes, in the
// middle of the race, and while the question to play again is open.
// A guest whose program ends without a word is a line that dropped, at the
// start box, mid-deal or at the question: the host's race waits for it
// (how long is its window's affair), saying whom it waits for.
TEST_F(NetRaceSessionTest, APeerGoneWithoutAWordAtAnyStagePausesTheRace)
{
    for (const int Stage : {0, 1, 2}) {
        SCOPED_TRACE(Stage);
        HostView = TScriptedView{};
        GuestView = TScriptedView{};
        Server.Stop();
        Connect();
        if (Stage == 0)
            GuestView.AnswerReady = false;
        Host->Begin();
        if (Stage == 1) {
            ASSERT_TRUE(WaitFor([&] { return Host->Running() && Guest->Running(); }));
            if (const auto Move = FirstFit(Host->Table(), 0))
                Host->Play(Move->first, Move->second);
        }
        if (Stage == 2) {
            HostView.DealsWanted = 2;
            GuestView.DealsWanted = 2;
            // Let the guest sit on the question: it never answers.
            QTimer Player;
            QObject::connect(&Player, &QTimer::timeout, [&] {
                if (const auto Move = FirstFit(Host->Table(), 0); Move && Host->Running())
                    Host->Play(Move->first, Move->second);
                if (const auto Move = FirstFit(Guest->Table(), 1); Move && Guest->Running() && !Guest->PendingRequests())
                    Guest->Play(Move->first, Move->second);
            });
            Player.start(2);
            ASSERT_TRUE(WaitFor([&] { return !GuestView.Winners.isEmpty(); }, 60000));
        }
        const TRaceSnapshot Before = Host->Table();
        Guest.reset(); // the guest's program ends without a word
        ASSERT_TRUE(WaitFor([&] { return Host->Paused(); }));
        ASSERT_EQ(HostView.Paused.size(), 1);
        EXPECT_TRUE(HostView.Paused[0].contains(QStringLiteral("Bo"))) << HostView.Paused[0].toStdString();
        EXPECT_FALSE(Host->Ended());
        EXPECT_TRUE(HostView.Ended.isEmpty());
        // Nothing moves meanwhile.
        if (const auto Move = FirstFit(Host->Table(), 0))
            Host->Play(Move->first, Move->second);
        EXPECT_EQ(Host->Table(), Before);
        Host->Leave();
        EXPECT_TRUE(Host->Ended());
        Host.reset();
        Server.disconnect();
        Server.Stop();
    }
}

} // namespace
