#pragma once
// A race between two machines on the game's table, as each player sees it:
// their own seat in the bottom row, the other's in the top row, and the
// centre piles as across a real table, so the host's left pile is the
// guest's right pile.
#include "network/racemessages.h"

#include <optional>

struct TCardComponents;
class TLuCardTable;

namespace netracetable {

// 0 for the left pile on the screen of the player at OwnSeat, 1 for the right.
int ScreenCentre(int OwnSeat, int Centre);
// The centre pile (absolute) that the player's Slot card goes onto when they
// press its key or click it: the first it fits, from their left; none when
// it fits neither or the slot is empty.
std::optional<int> CentreFor(const network::TRaceSnapshot& Table, int OwnSeat, int Slot);

// True when one of Seat's hand cards fits a centre pile.
bool SeatCanPlay(const network::TRaceSnapshot& Table, int Seat);

// Lays the whole table out: the piles face down by their counts, the hands
// face up, the top card of each centre pile.
void Lay(TCardComponents& Cards, const network::TRaceSnapshot& Table, int OwnSeat);

// The centre pile's control for an absolute centre pile.
TLuCardTable* CentreTable(const TCardComponents& Cards, int OwnSeat, int Centre);

} // namespace netracetable
