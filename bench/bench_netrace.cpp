// A race between two machines, both ends in one process over the loopback:
// how long a play takes to reach the other side (the host's play to the
// guest's table, and the guest's request to the host and back as the event
// that shows it), and what a whole deal costs on the wire. The delays are
// reported as percentiles of every play (p50_us, p99_us), the bytes as
// counters per deal (host_bytes, guest_bytes).
#include "core/scoring.h"
#include "game/netrace/netracesession.h"
#include "cardlib/lutypes.h"
#include "network/raceserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>

namespace {

using namespace network;

struct TView final : TNetRaceView {
    TNetRaceSession* Session = nullptr;
    std::function<void(const TRaceEvent&)> OnEvent;
    bool Ended = false;
    bool Over = false;
    void ShowTable(const TRaceSnapshot&, int) override {}
    void ShowEvent(const TRaceEvent& E, const TRaceSnapshot&, int) override
    {
        if (OnEvent)
            OnEvent(E);
    }
    void ShowRefused(const TPlayRequest&) override {}
    void AskReady() override { QTimer::singleShot(0, Session, [this] { Session->Ready(); }); }
    void ShowRunning(bool) override {}
    void ShowEnd(const QString&, TRaceEnd) override { Over = true; }
    void ShowEnded(const QString&) override { Ended = true; }
};

bool WaitFor(const std::function<bool()>& Done, int Ms = 10000)
{
    QElapsedTimer Timer;
    Timer.start();
    while (!Done() && Timer.elapsed() < Ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return Done();
}

std::optional<std::pair<int, int>> FirstFit(const TRaceSnapshot& T, int Seat)
{
    for (int Slot = 0; Slot < core::SlotCount; ++Slot)
        for (int Centre = 0; Centre < core::CentrePiles; ++Centre)
            if (T.Slots[Seat][Slot] && T.CentreTop[Centre]
                && core::IsAdjacent(IDToValue(T.Slots[Seat][Slot]), IDToValue(T.CentreTop[Centre])))
                return std::pair{Slot, Centre};
    return std::nullopt;
}

struct TPair {
    TRaceServer Server{QStringLiteral("Host")};
    TView HostView, GuestView;
    std::unique_ptr<TNetRaceSession> Host, Guest;
    TRaceConnection* HostEnd = nullptr;
    TRaceConnection* GuestEnd = nullptr;
    std::mt19937 Rng{5};

    bool Connect()
    {
        if (!Server.Listen(0))
            return false;
        QObject::connect(&Server, &TRaceServer::Joined, &Server, [this](TRaceConnection* C) { HostEnd = C; });
        GuestEnd = JoinRace(QStringLiteral("127.0.0.1"), Server.Port(), QStringLiteral("Guest"), {});
        if (!WaitFor([this] { return HostEnd && GuestEnd->Open(); }))
            return false;
        auto Random = [this](int N) { return static_cast<int>(Rng() % static_cast<unsigned>(N)); };
        Host = std::make_unique<TNetRaceSession>(HostEnd, HostView, 1, Random);
        Guest = std::make_unique<TNetRaceSession>(GuestEnd, GuestView, 1, Random);
        HostView.Session = Host.get();
        GuestView.Session = Guest.get();
        return true;
    }
};

double Percentile(std::vector<double> V, double P)
{
    if (V.empty())
        return 0;
    std::sort(V.begin(), V.end());
    return V[static_cast<std::size_t>(P * static_cast<double>(V.size() - 1))];
}

// Every play of whole deals, one at a time: the clock runs from the play to
// the other side's table showing it.
void BM_PlayReachesTheOtherSide(benchmark::State& State)
{
    // 0: the host's play to the guest's table; 1: the guest's play to the
    // host's table; 2: the guest's play to its own table, through the host.
    const int Mode = static_cast<int>(State.range(0));
    const bool FromGuest = Mode != 0;
    TPair P;
    if (!P.Connect()) {
        State.SkipWithError("no loopback connection");
        return;
    }
    std::vector<double> Delays;
    QElapsedTimer Clock;
    bool Waiting = false;
    TView& Receiver = Mode == 1 ? P.HostView : P.GuestView;
    Receiver.OnEvent = [&](const TRaceEvent& E) {
        if (Waiting && E.Kind == TRaceEvent::TKind::Played) {
            Delays.push_back(static_cast<double>(Clock.nsecsElapsed()) / 1000.0);
            Waiting = false;
        }
    };
    P.Host->Begin();
    for (auto _ : State) {
        if (P.HostView.Over && P.GuestView.Over) {
            P.HostView.Over = P.GuestView.Over = false;
            P.Host->Again(true);
            P.Guest->Again(true);
        }
        if (!WaitFor([&] {
                return (P.Host->Running() && P.Guest->Running()) || (P.HostView.Over && P.GuestView.Over);
            })) {
            State.SkipWithError("the race stopped");
            break;
        }
        if (!P.Host->Running())
            continue;
        // The guest plays on its own table, which shows its last play only
        // once the host's event has come back.
        WaitFor([&] { return P.Guest->PendingRequests() == 0; }, 1000);
        TNetRaceSession& Player = FromGuest ? *P.Guest : *P.Host;
        const auto Move = FirstFit(Player.Table(), Player.OwnSeat());
        if (!Move) {
            // Nobody can play here: the other side plays, or the deal is over.
            const auto Other = FirstFit((FromGuest ? *P.Host : *P.Guest).Table(), FromGuest ? 0 : 1);
            if (Other)
                (FromGuest ? *P.Host : *P.Guest).Play(Other->first, Other->second);
            WaitFor([&] { return P.Guest->PendingRequests() == 0; }, 100);
            QCoreApplication::processEvents();
            WaitFor([&] { return P.HostView.Over && P.GuestView.Over; }, 5);
            continue;
        }
        Waiting = true;
        Clock.start();
        Player.Play(Move->first, Move->second);
        WaitFor([&] { return !Waiting; }, 2000);
    }
    State.counters["plays"] = static_cast<double>(Delays.size());
    State.counters["p50_us"] = Percentile(Delays, 0.50);
    State.counters["p99_us"] = Percentile(Delays, 0.99);
    State.counters["max_us"] = Percentile(Delays, 1.0);
}
BENCHMARK(BM_PlayReachesTheOtherSide)->Arg(0)->Arg(1)->Arg(2)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// Whole deals played by both sides at once: the bytes each side sends per
// deal, heartbeats included (a deal played this fast sends almost none).
void BM_BytesPerDeal(benchmark::State& State)
{
    TPair P;
    if (!P.Connect()) {
        State.SkipWithError("no loopback connection");
        return;
    }
    P.Host->Begin();
    int Deals = 0;
    const qint64 HostStart = P.HostEnd->BytesSent(), GuestStart = P.GuestEnd->BytesSent();
    for (auto _ : State) {
        WaitFor([&] { return P.Host->Running() && P.Guest->Running(); });
        while (!P.HostView.Over || !P.GuestView.Over) {
            if (const auto M = FirstFit(P.Host->Table(), 0); M && P.Host->Running())
                P.Host->Play(M->first, M->second);
            if (const auto M = FirstFit(P.Guest->Table(), 1); M && P.Guest->Running() && !P.Guest->PendingRequests())
                P.Guest->Play(M->first, M->second);
            QCoreApplication::processEvents();
        }
        P.HostView.Over = P.GuestView.Over = false;
        ++Deals;
        P.Host->Again(true);
        P.Guest->Again(true);
    }
    State.counters["host_bytes"] = static_cast<double>(P.HostEnd->BytesSent() - HostStart) / std::max(1, Deals);
    State.counters["guest_bytes"] = static_cast<double>(P.GuestEnd->BytesSent() - GuestStart) / std::max(1, Deals);
}
BENCHMARK(BM_BytesPerDeal)->Iterations(50)->Unit(benchmark::kMillisecond);

} // namespace
