#pragma once
// Which picture each of the 69 card bitmaps holds. The game addresses its
// pictures by slot (the card ID for faces, 56 + design for backs) while the
// bitmaps are numbered ace-first with hearts before spades; resourceForSlot
// is the loader's translation, and the generator uses it to file each
// picture under the number the loader will look for.

#include "tools/cardart/canvas.h"
#include "tools/cardart/suits.h"

#include <QRgb>

#include <vector>

namespace art {

inline constexpr int kFirstSlot = 2;
inline constexpr int kLastSlot = 70;
inline constexpr int kFirstBackSlot = 56;

int resourceForSlot(int slot);

struct SlotPicture
{
    int slot = 0;
    int resource = 0;
    Canvas canvas;
    int bitsPerPixel = 4;
    std::vector<QRgb> palette;
    QString description;
};

SlotPicture drawSlot(int slot);

} // namespace art
