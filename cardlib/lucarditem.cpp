#include "cardlib/lucarditem.h"

#include "cardlib/lucardlist.h"
#include "cardlib/lusinglecard.h"

TLuCardItem::TLuCardItem(TLuCardList* List)
    : FList(List)
{
}

TLuCardItem::~TLuCardItem() = default;

void TLuCardItem::SetCard(const TLuSingleCard& Value)
{
    if (FCard)
        FCard->Assign(Value);
}

int TLuCardItem::Index() const
{
    return FList->IndexOf(this);
}
