#include "cardlib/lupointitem.h"

TLuPointItem::TLuPointItem(TCollection* collection) : TLuCollectionItem(collection) {}
