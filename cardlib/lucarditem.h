#pragma once
// One place of a card group: the item owns the card that lies there. The
// item's position in its list is the card's Index.
#include <memory>

class TLuCardGroup;
class TLuCardList;
class TLuSingleCard;

class TLuCardItem {
public:
    ~TLuCardItem();
    TLuCardItem(const TLuCardItem&) = delete;
    TLuCardItem& operator=(const TLuCardItem&) = delete;

    // The group that owns the item's list; set once the item's card exists.
    TLuCardGroup* Group() const { return FGroup; }
    TLuCardList* Collection() const { return FList; }
    // The owned card; nullptr while the item is being created (before its
    // card exists) and while it is being destroyed.
    TLuSingleCard* Card() const { return FCard.get(); }
    // Copies Value's state into the owned card (TLuSingleCard::Assign); the
    // owned card object itself is never replaced. Ignored without a card.
    void SetCard(const TLuSingleCard& Value);
    // The item's current position in its list.
    int Index() const;

private:
    friend class TLuCardList;
    explicit TLuCardItem(TLuCardList* List);

    TLuCardList* FList;
    TLuCardGroup* FGroup = nullptr;
    std::unique_ptr<TLuSingleCard> FCard;
};
