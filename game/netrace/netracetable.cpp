#include "game/netrace/netracetable.h"

#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "cardlib/lusinglecard.h"
#include "game/table/cardcomponents.h"

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
            Card->SetID(core::MinCard);
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
    if (ID == core::NoCard) {
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

std::optional<int> CentreFor(const core::TRaceSnapshot& Table, int OwnSeat, int Slot)
{
    if (OwnSeat < 0 || OwnSeat >= core::SeatCount || Slot < 0 || Slot >= core::SlotCount)
        return std::nullopt;
    // From the player's left, whichever pile that is across the table (the
    // mapping is its own inverse).
    const core::TPileOrder FromTheLeft{ScreenCentre(OwnSeat, 0), ScreenCentre(OwnSeat, 1)};
    return core::PileFor(core::HandOf(Table, OwnSeat)[static_cast<std::size_t>(Slot)], Table.CentreTop, FromTheLeft);
}

bool SeatCanPlay(const core::TRaceSnapshot& Table, int Seat)
{
    return Seat >= 0 && Seat < core::SeatCount && core::CanPlay(core::HandOf(Table, Seat), Table.CentreTop);
}

core::TRaceSnapshot PresentedTable(const core::TRaceSnapshot& Table, const std::vector<TCardInFlight>& Flights)
{
    core::TRaceSnapshot Shown = Table;
    std::array<bool, core::CentrePiles> Covered{};
    for (const TCardInFlight& F : Flights) {
        const auto Seat = static_cast<std::size_t>(F.Seat & 1);
        const bool InSlot = F.Slot >= 0 && F.Slot < core::SlotCount;
        if (F.Into == TCardInFlight::TInto::Centre) {
            const auto Centre = static_cast<std::size_t>(F.Centre & 1);
            // The oldest flight onto a pile decides what it shows: the later
            // ones land on the cards before them.
            if (!Covered[Centre]) {
                Covered[Centre] = true;
                Shown.CentreTop[Centre] = F.Under;
            }
        } else if (InSlot) {
            Shown.Slots[Seat][static_cast<std::size_t>(F.Slot)] = core::NoCard;
        }
    }
    return Shown;
}

core::TRaceSnapshot Covered(const core::TRaceSnapshot& Table)
{
    core::TRaceSnapshot Shown = Table;
    for (auto& Hand : Shown.Slots)
        Hand.fill(core::NoCard);
    Shown.CentreTop.fill(core::NoCard);
    return Shown;
}

TLuCardTable* CentreTable(const TCardComponents& Cards, int OwnSeat, int Centre)
{
    return ScreenCentre(OwnSeat, Centre) == 0 ? Cards.CardTable1 : Cards.CardTable2;
}

void Lay(TCardComponents& Cards, const core::TRaceSnapshot& Table, int OwnSeat)
{
    for (const int Side : {UserSide, ComputerSide}) {
        const auto Seat = static_cast<std::size_t>(SeatOf(OwnSeat, Side));
        LayPile(Cards.Pile(Side), Table.PileCount[Seat]);
        const auto Slots = Cards.Slots(Side);
        for (std::size_t S = 0; S < Slots.size(); ++S)
            LaySlot(Slots[S], Table.Slots[Seat][S]);
    }
    for (int Centre = 0; Centre < core::CentrePiles; ++Centre) {
        TLuCardTable* Pile = CentreTable(Cards, OwnSeat, Centre);
        const int Top = Table.CentreTop[static_cast<std::size_t>(Centre)];
        const TLuSingleCard* Shown = Pile->CardTop();
        if (Top == core::NoCard) {
            Pile->ClearTable(false);
        } else if (Shown->Empty() || Shown->ID() != Top) {
            Pile->SetLandingPosition(TLuCardTable::PosTop);
            Pile->PlaceCard(Top, false, nullptr);
        }
    }
}

} // namespace netracetable
