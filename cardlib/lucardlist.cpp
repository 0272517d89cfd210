#include "cardlib/lucardlist.h"

#include "cardlib/lucardgroup.h"
#include "cardlib/lucarditem.h"
#include "cardlib/lusinglecard.h"

TLuCardList::TLuCardList(TLuCardGroup* Group)
    : FGroup(Group)
{
}

// The items go silently: the group is on its way out too.
TLuCardList::~TLuCardList() = default;

TLuCardItem* TLuCardList::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        return nullptr;
    return FItems[static_cast<std::size_t>(Index)].get();
}

int TLuCardList::IndexOf(const TLuCardItem* Item) const
{
    for (std::size_t I = 0; I < FItems.size(); ++I)
        if (FItems[I].get() == Item)
            return static_cast<int>(I);
    return -1;
}

TLuCardItem* TLuCardList::Add()
{
    // Tightened for the cards there are before the new one. A group being
    // loaded gets its items from the stored description, with no layout step.
    if (!FGroup->IsLoading())
        FGroup->AutoTighten();

    FItems.push_back(std::unique_ptr<TLuCardItem>(new TLuCardItem(this)));
    TLuCardItem* Item = FItems.back().get();
    const int Position = Count() - 1;
    // The item exists without a card while the list reports the change.
    Update();

    Item->FCard = std::make_unique<TLuSingleCard>(FGroup, &FGroup->Buffer());
    TLuSingleCard* Card = Item->FCard.get();
    Card->SetIndex(Position);
    Item->FGroup = FGroup;
    if (!FGroup->IsLoading() && FGroup->AfterAddCard)
        FGroup->AfterAddCard(FGroup, Card);
    return Item;
}

void TLuCardList::DestroyCard(TLuCardItem& Item)
{
    Item.FCard.reset();
    if (FGroup->AfterDeleteCard)
        FGroup->AfterDeleteCard(FGroup);
}

void TLuCardList::Delete(int Index)
{
    TLuCardItem* Item = Items(Index);
    if (!Item)
        return;
    DestroyCard(*Item);
    // The handler may have changed the list; remove the item wherever it is now.
    const int Position = IndexOf(Item);
    if (Position < 0)
        return;
    FItems.erase(FItems.begin() + Position);
    Update();
    if (FItems.empty())
        return;
    // Every card's Index must stay its item's position.
    for (int I = Position; I < Count(); ++I)
        if (TLuSingleCard* Card = FItems[static_cast<std::size_t>(I)]->Card())
            Card->SetIndex(I);
    FGroup->RedrawBuffer(true);
}

void TLuCardList::Clear()
{
    if (FItems.empty())
        return;
    for (int I = Count() - 1; I >= 0; --I)
        if (I < Count())
            DestroyCard(*FItems[static_cast<std::size_t>(I)]);
    FItems.clear();
    Update();
}

void TLuCardList::Update()
{
    if (FItems.empty() && FGroup->Enabled())
        FGroup->FillAndInvalidate(FGroup->Width(), FGroup->Height());
    if (!FGroup->IsLoading() && FGroup->AfterUpdate)
        FGroup->AfterUpdate(FGroup);
}
