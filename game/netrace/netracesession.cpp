#include "game/netrace/netracesession.h"

#include <QCoreApplication>

#include <utility>

using namespace network;

TNetRaceSession::TNetRaceSession(TRaceTransport* Transport, TNetRaceView& View, int Decks,
                                 const std::function<int(int)>& Random, QObject* Parent)
    : TNetRaceSession(Transport, View, [Decks, Random](core::TTwoSeatRace& Race) { Race.Deal(Decks, Random); }, Parent)
{
}

TNetRaceSession::TNetRaceSession(TRaceTransport* Transport, TNetRaceView& View, TDealer Dealer, QObject* Parent)
    : QObject(Parent)
    , FTransport(Transport)
    , FView(View)
    , FDealer(std::move(Dealer))
    , FOwnSeat(Transport->IsHost() ? core::HostSeat : core::GuestSeat)
    , FPeerName(Transport->PeerName())
{
    Attach(Transport);
}

void TNetRaceSession::Attach(TRaceTransport* Transport)
{
    FTransport = Transport;
    Transport->setParent(this);
    connect(Transport, &TRaceTransport::Received, this, [this](const TMessage& M) { OnMessage(M); });
    connect(Transport, &TRaceTransport::Lost, this, [this](const QString& Why, bool Dropped) { OnLost(Why, Dropped); });
    Transport->Deliver();
}

void TNetRaceSession::Send(const TMessage& Message)
{
    // While the line is down what would be sent is in the race as it
    // stands, which the guest is sent whole when it is back.
    if (FTransport && !FPaused)
        FTransport->Send(Message);
}

TNetRaceSession::~TNetRaceSession() = default;

void TNetRaceSession::Begin()
{
    if (IsHost() && !FEnded)
        Deal();
}

void TNetRaceSession::Deal()
{
    FDealer(FRace);
    FTable = FRace.Snapshot();
    Send(TDealt{FTable});
    AfterDeal();
}

void TNetRaceSession::AfterDeal()
{
    FDealtOnce = true;
    FOwnReady = FPeerReady = FRunning = FOver = false;
    FOwnAgain.reset();
    FPeerAgain.reset();
    FPending = 0;
    FView.ShowTable(FTable, FOwnSeat);
    FView.AskReady();
}

void TNetRaceSession::Ready()
{
    if (FEnded || FOwnReady)
        return;
    FOwnReady = true;
    Send(TReady{});
    StartIfBothReady();
}

void TNetRaceSession::StartIfBothReady()
{
    if (!FOwnReady || !FPeerReady || FRunning || FOver || FPaused)
        return;
    FRunning = true;
    FView.ShowRunning(true);
    if (IsHost())
        Publish(FRace.Start());
}

void TNetRaceSession::Play(int Slot, int Centre)
{
    if (!FRunning || FPaused || Slot < 0 || Slot >= core::SlotCount || Centre < 0 || Centre >= core::CentrePiles)
        return;
    const std::uint8_t Card = FTable.Slots[static_cast<std::size_t>(FOwnSeat)][static_cast<std::size_t>(Slot)];
    if (Card == core::NoCard)
        return;
    if (IsHost()) {
        std::vector<TRaceEvent> Events;
        if (FRace.Play(FOwnSeat, Slot, Centre, Card, Events) == core::TTwoSeatRace::TRefusal::None)
            Publish(Events);
        return;
    }
    ++FPending;
    Send(TPlayRequest{static_cast<std::uint8_t>(Slot), static_cast<std::uint8_t>(Centre), Card});
}

void TNetRaceSession::Publish(const std::vector<TRaceEvent>& Events)
{
    // Every change on its way to the guest before this side paints any.
    for (const TRaceEvent& Event : Events)
        Send(TEventMessage{Event});
    for (const TRaceEvent& Event : Events) {
        if (FEnded)
            return;
        Apply(Event);
    }
}

void TNetRaceSession::Apply(const TRaceEvent& Event)
{
    if (!core::ApplyEvent(FTable, Event)) {
        Violation(tr("a move that does not fit the table"));
        return;
    }
    if (!IsHost() && Event.Seat == FOwnSeat && Event.Kind == TRaceEvent::TKind::Played && FPending > 0)
        --FPending;
    FView.ShowEvent(Event, FTable, FOwnSeat);
    if (Event.Kind == TRaceEvent::TKind::Won && !FOver)
        AnnounceEnd();
}

void TNetRaceSession::AnnounceEnd()
{
    // A stalemate can bring both to the target at once: the first win
    // announced already shows both there, and the deal is a tie.
    FRunning = false;
    FOver = true;
    FView.ShowRunning(false);
    const core::TRaceOutcome Outcome = core::RaceOutcome(FTable);
    const core::TRaceOutcome OwnWin = IsHost() ? core::TRaceOutcome::HostWon : core::TRaceOutcome::GuestWon;
    if (Outcome == core::TRaceOutcome::Tied)
        FView.ShowEnd(QString(), TRaceEnd::Tied);
    else if (Outcome == OwnWin)
        FView.ShowEnd(tr("You"), TRaceEnd::Won);
    else
        FView.ShowEnd(FPeerName, TRaceEnd::Lost);
}

void TNetRaceSession::Again(bool Yes)
{
    if (FEnded || !FOver || FOwnAgain)
        return;
    FOwnAgain = Yes;
    Send(TAgain{Yes});
    DecideAgain();
}

