#include "game/netrace/netraceflights.h"

#include "cardlib/lucardgroup.h"
#include "cardlib/lucardimages.h"
#include "cardlib/lucardtable.h"
#include "cardlib/lusinglecard.h"
#include "game/table/cardcomponents.h"
#include "game/table/gamestate.h"

#include <algorithm>

using core::TRaceEvent;
using core::TRaceSnapshot;
using netracetable::TCardInFlight;

namespace {

int SideOf(int Seat, int OwnSeat)
{
    return Seat == OwnSeat ? UserSide : ComputerSide;
}

QImage Picture(int Card)
{
    return CardFlightPicture(CardImage(Card));
}

} // namespace

TNetRaceFlights::TNetRaceFlights(TGameState& State, TCardComponents& Cards, std::function<void()> Landed)
    : Cards(Cards)
    , FLanded(std::move(Landed))
    , FBoard(State, Cards, [this](int Id) { this->Landed(Id); })
{
}

QPoint TNetRaceFlights::SlotPlace(int Side, int Slot) const
{
    const TLuCardGroup* Group = Cards.Slots(Side)[static_cast<std::size_t>(std::clamp(Slot, 0, core::SlotCount - 1))];
    const TLuSingleCard* Card = Group->CardAt(0);
    return Card ? Card->ParentPos() : QPoint(Group->Left(), Group->Top());
}

QPoint TNetRaceFlights::PilePlace(int Side, int Count) const
{
    const TLuCardGroup* Pile = Cards.Pile(Side);
    const TLuSingleCard* Card = Pile->CardAt(std::clamp(Count - 1, 0, std::max(0, Pile->ItemCount() - 1)));
    return Card ? Card->ParentPos() : QPoint(Pile->Left(), Pile->Top());
}

QPoint TNetRaceFlights::CentrePlace(int OwnSeat, int Centre) const
{
    return netracetable::CentreTable(Cards, OwnSeat, Centre)->WindowPlace(TLuCardTable::PosTop);
}

void TNetRaceFlights::Launch(TFlight Flight, QPoint Start, int Duration)
{
    const QImage Image = Flight.Image;
    const QPoint End = Flight.End;
    FBoard.Launch(std::move(Flight), Image, Start, End, Duration);
}

TNetRaceFlights::TBoard::TInAir* TNetRaceFlights::Find(int Seat, int Slot, TCardInFlight::TInto Into)
{
    return FBoard.FindIf([&](const TBoard::TInAir& F) {
        return F.Meaning.Shown.Seat == Seat && F.Meaning.Shown.Slot == Slot && F.Meaning.Shown.Into == Into;
    });
}

bool TNetRaceFlights::Answered(const TRaceEvent& Event, std::uint8_t Under)
{
    TBoard::TInAir* Out = Find(Event.Seat, Event.Slot, TCardInFlight::TInto::Answer);
    if (!Out)
        return false;
    if (Out->Meaning.Shown.Centre != Event.Centre || !FBoard.Animated()) {
        // Played elsewhere, or a change that does not fly now: the card is
        // no longer out, and the play flies (or shows) as any other.
        FBoard.Cancel(Out->Id);
        return false;
    }
    // The host said yes: the card already on its way goes on.
    Out->Meaning.Shown.Into = TCardInFlight::TInto::Centre;
    Out->Meaning.Shown.Under = Under;
    if (Out->Meaning.Waiting) {
        FBoard.Cancel(Out->Id);
        if (FLanded)
            FLanded();
    }
    return true;
}

