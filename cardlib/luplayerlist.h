#pragma once
// The players of a card table in turn order: the table moves from item i to
// item i + 1 and from the last item back to the first.
#include "cardlib/lucollection.h"
#include "cardlib/luplayeritem.h"

class TLuPlayerList : public TLuCollection<TLuPlayerItem>
{
public:
    explicit TLuPlayerList(QObject* owner = nullptr);

    // Appends an item naming group (which may be nullptr) and returns it.
    TLuPlayerItem* AddGroup(TLuCardGroup* group);
};
