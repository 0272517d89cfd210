#pragma once
// The game window's side of a race between two machines: hosting and
// joining (set up by TNetRaceSetup), the player's keys and clicks turned into
// plays, and what the session shows (the table from this player's seat, the
// start box, who won and the question to play again, the end) shown through
// the window. While a race is on, the computer's clock does not run and the
// race against the computer waits.
#include "game/netrace/netraceflights.h"
#include "game/netrace/netracereturn.h"
#include "game/netrace/netracesession.h"
#include "game/netrace/netracesetup.h"
#include "game/netrace/netracestatus.h"
#include "game/table/tablemode.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>

class TGameHost;
class TLuCardGroup;
struct TCardComponents;
struct TGameState;
class TNetRaceRecords;

namespace network {
class TPortMapping;
}

class TNetRaceWindow : public QObject, public TNetRaceView, public TTableMode {
    Q_OBJECT
public:
    TNetRaceWindow(TGameState& State, TCardComponents& Cards, TGameHost& Host, TNetRaceRecords& Records,
                   QWidget* Window);
    ~TNetRaceWindow() override;

    // Runs as a race is about to begin, before its first deal shows: the
    // window gives up what else ran on its table.
    std::function<void()> OnRaceBegins;

    // A race is set up or running: keys and clicks are the race's.
    bool Active() const;
    const TNetRaceSession* Session() const { return FSession.get(); }
    const TNetRaceFlights& Flights() const { return FFlights; }

    // Asks for the name and port, then waits for a guest; Ask false starts
    // at once with Name and Port (the command line). Port 0 is the game's
    // usual port.
    // Whoever says hello is asked about in the waiting window, except a
    // guest named AcceptName, let in at once.
    void HostRace(bool Ask, const QString& Name, quint16 Port, const QString& AcceptName = QString());
    // Asks for the name and address, then joins; Ask false joins at once.
    void JoinRace(bool Ask, const QString& Name, const QString& Address);
    // Leaves the race (the other player is told).
    void Leave();
    // Before a box opens over the race's table: every card in the air lies
    // where the race has it (under a box the flights hold still).
    void LandForBox();
    // The program is ending: a race is left as by Leave, its goodbye on its
    // way before the process ends, and nothing more is shown.
    void Terminate();

    // TTableMode: the player's key (1..4) and click on one of their slots;
    // Deal and the close ask first, then leave the race.
    void Key(QChar Key) override;
    void Click(TLuCardGroup* Slot) override;
    void Deal() override;
    bool CloseQuery() override;

    // TNetRaceView
    void ShowTable(const core::TRaceSnapshot& Table, int OwnSeat) override;
    void ShowEvent(const core::TRaceEvent& Event, const core::TRaceSnapshot& After, int OwnSeat) override;
    void ShowRefused(const network::TPlayRequest& Request) override;
    void AskReady() override;
    void ShowRunning(bool Running) override;
    void ShowEnd(const QString& WinnerName, TRaceEnd End) override;
    void ShowEnded(const QString& Why) override;
    void ShowPaused(const QString& Why) override;
    void ShowResumed() override;

    // How long a dropped line is waited for before the player is asked
    // (tests make it short).
    int ReturnWaitMs = TNetRaceReturn::WaitMs;
    // What the table says now (empty when nothing), for tests.
    QString StatusText() const { return FStatus.Visible() ? FStatus.Text() : QString(); }
    // The other player's name and score as the table shows them ("name|name : score").
    QString PeerText() const { return FStatus.PeerText(); }

private:
    void Begin(TNetRaceSetup::TReady Ready);
    void CountEnd(TRaceEnd End);
    void Lay(const core::TRaceSnapshot& Table, int OwnSeat);
    void Relay();
    void PlaySlot(int Slot);
    void Finish();
    void ShowWaiting();
    void StopReturn();
    void OnReturnTick(int SecondsLeft);
    void OnGaveUp();

    TGameState& State;
    TCardComponents& Cards;
    TGameHost& Host;
    TNetRaceRecords& Records;
    TNetRaceSetup FSetup;
    // The race's own deals: drawing from the process-wide generator, or
    // seeding it, would change the deals of the game against the computer.
    std::mt19937 FRandom;
    // The home router's forwarding of the hosting port, from hosting to the
    // race's end (null when the router is not asked).
    std::unique_ptr<network::TPortMapping> FPortMapping;
    std::unique_ptr<TNetRaceSession> FSession;
    TNetRaceFlights FFlights;
    TNetRaceStatus FStatus;
    TNetRaceReturn::TWhere FWhere;          // where the race's line ran
    std::unique_ptr<TNetRaceReturn> FReturn; // while the line is down
    bool FWaitingForPeer = false;            // our OK or Yes is given, the other's not yet
    core::TRaceSnapshot FShownBefore; // the table before the next change
    bool FQuestion = false; // the question to play again is open
    bool FStartBox = false; // the start box is open
    bool FTerminating = false;
    QString FOwnName;       // as the other player knows this one
    // The deal the race records will count, from both OKs to its end.
    struct TCountedRace {
        bool Open = false;
        int Deck = 1;
        std::int64_t StartedMs = 0;
    } FCounted;
};
