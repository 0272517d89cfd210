#pragma once
// The card components of the game table, by the names the game uses, and
// the two sides as the window's rules number them: side 1 is the user (bottom
// row), side 2 the computer (top row), each with hand slots 1..4 from the
// left, as the keys "1".."4" name them. The race's shared moves (core/)
// number from 0; Hand and CentreTops are where the two meet.
#include "core/moves.h"

#include <array>

class TLuCardDeck;
class TLuCardGroup;
class TLuCardTable;
class TLuVirtualDeck;

constexpr int UserSide = 1;
constexpr int ComputerSide = 2;
constexpr int SlotCount = core::SlotCount;

struct TCardComponents {
    TLuCardGroup* Play2Pile = nullptr; // the computer's face-down pile
    TLuCardGroup* Play2Card1 = nullptr; // the computer's hand slots, left to right
    TLuCardGroup* Play2Card2 = nullptr;
    TLuCardGroup* Play2Card3 = nullptr;
    TLuCardGroup* Play2Card4 = nullptr;
    TLuCardGroup* Play1Pile = nullptr; // the user's face-down pile
    TLuCardGroup* Play1Card1 = nullptr; // the user's hand slots, left to right
    TLuCardGroup* Play1Card2 = nullptr;
    TLuCardGroup* Play1Card3 = nullptr;
    TLuCardGroup* Play1Card4 = nullptr;
    TLuCardTable* CardTable1 = nullptr; // the left centre pile
    TLuCardTable* CardTable2 = nullptr; // the right centre pile
    // Hidden way stations: a pile card reaches a hand slot through them.
    TLuCardTable* TempTable1 = nullptr;
    TLuCardTable* TempTable2 = nullptr;
    TLuCardDeck* Deck = nullptr;          // the visual deck; a click deals
    TLuVirtualDeck* VirtualDeck = nullptr; // shared by both centre piles

    TLuCardGroup* Pile(int Side) const { return Side == UserSide ? Play1Pile : Play2Pile; }
    // Slot 1..4 of the side; nullptr for any other number.
    TLuCardGroup* Slot(int Side, int N) const
    {
        if (N < 1 || N > SlotCount)
            return nullptr;
        return Slots(Side)[static_cast<std::size_t>(N - 1)];
    }
    std::array<TLuCardGroup*, SlotCount> Slots(int Side) const
    {
        if (Side == UserSide)
            return {Play1Card1, Play1Card2, Play1Card3, Play1Card4};
        return {Play2Card1, Play2Card2, Play2Card3, Play2Card4};
    }
    // The number 1..4 of a hand slot of the side, 0 when Group is none of them.
    int SlotNumber(int Side, const TLuCardGroup* Group) const
    {
        for (int N = 1; N <= SlotCount; ++N)
            if (Slot(Side, N) == Group)
                return N;
        return 0;
    }
    // The centre pile the side's pile turns onto in a stalemate.
    TLuCardTable* CentrePile(int Side) const { return Side == UserSide ? CardTable1 : CardTable2; }
    TLuCardTable* TempTable(int Side) const { return Side == UserSide ? TempTable1 : TempTable2; }
    // Centre pile 0 is CardTable1 (the left), 1 CardTable2.
    TLuCardTable* Centre(int Index) const { return Index == 0 ? CardTable1 : CardTable2; }

    // What the moves read: the side's hand cards (slot 1 at 0) and the
    // centre piles' top cards, core::NoCard where none lies.
    core::THand Hand(int Side) const;
    core::TCentreTops CentreTops() const;
    // The cards the side's face-down pile holds.
    int PileCount(int Side) const;
};
