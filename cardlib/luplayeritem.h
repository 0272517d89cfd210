#pragma once
// One player of a card table: the card group that plays in this turn slot.
// The item only names the group; the window owns it.
#include "cardlib/lucollection.h"

class TLuCardGroup;

class TLuPlayerItem : public TLuCollectionItem<TLuPlayerItem>
{
public:
    explicit TLuPlayerItem(TCollection* collection);

    // nullptr when the slot names no group: walks over the players skip it,
    // but it still takes its turn in the rotation.
    TLuCardGroup* CardGroup() const { return FCardGroup; }
    void SetCardGroup(TLuCardGroup* value) { FCardGroup = value; }

private:
    TLuCardGroup* FCardGroup = nullptr;
};
