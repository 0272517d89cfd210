#pragma once
// The four suit signs as outlines in the unit square (pointing up), and
// their stencils at a given pixel size.

#include "tools/cardart/mask.h"
#include "tools/cardart/palette.h"

#include <QPainterPath>

namespace art {

enum class Suit { Club, Diamond, Heart, Spade };

QPainterPath suitPath(Suit suit);
Mask suitMask(Suit suit, int width, int height);
inline bool isRed(Suit s) { return s == Suit::Diamond || s == Suit::Heart; }
inline Colour suitColour(Suit s) { return isRed(s) ? Red : Black; }

} // namespace art
