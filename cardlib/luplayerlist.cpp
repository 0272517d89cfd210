#include "cardlib/luplayerlist.h"

TLuPlayerList::TLuPlayerList(QObject* owner) : TLuCollection(owner) {}

TLuPlayerItem* TLuPlayerList::AddGroup(TLuCardGroup* group)
{
    TLuPlayerItem* item = Add();
    item->SetCardGroup(group);
    return item;
}