void TNetRaceFlights::Event(const TRaceEvent& Event, const TRaceSnapshot& Before, int OwnSeat)
{
    const int Seat = Event.Seat;
    const std::uint8_t Under = Before.CentreTop[Event.Centre & 1];
    if (Event.Kind == TRaceEvent::TKind::Played && Seat == OwnSeat && Answered(Event, Under))
        return;
    if (!FBoard.Animated())
        return;
    const int Side = SideOf(Seat, OwnSeat);
    switch (Event.Kind) {
    case TRaceEvent::TKind::Played:
        Launch({{TCardInFlight::TInto::Centre, Seat, Event.Slot, Event.Centre, Under}, Picture(Event.Card),
                CentrePlace(OwnSeat, Event.Centre)},
               SlotPlace(Side, Event.Slot), TFlightPace::PlayMs);
        return;
    case TRaceEvent::TKind::Refilled:
        Launch({{TCardInFlight::TInto::Slot, Seat, Event.Slot, 0, core::NoCard}, Picture(Event.Card),
                SlotPlace(Side, Event.Slot)},
               PilePlace(Side, Before.PileCount[static_cast<std::size_t>(Seat & 1)]), TFlightPace::RefillMs);
        return;
    case TRaceEvent::TKind::Turned:
        Launch({{TCardInFlight::TInto::Centre, Seat, -1, Event.Centre, Under}, Picture(Event.Card),
                CentrePlace(OwnSeat, Event.Centre)},
               Event.Slot < 0 ? PilePlace(Side, Before.PileCount[static_cast<std::size_t>(Seat & 1)])
                              : SlotPlace(Side, Event.Slot),
               TFlightPace::TurnMs);
        return;
    case TRaceEvent::TKind::Won:
        return;
    }
}

void TNetRaceFlights::Request(int Slot, int Centre, int OwnSeat)
{
    if (!FBoard.Animated() || Slot < 0 || Slot >= core::SlotCount)
        return;
    const TLuSingleCard* Card = Cards.Slots(UserSide)[static_cast<std::size_t>(Slot)]->CardAt(0);
    if (!Card || Card->Empty())
        return;
    Launch({{TCardInFlight::TInto::Answer, OwnSeat, Slot, Centre, core::NoCard}, CardFlightPicture(Card->FaceImage()),
            CentrePlace(OwnSeat, Centre)},
           SlotPlace(UserSide, Slot), TFlightPace::PlayMs);
}

void TNetRaceFlights::Refused(int Slot, int OwnSeat)
{
    TBoard::TInAir* Out = Find(OwnSeat, Slot, TCardInFlight::TInto::Answer);
    if (!Out)
        return;
    if (!FBoard.Animated()) {
        // Home at once: it would hold still under the box.
        FBoard.Cancel(Out->Id);
        return;
    }
    const QPoint Now = Out->Meaning.Waiting ? Out->Meaning.End : FBoard.Position(Out->Id);
    TFlight Back{{TCardInFlight::TInto::Slot, OwnSeat, Slot, 0, core::NoCard}, Out->Meaning.Image,
                 SlotPlace(UserSide, Slot)};
    FBoard.Cancel(Out->Id);
    Launch(Back, Now.isNull() ? Back.End : Now, TFlightPace::BackMs);
}

void TNetRaceFlights::Landed(int Id)
{
    TBoard::TInAir* F = FBoard.Find(Id);
    if (!F)
        return;
    if (F->Meaning.Shown.Into == TCardInFlight::TInto::Answer) {
        // No answer yet: the card waits where it arrived, still drawn.
        F->Meaning.Waiting = true;
        FBoard.Relaunch(Id, F->Meaning.Image, F->Meaning.End, F->Meaning.End, TFlightPace::WaitMs);
        return;
    }
    FBoard.Take(Id);
    if (FLanded)
        FLanded();
}

bool TNetRaceFlights::Busy(int Slot, int OwnSeat) const
{
    const auto& Flights = FBoard.Flights();
    return std::any_of(Flights.begin(), Flights.end(), [&](const TBoard::TInAir& F) {
        return F.Meaning.Shown.Seat == OwnSeat && F.Meaning.Shown.Slot == Slot
            && F.Meaning.Shown.Into != TCardInFlight::TInto::Centre;
    });
}

TRaceSnapshot TNetRaceFlights::Presented(const TRaceSnapshot& Table) const
{
    std::vector<TCardInFlight> Shown;
    Shown.reserve(FBoard.Flights().size());
    for (const TBoard::TInAir& F : FBoard.Flights())
        Shown.push_back(F.Meaning.Shown);
    return netracetable::PresentedTable(Table, Shown);
}

void TNetRaceFlights::Clear()
{
    FBoard.CancelAll();
}
