#include "game/netrace/netraceflights.h"

#include "cardlib/lucardgroup.h"
#include "cardlib/lucardimages.h"
#include "cardlib/lucardtable.h"
#include "cardlib/luflightlayer.h"
#include "cardlib/lusinglecard.h"
#include "game/table/cardcomponents.h"
#include "game/table/cardflights.h"
#include "game/table/gamestate.h"

#include <QWidget>

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
    : State(State)
    , Cards(Cards)
    , FLanded(std::move(Landed))
{
}

TNetRaceFlights::~TNetRaceFlights()
{
    Clear();
}

bool TNetRaceFlights::Animated() const
{
    return State.AnimateCards && Cards.CardTable1 && Cards.CardTable1->parentWidget();
}

TLuFlightLayer* TNetRaceFlights::Layer() const
{
    TLuFlightLayer* L = TLuFlightLayer::Of(Cards.CardTable1->parentWidget());
    L->SetShadowOffset(TCardFlights::ShadowOffset);
    return L;
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
    // The layer lands a flight from its frame timer, never inside Launch.
    Flight.Id = Layer()->Launch(Flight.Image, Start, Flight.End, Duration, [this](int Id) { Landed(Id); });
    FFlights.push_back(std::move(Flight));
}

std::vector<TNetRaceFlights::TFlight>::iterator TNetRaceFlights::Find(int Seat, int Slot, TCardInFlight::TInto Into)
{
    return std::find_if(FFlights.begin(), FFlights.end(), [&](const TFlight& F) {
        return F.Shown.Seat == Seat && F.Shown.Slot == Slot && F.Shown.Into == Into;
    });
}

void TNetRaceFlights::Event(const TRaceEvent& Event, const TRaceSnapshot& Before, int OwnSeat)
{
    if (!Animated())
        return;
    const int Seat = Event.Seat;
    const int Side = SideOf(Seat, OwnSeat);
    const std::uint8_t Under = Before.CentreTop[Event.Centre & 1];
    switch (Event.Kind) {
    case TRaceEvent::TKind::Played: {
        const auto Out = Seat == OwnSeat ? Find(Seat, Event.Slot, TCardInFlight::TInto::Answer) : FFlights.end();
        if (Out != FFlights.end() && Out->Shown.Centre == Event.Centre) {
            // The host said yes: the card already on its way goes on.
            Out->Shown.Into = TCardInFlight::TInto::Centre;
            Out->Shown.Under = Under;
            if (Out->Waiting) {
                Layer()->Cancel(Out->Id);
                FFlights.erase(Out);
                if (FLanded)
                    FLanded();
            }
            return;
        }
        if (Out != FFlights.end()) {
            Layer()->Cancel(Out->Id);
            FFlights.erase(Out);
        }
        Launch({0, {TCardInFlight::TInto::Centre, Seat, Event.Slot, Event.Centre, Under}, Picture(Event.Card),
                CentrePlace(OwnSeat, Event.Centre)},
               SlotPlace(Side, Event.Slot), PlayMs);
        return;
    }
    case TRaceEvent::TKind::Refilled:
        Launch({0, {TCardInFlight::TInto::Slot, Seat, Event.Slot, 0, core::NoCard}, Picture(Event.Card),
                SlotPlace(Side, Event.Slot)},
               PilePlace(Side, Before.PileCount[static_cast<std::size_t>(Seat & 1)]), RefillMs);
        return;
    case TRaceEvent::TKind::Turned:
        Launch({0, {TCardInFlight::TInto::Centre, Seat, -1, Event.Centre, Under}, Picture(Event.Card),
                CentrePlace(OwnSeat, Event.Centre)},
               Event.Slot < 0 ? PilePlace(Side, Before.PileCount[static_cast<std::size_t>(Seat & 1)])
                              : SlotPlace(Side, Event.Slot),
               TurnMs);
        return;
    case TRaceEvent::TKind::Won:
        return;
    }
}

void TNetRaceFlights::Request(int Slot, int Centre, int OwnSeat)
{
    if (!Animated() || Slot < 0 || Slot >= core::SlotCount)
        return;
    const TLuSingleCard* Card = Cards.Slots(UserSide)[static_cast<std::size_t>(Slot)]->CardAt(0);
    if (!Card || Card->Empty())
        return;
    Launch({0, {TCardInFlight::TInto::Answer, OwnSeat, Slot, Centre, core::NoCard}, CardFlightPicture(Card->FaceImage()),
            CentrePlace(OwnSeat, Centre)},
           SlotPlace(UserSide, Slot), PlayMs);
}

void TNetRaceFlights::Refused(int Slot, int OwnSeat)
{
    const auto Out = Find(OwnSeat, Slot, TCardInFlight::TInto::Answer);
    if (Out == FFlights.end())
        return;
    TLuFlightLayer* L = Layer();
    const QPoint Now = Out->Waiting ? Out->End : L->Position(Out->Id);
    TFlight Back{0, {TCardInFlight::TInto::Slot, OwnSeat, Slot, 0, core::NoCard}, Out->Image, SlotPlace(UserSide, Slot)};
    L->Cancel(Out->Id);
    FFlights.erase(Out);
    Launch(std::move(Back), Now.isNull() ? Back.End : Now, BackMs);
}

void TNetRaceFlights::Landed(int Id)
{
    const auto It = std::find_if(FFlights.begin(), FFlights.end(), [Id](const TFlight& F) { return F.Id == Id; });
    if (It == FFlights.end())
        return;
    if (It->Shown.Into == TCardInFlight::TInto::Answer) {
        // No answer yet: the card waits where it arrived, still drawn.
        It->Waiting = true;
        It->Id = Layer()->Launch(It->Image, It->End, It->End, WaitMs, [this](int Again) { Landed(Again); });
        return;
    }
    FFlights.erase(It);
    if (FLanded)
        FLanded();
}

bool TNetRaceFlights::Busy(int Slot, int OwnSeat) const
{
    return std::any_of(FFlights.begin(), FFlights.end(), [&](const TFlight& F) {
        return F.Shown.Seat == OwnSeat && F.Shown.Slot == Slot && F.Shown.Into != TCardInFlight::TInto::Centre;
    });
}

TRaceSnapshot TNetRaceFlights::Presented(const TRaceSnapshot& Table) const
{
    std::vector<TCardInFlight> Shown;
    Shown.reserve(FFlights.size());
    for (const TFlight& F : FFlights)
        Shown.push_back(F.Shown);
    return netracetable::PresentedTable(Table, Shown);
}

void TNetRaceFlights::Clear()
{
    if (!FFlights.empty() && Cards.CardTable1 && Cards.CardTable1->parentWidget())
        for (const TFlight& F : FFlights)
            Layer()->Cancel(F.Id);
    FFlights.clear();
}
