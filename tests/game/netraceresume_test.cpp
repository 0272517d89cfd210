// A race whose line drops and comes back: cut after every message of a
// whole deal in turn (so at every kind of message, both ways, at the start
// box, mid-deal and at the question), left down for a random while, and
// restored on a new line. While it is down no card moves on either side;
// once it is back both tables are the host's again and the deal goes on to
// the same end on both sides.
#include "core/moves.h"
#include "game/netrace/netracesession.h"
#include "tests/game/fakeracetransport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>

namespace {

using namespace network;
using fakerace::TFakeRaceTransport;

// A window that answers from the event loop and plays when told to.
class TPlayingView final : public TNetRaceView {
public:
    TNetRaceSession* Session = nullptr;
    QStringList Winners;
    QStringList Ended;
    int Paused = 0;
    int Resumed = 0;

    void ShowTable(const TRaceSnapshot&, int) override {}
    void ShowEvent(const TRaceEvent&, const TRaceSnapshot&, int) override {}
    void ShowRefused(const TPlayRequest&) override {}
    void AskReady() override
    {
        QTimer::singleShot(1, Session, [this] { Session->Ready(); });
    }
    void ShowRunning(bool) override {}
    void ShowEnd(const QString& Winner, TRaceEnd End) override
    {
        Winners << (End == TRaceEnd::Tied ? QStringLiteral("(tie)") : Winner);
    }
    void ShowEnded(const QString& Why) override { Ended << Why; }
    void ShowPaused(const QString&) override { ++Paused; }
    void ShowResumed() override { ++Resumed; }
};

bool WaitFor(const std::function<bool()>& Done, int Ms = 10000)
{
    QElapsedTimer Timer;
    Timer.start();
    while (!Done() && Timer.elapsed() < Ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
    return Done();
}

// One side's play: the first card that fits, from the player's left.
void PlayFirstFit(TNetRaceSession& Session)
{
    if (!Session.Running() || Session.Paused() || Session.PendingRequests() > 0)
        return;
    const TRaceSnapshot& T = Session.Table();
    const int Seat = Session.OwnSeat();
    for (int Slot = 0; Slot < core::SlotCount; ++Slot)
        if (const auto Centre = core::PileFor(core::HandOf(T, Seat)[static_cast<std::size_t>(Slot)], T.CentreTop, {0, 1})) {
            Session.Play(Slot, *Centre);
            return;
        }
}

struct TRun {
    bool Finished = false;
    QStringList HostWinners, GuestWinners;
    std::optional<std::size_t> CutKind; // the kind of message the line dropped after
    bool EqualAfterResume = false;
    bool StillWhileDown = false;
};

// One deal from a seeded table, its line dropped after the CutAt-th
// message (none when 0), down for DownMs, then back on a new line.
TRun RaceWithDrop(unsigned Seed, int CutAt, int DownMs, int* MessagesInAll = nullptr)
{
    TRun Run;
    TPlayingView HostView, GuestView;
    std::mt19937 Rng(Seed);
    auto [H, G] = TFakeRaceTransport::Line(QStringLiteral("Ann"), QStringLiteral("Bo"), 1);
    QPointer<TFakeRaceTransport> HostEnd = H, GuestEnd = G;
    auto Random = [&Rng](int N) { return static_cast<int>(Rng() % static_cast<unsigned>(N)); };
    TNetRaceSession Host(H, HostView, 1, Random);
    TNetRaceSession Guest(G, GuestView, [](core::TTwoSeatRace&) {});
    HostView.Session = &Host;
    GuestView.Session = &Guest;

    int Sent = 0;
    bool Dropped = false;
    const auto Count = [&](const TMessage& M) {
        if (++Sent == CutAt && !Dropped) {
            Dropped = true;
            Run.CutKind = M.index();
            TFakeRaceTransport::Drop(HostEnd, GuestEnd, QStringLiteral("The connection to the other player was lost."));
        }
    };
    H->OnSent = Count;
    G->OnSent = Count;

    QTimer HostPlayer, GuestPlayer;
    QObject::connect(&HostPlayer, &QTimer::timeout, [&] { PlayFirstFit(Host); });
    QObject::connect(&GuestPlayer, &QTimer::timeout, [&] { PlayFirstFit(Guest); });
    HostPlayer.start(2 + static_cast<int>(Rng() % 3));
    GuestPlayer.start(2 + static_cast<int>(Rng() % 3));
    Host.Begin();

    const auto BothAsked = [&] { return !HostView.Winners.isEmpty() && !GuestView.Winners.isEmpty(); };
    if (CutAt > 0) {
        if (!WaitFor([&] { return (Host.Paused() && Guest.Paused()) || BothAsked(); }))
            return Run;
        if (Host.Paused() && Guest.Paused()) {
            // Down: nothing moves on either side, whatever the players press.
            const TRaceSnapshot HostBefore = Host.Table(), GuestBefore = Guest.Table();
            WaitFor([] { return false; }, DownMs);
            Run.StillWhileDown = Host.Table() == HostBefore && Guest.Table() == GuestBefore;
            auto [H2, G2] = TFakeRaceTransport::Line(QStringLiteral("Ann"), QStringLiteral("Bo"), 1);
            HostEnd = H2;
            GuestEnd = G2;
            Guest.Resume(G2);
            Host.Resume(H2);
            // Once all is delivered, the guest's table is the host's.
            WaitFor([&] { return !Guest.Paused() && HostEnd->Quiet() && GuestEnd->Quiet(); });
            Run.EqualAfterResume = !Host.Paused() && !Guest.Paused() && Guest.Table() == Host.Table();
        }
    }
    Run.Finished = WaitFor(BothAsked, 20000);
    WaitFor([&] { return (!HostEnd || HostEnd->Quiet()) && (!GuestEnd || GuestEnd->Quiet()); }, 2000);
    Run.HostWinners = HostView.Winners;
    Run.GuestWinners = GuestView.Winners;
    if (Run.Finished && Guest.Table() != Host.Table())
        Run.Finished = false;
    if (MessagesInAll)
        *MessagesInAll = Sent;
    EXPECT_TRUE(HostView.Ended.isEmpty() && GuestView.Ended.isEmpty())
        << "a dropped line does not end the race: " << HostView.Ended.join(u'|').toStdString() << " / "
        << GuestView.Ended.join(u'|').toStdString();
    return Run;
}

TEST(NetRaceResume, ALineDroppedAfterAnyMessageComesBackToTheSameRace)
{
    int InAll = 0;
    const TRun Whole = RaceWithDrop(7, 0, 0, &InAll);
    ASSERT_TRUE(Whole.Finished);
    ASSERT_GT(InAll, 40);

    std::mt19937 Rng(20261211);
    std::set<std::size_t> Kinds;
    // Every message of the whole deal in turn, up to the question.
    for (int CutAt = 1; CutAt <= InAll; ++CutAt) {
        SCOPED_TRACE(CutAt);
        const TRun Run = RaceWithDrop(7, CutAt, static_cast<int>(Rng() % 30), nullptr);
        if (Run.CutKind)
            Kinds.insert(*Run.CutKind);
        ASSERT_TRUE(Run.Finished) << "cut after message " << CutAt;
        EXPECT_EQ(Run.HostWinners.size(), 1);
        EXPECT_EQ(Run.GuestWinners.size(), 1);
        // The same end on both sides: each names the other as winner, or a tie.
        if (!Run.HostWinners.isEmpty() && !Run.GuestWinners.isEmpty()) {
            const QString H = Run.HostWinners[0], G = Run.GuestWinners[0];
            EXPECT_TRUE((H == "You" && G == "Ann") || (H == "Bo" && G == "You") || (H == "(tie)" && G == "(tie)"))
                << H.toStdString() << " / " << G.toStdString();
        }
        if (Run.CutKind) {
            EXPECT_TRUE(Run.StillWhileDown);
            EXPECT_TRUE(Run.EqualAfterResume);
        }
    }
    // Among them every kind a deal always sends: the deal, the OKs, the
    // guest's requests and the host's events.
    EXPECT_TRUE(Kinds.count(TMessage(TDealt{}).index()));
    EXPECT_TRUE(Kinds.count(TMessage(TReady{}).index()));
    EXPECT_TRUE(Kinds.count(TMessage(TPlayRequest{}).index()));
    EXPECT_TRUE(Kinds.count(TMessage(TEventMessage{}).index()));
}

} // namespace
