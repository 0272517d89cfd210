#include "cardlib/luplayeritem.h"

TLuPlayerItem::TLuPlayerItem(TCollection* collection) : TLuCollectionItem(collection) {}
