#pragma once
// The fifteen back designs, by their order number 0..14.

#include "tools/cardart/canvas.h"

namespace art {

inline constexpr int kBackCount = 15;

Canvas drawBack(int design);
// True for the back that is stored in two colours (black dots on white).
inline bool isTwoColourBack(int design) { return design == 14; }

} // namespace art
