#include "game/table/cardcomponents.h"

#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "cardlib/lusinglecard.h"

namespace {

std::uint8_t CardOf(const TLuSingleCard* Card)
{
    return Card && !Card->Empty() ? static_cast<std::uint8_t>(Card->ID()) : core::NoCard;
}

} // namespace

core::THand TCardComponents::Hand(int Side) const
{
    core::THand Hand{};
    const auto Groups = Slots(Side);
    for (std::size_t S = 0; S < Groups.size(); ++S)
        Hand[S] = Groups[S] ? CardOf(Groups[S]->CardAt(0)) : core::NoCard;
    return Hand;
}

core::TCentreTops TCardComponents::CentreTops() const
{
    return {CardTable1 ? CardOf(CardTable1->CardTop()) : core::NoCard,
            CardTable2 ? CardOf(CardTable2->CardTop()) : core::NoCard};
}

int TCardComponents::PileCount(int Side) const
{
    TLuCardGroup* Group = Pile(Side);
    return Group ? Group->NonEmptyCount() : 0;
}
