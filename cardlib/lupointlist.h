#pragma once
// The card points of a card table, in the order they were entered.
#include "cardlib/lucollection.h"
#include "cardlib/lupointitem.h"

class TLuPointList : public TLuCollection<TLuPointItem>
{
public:
    explicit TLuPointList(QObject* owner = nullptr);

    // Appends an item with the given card ID and points and returns it.
    TLuPointItem* AddPoints(std::int32_t cardID, std::int32_t points);
};
