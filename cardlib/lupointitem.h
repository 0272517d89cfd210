#pragma once
// Points that one card ID is worth. The table keeps the list with its
// settings; nothing in the library sums the points.
#include "cardlib/lucollection.h"

#include <cstdint>

class TLuPointItem : public TLuCollectionItem<TLuPointItem>
{
public:
    explicit TLuPointItem(TCollection* collection);

    std::int32_t CardID() const { return FCardID; }
    void SetCardID(std::int32_t value) { FCardID = value; }
    std::int32_t Points() const { return FPoints; }
    void SetPoints(std::int32_t value) { FPoints = value; }

private:
    std::int32_t FCardID = 14;
    std::int32_t FPoints = 1;
};
