#pragma once
// The drawing base of the card library: the buffered graphic control that
// every card control derives from, the library-wide busy state, and the
// sprite that flies cards over the form.
#include "cardlib/lubusy.h"
#include "cardlib/lucustomgraphiccontrol.h"
#include "cardlib/lusprite.h"