void TNetRaceSession::DecideAgain()
{
    if ((FOwnAgain && !*FOwnAgain) || (FPeerAgain && !*FPeerAgain)) {
        const bool OwnNo = FOwnAgain && !*FOwnAgain;
        End(OwnNo ? QString() : tr("%1 does not want to play again.").arg(FPeerName), true);
        return;
    }
    if (FOwnAgain && FPeerAgain && IsHost())
        Deal();
}

void TNetRaceSession::OnMessage(const TMessage& Message)
{
    if (FEnded)
        return;
    if (FResuming) {
        // A guest that is back hears the race as it stands before anything.
        if (const auto* Resumed = std::get_if<TResumed>(&Message); Resumed && !IsHost())
            OnResumed(*Resumed);
        else
            Violation(tr("a message out of turn"));
        return;
    }
    // What both sides send.
    if (std::holds_alternative<TReady>(Message)) {
        FPeerReady = true;
        StartIfBothReady();
        return;
    }
    if (const auto* Answer = std::get_if<TAgain>(&Message)) {
        if (FOver && !FPeerAgain) {
            FPeerAgain = Answer->Yes;
            DecideAgain();
        }
        return;
    }
    if (IsHost()) {
        // From a guest, only requests: the host decides.
        if (const auto* Request = std::get_if<TPlayRequest>(&Message)) {
            std::vector<TRaceEvent> Events;
            if (FRunning
                && FRace.Play(core::GuestSeat, Request->Slot, Request->Centre, Request->Card, Events)
                    == core::TTwoSeatRace::TRefusal::None)
                Publish(Events);
            else
                Send(TRefused{*Request});
        } else {
            Violation(tr("a message only a host sends"));
        }
        return;
    }
    if (const auto* Dealt = std::get_if<TDealt>(&Message)) {
        // A host deals the first deal, and another only once both have said
        // Yes to play again: any other deal (a flood of them while the start
        // box is open, say) is not a race of ours.
        if (FDealtOnce && !(FOver && FOwnAgain && *FOwnAgain)) {
            Violation(tr("a deal in the middle of a race"));
            return;
        }
        FTable = Dealt->Snapshot;
        AfterDeal();
    } else if (const auto* Event = std::get_if<TEventMessage>(&Message)) {
        if (!FRunning && !(Event->Event.Kind == TRaceEvent::TKind::Won && FOver)) {
            Violation(tr("a move outside a race"));
            return;
        }
        Apply(Event->Event);
    } else if (std::holds_alternative<TResumed>(Message)) {
        Violation(tr("a message out of turn"));
    } else if (const auto* Refused = std::get_if<TRefused>(&Message)) {
        if (FPending > 0)
            --FPending;
        FView.ShowRefused(Refused->Request);
    } else {
        Violation(tr("a message only a guest sends"));
    }
}

void TNetRaceSession::Violation(const QString& What)
{
    End(tr("%1 sent %2; the race has ended.").arg(FPeerName, What), true);
}

void TNetRaceSession::OnLost(const QString& Why, bool Dropped)
{
    if (!Dropped || FEnded) {
        End(Why, false);
        return;
    }
    FPaused = true;
    FResuming = false;
    // Requests on the dropped line are answered by the race as it stands.
    FPending = 0;
    if (FTransport)
        FTransport->deleteLater();
    FTransport = nullptr;
    FView.ShowPaused(Why);
}

void TNetRaceSession::Resume(TRaceTransport* Transport)
{
    if (!Transport)
        return;
    if (!FPaused || FEnded) {
        Transport->deleteLater();
        return;
    }
    Attach(Transport);
    if (!IsHost()) {
        FResuming = true;
        return;
    }
    FPaused = false;
    TResumed Resumed;
    Resumed.Snapshot = FRace.Snapshot();
    Resumed.Phase = FOver ? TResumed::TPhase::Over : FRunning ? TResumed::TPhase::Running : TResumed::TPhase::StartBox;
    Resumed.HostReady = FOwnReady;
    Resumed.HostAgain = FOwnAgain.value_or(false);
    Send(Resumed);
    FView.ShowResumed();
    FView.ShowTable(FTable, FOwnSeat);
    // Both may have pressed OK, one of them while the line was down.
    StartIfBothReady();
}

void TNetRaceSession::OnResumed(const TResumed& Resumed)
{
    FResuming = false;
    FPaused = false;
    using TPhase = TResumed::TPhase;
    FView.ShowResumed();
    if (Resumed.Phase == TPhase::StartBox && (FOver || !FDealtOnce)) {
        // The first deal, or another after both said Yes, was on the line
        // that dropped.
        FTable = Resumed.Snapshot;
        AfterDeal();
        FPeerReady = Resumed.HostReady;
        return;
    }
    FTable = Resumed.Snapshot;
    FView.ShowTable(FTable, FOwnSeat);
    switch (Resumed.Phase) {
    case TPhase::StartBox:
        FPeerReady = Resumed.HostReady;
        // Our OK may have been on the line that dropped.
        if (FOwnReady)
            Send(TReady{});
        StartIfBothReady();
        return;
    case TPhase::Running:
        if (!FRunning) {
            FRunning = true;
            FView.ShowRunning(true);
        }
        return;
    case TPhase::Over:
        if (!FOver)
            AnnounceEnd();
        if (Resumed.HostAgain)
            FPeerAgain = true;
        if (FOwnAgain)
            Send(TAgain{*FOwnAgain});
        DecideAgain();
        return;
    }
}

void TNetRaceSession::Leave()
{
    End(QString(), true);
}

void TNetRaceSession::End(const QString& Why, bool Close)
{
    if (FEnded)
        return;
    FEnded = true;
    FRunning = false;
    if (Close && FTransport)
        FTransport->Close();
    FView.ShowRunning(false);
    FView.ShowEnded(Why);
}
