#pragma once
// The drawing base of the card library: the buffered graphic control that
// every card control derives from, and the library-wide busy state.
#include "cardlib/lubusy.h"
#include "cardlib/lucustomgraphiccontrol.h"
#include "cardlib/lusprite.h"
