#include "cardlib/lupointlist.h"

TLuPointList::TLuPointList(QObject* owner) : TLuCollection(owner) {}

TLuPointItem* TLuPointList::AddPoints(std::int32_t cardID, std::int32_t points)
{
    TLuPointItem* item = Add();
    item->SetCardID(cardID);
    item->SetPoints(points);
    return item;
}
