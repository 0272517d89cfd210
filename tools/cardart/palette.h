#pragma once
// The fixed colours the card art is drawn with. Every pixel of every card is
// one of these, so the 16-colour files need no quantising at all. Magenta is
// deliberately absent: the loader treats it as see-through.

#include <QRgb>

#include <array>

namespace art {

enum Colour : int {
    Black,
    White,
    Red,
    DarkRed,
    Yellow,
    Orange,
    Brown,
    Skin,
    Blue,
    Navy,
    Cyan,
    LightBlue,
    Green,
    DarkGreen,
    Silver,
    Grey,
    ColourCount
};

inline constexpr std::array<QRgb, ColourCount> kPalette = {
    qRgb(0, 0, 0),       qRgb(255, 255, 255), qRgb(216, 0, 0),    qRgb(128, 0, 0),
    qRgb(255, 216, 0),   qRgb(232, 136, 24),  qRgb(120, 64, 16),  qRgb(255, 204, 160),
    qRgb(0, 72, 216),    qRgb(0, 0, 112),     qRgb(0, 192, 216),  qRgb(144, 196, 255),
    qRgb(0, 160, 48),    qRgb(0, 88, 24),     qRgb(192, 192, 192), qRgb(96, 96, 96),
};

inline QRgb rgb(Colour c) { return kPalette[static_cast<std::size_t>(c)]; }

} // namespace art
