#pragma once
// The card faces: number cards, aces, court cards and the two jokers.

#include "tools/cardart/canvas.h"
#include "tools/cardart/suits.h"

namespace art {

// value 2..14 (11 jack, 12 queen, 13 king, 14 ace)
Canvas drawFace(Suit suit, int value);
Canvas drawJoker(bool red);

// Court and joker pictures are outlined: every coloured pixel touching the
// white ground inside the box turns black.
void outlineAgainstWhite(Canvas& c, int x, int y, int w, int h);

} // namespace art
