#pragma once
// A race between two people on two machines, one side of it: the host's
// session holds the true race (TTwoSeatRace), deals, takes its player's plays
// and the guest's requests in the order they arrive and sends every change;
// the guest's session keeps the table the host's changes describe and turns
// its player's plays into requests. Both ask their window through
// TNetRaceView and hear back through Ready, Play and Again, so the same
// session runs against the real window and against a test's stand-in.
//
// A deal starts when both players have pressed OK; a new deal needs both to
// say Yes, and a No on either side ends the race for both. Whatever the peer
// sends is checked: a guest's request is only ever a request, and an event
// from the host that does not fit the table ends the race with a message.
//
// A line that drops (it broke or went silent, the peer did not leave) pauses
// the race instead of ending it: no card moves and nothing is counted until
// the other side is back on a new line (Resume), when the host sends the
// race as it stands and both go on exactly where it stood. Whether to wait
// and for how long is the window's to decide.
//
// The session knows its peer only through a TRaceTransport: a connection in
// the game, a line in memory in the tests of these rules.
#include "core/twoseatrace.h"
#include "network/raceconnection.h" // what the game hands it
#include "network/racetransport.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

// How a deal ended for one side.
enum class TRaceEnd { Won, Lost, Tied };

class TNetRaceView {
public:
    // The table as it now stands, from OwnSeat (a new deal, or the guest's
    // first view of it).
    virtual void ShowTable(const core::TRaceSnapshot& Table, int OwnSeat) = 0;
    // One change, and the table after it.
    virtual void ShowEvent(const core::TRaceEvent& Event, const core::TRaceSnapshot& After, int OwnSeat) = 0;
    // The host refused the player's request: its card goes back.
    virtual void ShowRefused(const network::TPlayRequest& Request) = 0;
    // The start box: the window calls Ready once its player has pressed OK.
    virtual void AskReady() = 0;
    // The race is on (both pressed OK) or over.
    virtual void ShowRunning(bool Running) = 0;
    // The deal's end: who won ("You" when this side did; empty for a tie),
    // then the window asks to play again and calls Again.
    virtual void ShowEnd(const QString& WinnerName, TRaceEnd End) = 0;
    // The race has ended for good: the peer said No, left, or was lost (Why
    // says so), or this player said No or left (Why is empty).
    virtual void ShowEnded(const QString& Why) = 0;
    // The line dropped (Why says how): the race waits for the other side.
    virtual void ShowPaused(const QString& Why) { (void)Why; }
    // The other side is back; the table as it stands follows (ShowTable).
    virtual void ShowResumed() {}

protected:
    ~TNetRaceView() = default;
};

class TNetRaceSession : public QObject {
    Q_OBJECT
public:
    // How the host lays out each new deal on its race.
    using TDealer = std::function<void(core::TTwoSeatRace& Race)>;

    // Transport is open (the peer's hello has arrived); the session takes
    // it. The host deals Decks decks a seat with Random.
    TNetRaceSession(network::TRaceTransport* Transport, TNetRaceView& View, int Decks,
                    const std::function<int(int)>& Random, QObject* Parent = nullptr);
    // The host deals with Dealer: a test starts from a table it laid out.
    TNetRaceSession(network::TRaceTransport* Transport, TNetRaceView& View, TDealer Dealer,
                    QObject* Parent = nullptr);
    ~TNetRaceSession() override;

    bool IsHost() const { return FOwnSeat == core::HostSeat; }
    int OwnSeat() const { return FOwnSeat; }
    const QString& PeerName() const { return FPeerName; }
    // The table as this side knows it.
    const core::TRaceSnapshot& Table() const { return FTable; }
    bool Running() const { return FRunning; }
    bool Ended() const { return FEnded; }
    // The line has dropped and the other side is not back yet.
    bool Paused() const { return FPaused; }
    // Requests sent and not yet answered by an event or a refusal.
    int PendingRequests() const { return FPending; }

    // The host deals the first deal (the guest waits for it).
    void Begin();
    // The player pressed OK in the start box.
    void Ready();
    // The player plays the card in Slot (0..3) onto Centre (0..1, absolute).
    // The host decides at once; the guest sends a request.
    void Play(int Slot, int Centre);
    // The answer to "play again?".
    void Again(bool Yes);
    // The player leaves: the peer is told.
    void Leave();
    // The other side is back on Transport (open, the same peer): the host
    // sends the race as it stands, the guest waits for it. The session
    // takes Transport; it does nothing unless the race is paused.
    void Resume(network::TRaceTransport* Transport);

private:
    void Attach(network::TRaceTransport* Transport);
    void Send(const network::TMessage& Message);
    void OnMessage(const network::TMessage& Message);
    void OnLost(const QString& Why, bool Dropped);
    void OnResumed(const network::TResumed& Resumed);
    void AnnounceEnd();
    void Deal();
    void StartIfBothReady();
    void Publish(const std::vector<core::TRaceEvent>& Events);
    void Apply(const core::TRaceEvent& Event);
    void AfterDeal();
    void DecideAgain();
    void End(const QString& Why, bool Close);
    void Violation(const QString& What);

    QPointer<network::TRaceTransport> FTransport;
    TNetRaceView& FView;
    TDealer FDealer;
    int FOwnSeat;
    QString FPeerName;
    core::TTwoSeatRace FRace; // the host's only
    core::TRaceSnapshot FTable;
    bool FOwnReady = false;
    bool FPeerReady = false;
    bool FRunning = false;
    bool FOver = false; // the deal has a winner; the question is open
    bool FDealtOnce = false;
    std::optional<bool> FOwnAgain;
    std::optional<bool> FPeerAgain;
    bool FEnded = false;
    bool FPaused = false;
    bool FResuming = false; // the guest is back and waits for the race as it stands
    int FPending = 0;
};
