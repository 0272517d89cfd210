#pragma once
// A race between two machines on the game's table, as each player sees it:
// their own seat in the bottom row, the other's in the top row, and the
// centre piles as across a real table, so the host's left pile is the
// guest's right pile.
#include "core/racesnapshot.h"

#include <optional>
#include <vector>

struct TCardComponents;
class TLuCardTable;

namespace netracetable {

// 0 for the left pile on the screen of the player at OwnSeat, 1 for the right.
int ScreenCentre(int OwnSeat, int Centre);
// The centre pile (absolute) that the player's Slot card goes onto when they
// press its key or click it: the first it fits, from their left; none when
// it fits neither or the slot is empty.
std::optional<int> CentreFor(const core::TRaceSnapshot& Table, int OwnSeat, int Slot);

// True when one of Seat's hand cards fits a centre pile.
bool SeatCanPlay(const core::TRaceSnapshot& Table, int Seat);

// Lays the whole table out: the piles face down by their counts, the hands
// face up, the top card of each centre pile.
void Lay(TCardComponents& Cards, const core::TRaceSnapshot& Table, int OwnSeat);

// A card in the air over a race's table, as the table shows it meanwhile: a
// card bound for a centre pile leaves the card it lands on (Under) on top
// until it arrives; a card bound for a hand slot leaves the slot empty; and
// the player's own card, out on a request the host has not answered yet,
// leaves its slot empty and the centre piles as the host has them.
struct TCardInFlight {
    enum class TInto { Centre, Slot, Answer };
    TInto Into = TInto::Centre;
    int Seat = 0;
    int Slot = -1;   // the hand slot it goes into, or left on a request
    int Centre = 0;  // the centre pile it goes onto
    std::uint8_t Under = core::NoCard;
};

// What the screen shows of Table while Flights (oldest first) are in the
// air: Table itself once they have all landed, so the screen never shows
// anything but the host's table once the cards are still.
core::TRaceSnapshot PresentedTable(const core::TRaceSnapshot& Table, const std::vector<TCardInFlight>& Flights);

// The table before both players have pressed OK: the face-down piles only,
// no face-up card, so that neither sees the deal before the other can.
core::TRaceSnapshot Covered(const core::TRaceSnapshot& Table);

// The centre pile's control for an absolute centre pile.
TLuCardTable* CentreTable(const TCardComponents& Cards, int OwnSeat, int Centre);

} // namespace netracetable
