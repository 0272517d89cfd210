#pragma once
// Every decision of a move, for both kinds of race: whether a side can play,
// which centre pile a player's card goes onto, the computer's move in its
// search order, and what a side turns in a stalemate. The game against the
// computer asks these of the cards on its table, the race over the network
// of its model; neither decides a move any other way.
#include "core/cards.h"

#include <array>
#include <cstdint>
#include <optional>

namespace core {

constexpr int SlotCount = 4;   // hand slots per side, 0..3 left to right
constexpr int CentrePiles = 2; // 0 the left pile as the host (or the user) sees it

using THand = std::array<std::uint8_t, SlotCount>;         // NoCard: an empty slot
using TCentreTops = std::array<std::uint8_t, CentrePiles>; // NoCard: an empty pile
// A centre pile with a card on its way onto it takes no other meanwhile.
using TCentreBusy = std::array<bool, CentrePiles>;
// The centre piles in the order a side tries them.
using TPileOrder = std::array<int, CentrePiles>;

// True when a card of Hand fits one of the centre piles, busy or not.
bool CanPlay(const THand& Hand, const TCentreTops& Tops);

// The first centre pile in Order that Card fits and that is not busy.
std::optional<int> PileFor(int Card, const TCentreTops& Tops, const TPileOrder& Order, const TCentreBusy& Busy = {});

struct TMove {
    int Slot = 0;
    int Centre = 0;
    friend bool operator==(const TMove&, const TMove&) = default;
};

// The computer's move: no lookahead and no memory, the first that fits with
// the centre piles tried in Order (its own first) and, for each, the slots
// from the left.
std::optional<TMove> ComputerMove(const THand& Hand, const TCentreTops& Tops, const TPileOrder& Order,
                                  const TCentreBusy& Busy = {});

// What a side turns onto its centre pile in a stalemate: its pile's top
// while the pile holds a card (PileTop), else its first hand card from the
// left (the slot); nothing when it holds no card.
constexpr int PileTop = -1;
std::optional<int> StalemateCard(int PileCount, const THand& Hand);

} // namespace core
