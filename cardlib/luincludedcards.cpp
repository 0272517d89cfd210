#include "cardlib/luincludedcards.h"

#include "cardlib/lutypes.h"

TLuIncludedCards::TLuIncludedCards() = default;

TLuSuit& TLuIncludedCards::SuitByIndex(int Index)
{
    return const_cast<TLuSuit&>(static_cast<const TLuIncludedCards*>(this)->SuitByIndex(Index));
}

const TLuSuit& TLuIncludedCards::SuitByIndex(int Index) const
{
    switch (Index) {
    case 2:
        return FDiamonds;
    case 3:
        return FSpades;
    case 4:
        return FHearts;
    default:
        return FClubs;
    }
}

int TLuIncludedCards::CountCards() const
{
    int count = 0;
    for (int s = 1; s <= SuitCount; ++s)
        for (int value = TLuSuit::LowValue; value <= TLuSuit::HighValue; ++value)
            count += SuitByIndex(s).GetCount(value);
    return count + FJokers.RedJoker() + FJokers.BlueJoker();
}

void TLuIncludedCards::BuildCardList(TLuArrayInt& List) const
{
    List.clear();
    List.reserve(static_cast<std::size_t>(CountCards()));
    for (int s = 1; s <= SuitCount; ++s) {
        const TLuSuit& suit = SuitByIndex(s);
        for (int value = TLuSuit::LowValue; value <= TLuSuit::HighValue; ++value)
            List.insert(List.end(), suit.GetCount(value), suit.IDBase() + value);
    }
    List.insert(List.end(), FJokers.RedJoker(), RedJokerID);
    List.insert(List.end(), FJokers.BlueJoker(), BlueJokerID);
}

void TLuIncludedCards::Assign(const TLuIncludedCards& Source)
{
    for (int s = 1; s <= SuitCount; ++s)
        for (int value = TLuSuit::LowValue; value <= TLuSuit::HighValue; ++value)
            SuitByIndex(s).SetCount(value, Source.SuitByIndex(s).GetCount(value));
    FJokers.SetRedJoker(Source.Jokers().RedJoker());
    FJokers.SetBlueJoker(Source.Jokers().BlueJoker());
}
