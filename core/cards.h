#pragma once
// The cards of the race as numbers: the card library's IDs of the 52
// standard cards (2..53, each suit's two to ace in turn), 0 for no card.
// Jokers never take part.
#include <cstdint>

namespace core {

constexpr std::uint8_t NoCard = 0;
constexpr std::uint8_t MinCard = 2;
constexpr std::uint8_t MaxCard = 53;

// Ranks: 2..10, 11 jack, 12 queen, 13 king, 14 ace.
constexpr int Two = 2;
constexpr int Ace = 14;

// The rank of a standard card, 0 for no card or anything else.
int Rank(int Card);

// True when a card of rank a may go on a card of rank b: one apart, the ace
// lying both above the king and below the two. Equal ranks never fit.
bool IsAdjacent(int a, int b);

// True when Card may go onto a centre pile whose top is Top; nothing goes
// onto an empty pile, and no card is played.
bool Fits(int Card, int Top);

} // namespace core
