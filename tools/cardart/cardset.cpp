#include "tools/cardart/cardset.h"

#include "tools/cardart/backs.h"
#include "tools/cardart/faces.h"

namespace art {

int resourceForSlot(int slot)
{
    int n = slot;
    if (slot == 14 || slot == 27 || slot == 40 || slot == 53)
        n = slot - 13;
    if (n >= 27 && n <= 39)
        n += 13;
    else if (n >= 40 && n <= 52)
        n -= 13;
    if (n >= 54)
        n -= 1;
    return n;
}

namespace {

const char* const kSuitNames[] = {"clubs", "diamonds", "spades", "hearts"};
const char* const kBackNames[] = {"default", "labyrinth", "ivy on black", "ivy on blue",
                                  "fish on cyan", "fish on blue", "beach", "ice cream",
                                  "robot", "tricky", "rose", "castle", "red cross",
                                  "green ring", "dots"};

QString valueName(int value)
{
    switch (value) {
    case 11: return QStringLiteral("jack");
    case 12: return QStringLiteral("queen");
    case 13: return QStringLiteral("king");
    case 14: return QStringLiteral("ace");
    default: return QString::number(value);
    }
}

std::vector<QRgb> fullPalette() { return {kPalette.begin(), kPalette.end()}; }

} // namespace

SlotPicture drawSlot(int slot)
{
    SlotPicture p;
    p.slot = slot;
    p.resource = resourceForSlot(slot);
    if (slot >= kFirstBackSlot) {
        const int design = slot - kFirstBackSlot;
        p.canvas = drawBack(design);
        p.description = QStringLiteral("back: %1").arg(kBackNames[design]);
        if (isTwoColourBack(design)) {
            p.bitsPerPixel = 1;
            p.palette = {rgb(Black), rgb(White)};
        } else {
            p.palette = fullPalette();
        }
        return p;
    }
    if (slot >= 54) {
        const bool red = slot == 54;
        p.canvas = drawJoker(red);
        p.description = red ? QStringLiteral("red joker") : QStringLiteral("blue joker");
        p.palette = fullPalette();
        return p;
    }
    // Card IDs run in blocks of thirteen: clubs, diamonds, spades, hearts.
    const int block = (slot - 2) / 13;
    const int value = slot - 13 * block;
    const Suit suits[] = {Suit::Club, Suit::Diamond, Suit::Spade, Suit::Heart};
    const Suit suit = suits[block];
    p.canvas = drawFace(suit, value);
    p.description = QStringLiteral("%1 of %2").arg(valueName(value), kSuitNames[block]);
    if (value >= 11 && value <= 13) {
        p.palette = fullPalette();
    } else {
        p.bitsPerPixel = 1;
        p.palette = {rgb(suitColour(suit)), rgb(White)};
    }
    return p;
}

} // namespace art
