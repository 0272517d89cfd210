#pragma once
// The composition of a deck: how many copies of each card of the four suits
// and how many jokers it holds, and the deck's card IDs in unshuffled order.
#include "cardlib/lujoker.h"
#include "cardlib/lusuit.h"

#include <cstdint>
#include <vector>

// A growable list of card IDs.
using TLuArrayInt = std::vector<std::int32_t>;

class TLuIncludedCards
{
public:
    // Every card once, no jokers: 52 cards.
    TLuIncludedCards();
    TLuIncludedCards(const TLuIncludedCards&) = delete;
    TLuIncludedCards& operator=(const TLuIncludedCards&) = delete;

    TLuSuit& Clubs() { return FClubs; }
    const TLuSuit& Clubs() const { return FClubs; }
    TLuSuit& Diamonds() { return FDiamonds; }
    const TLuSuit& Diamonds() const { return FDiamonds; }
    TLuSuit& Spades() { return FSpades; }
    const TLuSuit& Spades() const { return FSpades; }
    TLuSuit& Hearts() { return FHearts; }
    const TLuSuit& Hearts() const { return FHearts; }
    TLuJoker& Jokers() { return FJokers; }
    const TLuJoker& Jokers() const { return FJokers; }

    // 1 clubs, 2 diamonds, 3 spades, 4 hearts (the order of the ID blocks);
    // any other index gives the clubs.
    TLuSuit& SuitByIndex(int Index);
    const TLuSuit& SuitByIndex(int Index) const;

    // The number of cards the composition makes.
    int CountCards() const;
    // List := the deck in unshuffled order: suits in index order, ranks 2 to
    // ace, copies of one card side by side; then the red and the blue jokers.
    void BuildCardList(TLuArrayInt& List) const;

    // Copies every count; each suit keeps its own IDBase.
    void Assign(const TLuIncludedCards& Source);

    static constexpr int SuitCount = 4;

private:
    TLuSuit FClubs{0};
    TLuSuit FSpades{26};
    TLuSuit FDiamonds{13};
    TLuSuit FHearts{39};
    TLuJoker FJokers;
};
