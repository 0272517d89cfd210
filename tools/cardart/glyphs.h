#pragma once
// Hand-set pixel letters: bold rank indices for the card corners and a small
// 5 x 7 alphabet for the joker's corners and for captions. Pixel letters stay
// sharp at this size where scaled outlines would smear.

#include "tools/cardart/mask.h"

#include <QString>

namespace art {

// The corner index of a card value 2..14 (11 J, 12 Q, 13 K, 14 A), 9 rows high.
Mask rankGlyph(int value);
// A small capital letter or digit, 5 x 7; unknown characters are blank.
Mask smallGlyph(QChar c);
// A line of small glyphs with one blank column between them.
Mask smallText(const QString& text);

} // namespace art
