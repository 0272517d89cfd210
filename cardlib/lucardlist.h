#pragma once
// The cards of a card group: an owned, ordered list of items, each owning one
// card. At run time the list only grows; every card's Index is its item's
// position, which drawing, the non-empty index list and a table's return of
// a refused card rely on.
#include <memory>
#include <vector>

class TLuCardGroup;
class TLuCardItem;

class TLuCardList {
public:
    explicit TLuCardList(TLuCardGroup* Group);
    // Frees the items and their cards without any item event or AfterUpdate.
    ~TLuCardList();
    TLuCardList(const TLuCardList&) = delete;
    TLuCardList& operator=(const TLuCardList&) = delete;

    TLuCardGroup* Group() const { return FGroup; }
    int Count() const { return static_cast<int>(FItems.size()); }
    // The item at Index; nullptr outside 0..Count-1.
    TLuCardItem* Items(int Index) const;
    // Position of Item in this list, -1 when it is not one of ours.
    int IndexOf(const TLuCardItem* Item) const;

    // Appends a new item and returns it: first the group auto-tightens for
    // the number of items it has now (not while it is being loaded), then
    // the item is inserted (AfterUpdate), its card created and drawn at its
    // place, and AfterAddCard fired (neither event while loading).
    TLuCardItem* Add();
    // Destroys the item at Index (its card first, then AfterDeleteCard, then
    // AfterUpdate); the cards after it move up one place and the group is
    // laid out again. An index outside the list is ignored.
    void Delete(int Index);
    // Destroys every item, firing AfterDeleteCard per item and AfterUpdate once.
    void Clear();

private:
    // The list's change notification, after every insertion and removal.
    void Update();
    void DestroyCard(TLuCardItem& Item);

    TLuCardGroup* FGroup;
    std::vector<std::unique_ptr<TLuCardItem>> FItems;
};
