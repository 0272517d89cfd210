#include "game/netracetable.h"

#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "cardlib/lusinglecard.h"
#include "cardlib/lutypes.h"
#include "game/cardcomponents.h"
#include "game/gamerules.h"

#include <array>

namespace netracetable {

namespace {

// The seat shown in a row of the screen: UserSide is the bottom row.
int SeatOf(int OwnSeat, int Side)
{
    return Side == UserSide ? OwnSeat : 1 - OwnSeat;
}

void LayPile(TLuCardGroup* Pile, int Count)
{
    for (int I = 0; I < Pile->ItemCount(); ++I) {
        TLuSingleCard* Card = Pile->CardAt(I);
        if (!Card || Card->Reserved())
            continue;
        if (I < Count) {
            // Face down: which card lies there is the host's to know.
            Card->SetID(MinCardID);
            Card->SetShowBack(true);
            Card->SetEmpty(false);
        } else {
            Card->SetEmpty(true);
        }
    }
}

void LaySlot(TLuCardGroup* Slot, int ID)
{
    TLuSingleCard* Card = Slot->CardAt(0);
    if (!Card)
        return;
    if (ID == network::NoCard) {
        Card->SetEmpty(true);
        return;
    }
    Card->SetID(ID);
    Card->SetShowBack(false);
    Card->SetEmpty(false);
}

} // namespace

int ScreenCentre(int OwnSeat, int Centre)
{
    return OwnSeat == 0 ? Centre : 1 - Centre;
}

std::optional<int> CentreFor(const network::TRaceSnapshot& Table, int OwnSeat, int Slot)
{
    if (OwnSeat < 0 || OwnSeat > 1 || Slot < 0 || Slot >= network::SlotCount)
        return std::nullopt;
    const int Card = Table.Slots[static_cast<std::size_t>(OwnSeat)][static_cast<std::size_t>(Slot)];
    if (Card == network::NoCard)
        return std::nullopt;
    for (int OnScreen = 0; OnScreen < network::CentrePiles; ++OnScreen) {
        const int Centre = ScreenCentre(OwnSeat, OnScreen); // the mapping is its own inverse
        const int Top = Table.CentreTop[static_cast<std::size_t>(Centre)];
        if (Top != network::NoCard && gamerules::IsAdjacent(IDToValue(Card), IDToValue(Top)))
            return Centre;
    }
    return std::nullopt;
}

bool SeatCanPlay(const network::TRaceSnapshot& Table, int Seat)
{
    for (int Slot = 0; Slot < network::SlotCount; ++Slot)
        if (CentreFor(Table, Seat, Slot))
            return true;
    return false;
}

network::TRaceSnapshot PresentedTable(const network::TRaceSnapshot& Table, const std::vector<TCardInFlight>& Flights)
{
    network::TRaceSnapshot Shown = Table;
    std::array<bool, network::CentrePiles> Covered{};
    for (const TCardInFlight& F : Flights) {
        const auto Seat = static_cast<std::size_t>(F.Seat & 1);
        const bool InSlot = F.Slot >= 0 && F.Slot < network::SlotCount;
        if (F.Into == TCardInFlight::TInto::Centre) {
            const auto Centre = static_cast<std::size_t>(F.Centre & 1);
            // The oldest flight onto a pile decides what it shows: the later
            // ones land on the cards before them.
            if (!Covered[Centre]) {
                Covered[Centre] = true;
                Shown.CentreTop[Centre] = F.Under;
            }
        } else if (InSlot) {
            Shown.Slots[Seat][static_cast<std::size_t>(F.Slot)] = network::NoCard;
        }
    }
    return Shown;
}

TLuCardTable* CentreTable(const TCardComponents& Cards, int OwnSeat, int Centre)
{
    return ScreenCentre(OwnSeat, Centre) == 0 ? Cards.CardTable1 : Cards.CardTable2;
}

void Lay(TCardComponents& Cards, const network::TRaceSnapshot& Table, int OwnSeat)
{
    for (const int Side : {UserSide, ComputerSide}) {
        const auto Seat = static_cast<std::size_t>(SeatOf(OwnSeat, Side));
        LayPile(Cards.Pile(Side), Table.PileCount[Seat]);
        const auto Slots = Cards.Slots(Side);
        for (std::size_t S = 0; S < Slots.size(); ++S)
            LaySlot(Slots[S], Table.Slots[Seat][S]);
    }
    for (int Centre = 0; Centre < network::CentrePiles; ++Centre) {
        TLuCardTable* Pile = CentreTable(Cards, OwnSeat, Centre);
        const int Top = Table.CentreTop[static_cast<std::size_t>(Centre)];
        const TLuSingleCard* Shown = Pile->CardTop();
        if (Top == network::NoCard) {
            Pile->ClearTable(false);
        } else if (Shown->Empty() || Shown->ID() != Top) {
            Pile->SetLandingPosition(TLuCardTable::PosTop);
            Pile->PlaceCard(Top, false, nullptr);
        }
    }
}

} // namespace netracetable
