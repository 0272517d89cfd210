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
    Transport->setParent(this);
    connect(Transport, &TRaceTransport::Received, this, [this](const TMessage& M) { OnMessage(M); });
    connect(Transport, &TRaceTransport::Lost, this, [this](const QString& Why) { OnLost(Why); });
    Transport->Deliver();
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
    FTransport->Send(TDealt{FTable});
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
    FTransport->Send(TReady{});
    StartIfBothReady();
}

void TNetRaceSession::StartIfBothReady()
{
    if (!FOwnReady || !FPeerReady || FRunning || FOver)
        return;
    FRunning = true;
    FView.ShowRunning(true);
    if (IsHost())
        Publish(FRace.Start());
}

void TNetRaceSession::Play(int Slot, int Centre)
{
    if (!FRunning || Slot < 0 || Slot >= core::SlotCount || Centre < 0 || Centre >= core::CentrePiles)
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
    FTransport->Send(TPlayRequest{static_cast<std::uint8_t>(Slot), static_cast<std::uint8_t>(Centre), Card});
}

void TNetRaceSession::Publish(const std::vector<TRaceEvent>& Events)
{
    // Every change on its way to the guest before this side paints any.
    for (const TRaceEvent& Event : Events)
        FTransport->Send(TEventMessage{Event});
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
    if (Event.Kind == TRaceEvent::TKind::Won && !FOver) {
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
}

void TNetRaceSession::Again(bool Yes)
{
    if (FEnded || !FOver || FOwnAgain)
        return;
    FOwnAgain = Yes;
    FTransport->Send(TAgain{Yes});
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
                FTransport->Send(TRefused{*Request});
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

void TNetRaceSession::OnLost(const QString& Why)
{
    End(Why, false);
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
