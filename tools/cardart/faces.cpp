#include "tools/cardart/faces.h"

#include "tools/cardart/glyphs.h"

#include <cmath>
#include <vector>

namespace art {

namespace {

constexpr int kPipW = 13;
constexpr int kPipH = 14;
constexpr int kColL = 14;
constexpr int kColC = (kCardWidth - kPipW) / 2;
constexpr int kColR = kCardWidth - kColL - kPipW;
constexpr int kCentreRow = (kCardHeight - kPipH) / 2;

// Rank and a small suit sign in the top-left corner, repeated turned round
// in the bottom-right one.
void drawIndex(Canvas& c, Suit suit, int value, Colour ink)
{
    const Mask glyph = rankGlyph(value);
    c.stamp(glyph, 6 - glyph.width() / 2, 4, ink);
    c.stamp(suitMask(suit, 7, 8), 3, 15, ink);
    c.copyRotated(1, 1, 11, 24);
}

struct Pip
{
    int x;
    int y;
    bool mirrored; // also drawn turned round at the opposite place
};

std::vector<Pip> pipLayout(int value)
{
    const int top = 10;
    const int second = 31;
    switch (value) {
    case 2: return {{kColC, top, true}};
    case 3: return {{kColC, top, true}, {kColC, kCentreRow, false}};
    case 4: return {{kColL, top, true}, {kColR, top, true}};
    case 5: return {{kColL, top, true}, {kColR, top, true}, {kColC, kCentreRow, false}};
    case 6:
        return {{kColL, top, true}, {kColR, top, true}, {kColL, kCentreRow, false},
                {kColR, kCentreRow, false}};
    case 7:
        return {{kColL, top, true},          {kColR, top, true},
                {kColL, kCentreRow, false},  {kColR, kCentreRow, false},
                {kColC, (top + kCentreRow) / 2, false}};
    case 8:
        return {{kColL, top, true},         {kColR, top, true},
                {kColL, kCentreRow, false}, {kColR, kCentreRow, false},
                {kColC, (top + kCentreRow) / 2, true}};
    case 9:
        return {{kColL, top, true},    {kColR, top, true},    {kColL, second, true},
                {kColR, second, true}, {kColC, kCentreRow, false}};
    case 10:
        return {{kColL, top, true},    {kColR, top, true}, {kColL, second, true},
                {kColR, second, true}, {kColC, (top + second) / 2, true}};
    default: return {};
    }
}

void drawPips(Canvas& c, Suit suit, int value, Colour ink)
{
    const Mask up = suitMask(suit, kPipW, kPipH);
    const Mask down = up.rotated180();
    for (const Pip& p : pipLayout(value)) {
        c.stamp(up, p.x, p.y, ink);
        if (p.mirrored)
            c.stamp(down, kCardWidth - p.x - kPipW, kCardHeight - p.y - kPipH, ink);
    }
}

void drawAce(Canvas& c, Suit suit, Colour ink)
{
    int w = 31;
    int h = 34;
    if (suit == Suit::Diamond) {
        w = 27;
        h = 38;
    } else if (suit == Suit::Spade) {
        w = 35;
        h = 40;
    }
    const int x = (kCardWidth - w) / 2;
    const int y = (kCardHeight - h) / 2;
    c.stamp(suitMask(suit, w, h), x, y, ink);
    if (suit == Suit::Spade) {
        // The traditional flourish of the ace of spades: a white inner line.
        const Mask inner = suitMask(suit, w - 12, h - 14);
        const Mask core = suitMask(suit, w - 16, h - 18);
        const int ix = (kCardWidth - inner.width()) / 2;
        const int iy = y + 5;
        c.stamp(inner, ix, iy, White);
        c.stamp(core, (kCardWidth - core.width()) / 2, iy + 2, ink);
    }
}

struct CourtColours
{
    Colour robe;
    Colour panel;
    Colour trim;
};

CourtColours courtColours(Suit suit)
{
    switch (suit) {
    case Suit::Heart: return {Red, Blue, Yellow};
    case Suit::Diamond: return {Red, Yellow, Blue};
    case Suit::Club: return {Blue, Red, Yellow};
    case Suit::Spade: return {Green, Red, Yellow};
    }
    return {Red, Blue, Yellow};
}

constexpr int kFrameX = 13;
constexpr int kFrameY = 6;
constexpr int kFrameW = kCardWidth - 2 * kFrameX;
constexpr int kFrameH = kCardHeight - 2 * kFrameY;
constexpr double kDividerSlope = -1.0 / 3.0;

void drawHeadwear(Canvas& c, int value, const CourtColours& col, double hx)
{
    if (value == 13) {
        // Crown: a band with five points and jewels.
        c.polygon({{hx - 8, 17}, {hx - 9, 8}, {hx - 5, 12}, {hx - 2.5, 6}, {hx, 11}, {hx + 2.5, 6},
                   {hx + 5, 12}, {hx + 9, 8}, {hx + 8, 17}},
                  Yellow);
        c.rect(static_cast<int>(hx) - 8, 14, 17, 3, Orange);
        c.pixel(static_cast<int>(hx) - 4, 15, Red);
        c.pixel(static_cast<int>(hx), 15, col.panel == Red ? Blue : Red);
        c.pixel(static_cast<int>(hx) + 4, 15, Red);
    } else if (value == 12) {
        // Tiara: a low arc with a jewel, over long hair.
        c.polygon({{hx - 7, 16}, {hx - 5, 13}, {hx, 10}, {hx + 5, 13}, {hx + 7, 16}}, Yellow);
        c.ellipse(hx, 13, 1.6, 1.6, col.panel == Blue ? Blue : Red);
    } else {
        // Cap with a brim and a feather.
        QPainterPath cap;
        cap.moveTo(hx - 8, 16);
        cap.quadTo(hx - 7, 7, hx + 1, 8);
        cap.quadTo(hx + 9, 9, hx + 9, 16);
        cap.closeSubpath();
        c.fill(cap, col.panel);
        c.rect(static_cast<int>(hx) - 9, 15, 19, 2, col.trim);
        QPainterPath feather;
        feather.moveTo(hx + 4, 10);
        feather.quadTo(hx + 8, 5, hx + 11, 8);
        c.stroke(feather, 1.6, col.robe == Red ? Green : Red);
    }
}

// The upper half of a court figure; the lower half is the same turned round.
void drawCourtHalf(Canvas& c, Suit suit, int value)
{
    const CourtColours col = courtColours(suit);
    const double hx = 34; // the head sits a little left of centre

    // Robe: square shoulders filling the frame, reaching past the middle.
    c.polygon({{14, 36}, {22, 31}, {44, 31}, {57, 36}, {57, 62}, {14, 62}}, col.robe);
    // Robe ornament, different for each rank so the three stand apart.
    if (value == 13) {
        // Little diamonds scattered over a royal robe.
        for (int y = 40; y < 62; y += 5)
            for (int x = 16 + (y / 5) % 2 * 3; x < 56; x += 6)
                if (x < 26 || x > 39) {
                    c.pixel(x, y, col.trim);
                    c.rect(x - 1, y + 1, 3, 1, col.trim);
                    c.pixel(x, y + 2, col.trim);
                }
    } else if (value == 12) {
        // A diagonal lattice.
        for (int y = 36; y < 62; ++y)
            for (int x = 15; x < 57; ++x)
                if ((x < 27 || x > 37) && ((x + y) % 6 == 0 || (x - y + 60) % 6 == 0))
                    c.pixel(x, y, col.trim);
    } else {
        // Upright stripes.
        for (int x = 17; x < 57; x += 4)
            if (x < 26 || x > 38)
                c.rect(x, 36, 1, 26, col.trim);
    }
    // Front panel with trimmed edges.
    c.rect(27, 34, 11, 28, col.trim);
    c.rect(29, 34, 7, 28, col.panel);
    for (int y = 40; y < 62; y += 5)
        c.rect(31, y, 3, 2, col.trim);
    // Collar, ruff or ermine cape.
    if (value == 13) {
        c.polygon({{15, 37}, {22, 31}, {45, 31}, {56, 37}, {52, 41}, {34, 39}, {18, 41}}, White);
        const int spots[][2] = {{20, 37}, {26, 35}, {32, 36}, {38, 35}, {44, 36}, {50, 38}};
        for (const auto& sp : spots) {
            c.pixel(sp[0], sp[1], Black);
            c.pixel(sp[0], sp[1] + 1, Black);
        }
    } else {
        c.polygon({{23, 31}, {42, 31}, {37, 37}, {32, 39}, {27, 37}}, value == 12 ? White : col.trim);
    }

    // Hair, face and neck.
    const Colour hair = value == 12 ? Yellow : value == 11 ? Brown : Grey;
    if (value == 12)
        c.polygon({{hx - 8, 18}, {hx + 8, 18}, {hx + 10, 33}, {hx - 10, 33}}, hair);
    c.ellipse(hx, 22, 7.5, 8, hair);
    c.rect(static_cast<int>(hx) - 2, 28, 5, 4, Skin);
    c.ellipse(hx, 23, 5.5, 6.5, Skin);
    c.pixel(static_cast<int>(hx) - 2, 22, Black);
    c.pixel(static_cast<int>(hx) + 2, 22, Black);
    c.pixel(static_cast<int>(hx) - 2, 21, hair == Yellow ? Brown : hair);
    c.pixel(static_cast<int>(hx) + 2, 21, hair == Yellow ? Brown : hair);
    c.pixel(static_cast<int>(hx), 24, Orange);
    c.rect(static_cast<int>(hx) - 1, 26, 3, 1, Red);
    if (value == 13) {
        // A pointed white beard below the mouth, a grey moustache above it.
        c.polygon({{hx - 5.5, 25}, {hx + 5.5, 25}, {hx + 4, 32}, {hx, 37}, {hx - 4, 32}}, Silver);
        c.rect(static_cast<int>(hx) - 3, 25, 7, 1, Grey);
        c.rect(static_cast<int>(hx) - 1, 26, 3, 1, Red);
    }
    drawHeadwear(c, value, col, hx);

    // The right arm comes across to the hand that holds the figure's emblem.
    c.line(42, 35, 47, 44, 4.0, col.panel == Yellow ? Blue : col.panel);
    c.line(45, 43, 49, 42, 2.0, col.trim);
    if (value == 13) {
        c.polygon({{48.5, 62}, {48.5, 12}, {50.5, 8}, {52.5, 12}, {52.5, 62}}, Silver); // sword
        c.rect(50, 12, 1, 26, White);
        c.rect(46, 38, 9, 2, Yellow); // cross guard
    } else if (value == 12) {
        c.line(50, 46, 50, 24, 1.2, DarkGreen); // flower on its stem
        c.line(50, 34, 53, 31, 1.2, Green);
        c.ellipse(50, 21, 3.2, 3.2, Red);
        c.ellipse(50, 21, 1.2, 1.2, Yellow);
    } else {
        c.line(50, 60, 50, 13, 1.6, Brown); // halberd
        c.polygon({{50, 7}, {52.5, 13}, {50, 16}, {47.5, 13}}, Silver);
        c.polygon({{51, 14}, {55, 12}, {55, 19}, {51, 17}}, Silver);
    }
    c.ellipse(48, 43, 2.5, 2.5, Skin);
    // The suit sign above the shoulder.
    c.stamp(suitMask(suit, 9, 10), 16, 9, suitColour(suit));
}

Canvas drawCourt(Suit suit, int value)
{
    Canvas c;
    const Mask frameBox = [] {
        Mask m(kCardWidth, kCardHeight);
        for (int y = kFrameY + 1; y < kFrameY + kFrameH - 1; ++y)
            for (int x = kFrameX + 1; x < kFrameX + kFrameW - 1; ++x)
                m.set(x, y, true);
        return m;
    }();
    c.setClip(&frameBox);
    drawCourtHalf(c, suit, value);
    c.setClip(nullptr);
    c.mirrorHalf(kDividerSlope);
    outlineAgainstWhite(c, kFrameX + 1, kFrameY + 1, kFrameW - 2, kFrameH - 2);
    // The dividing line between the two halves.
    const double cx = (kCardWidth - 1) / 2.0;
    const double cy = (kCardHeight - 1) / 2.0;
    for (int x = kFrameX; x < kFrameX + kFrameW; ++x)
        for (int y = kFrameY; y < kFrameY + kFrameH; ++y)
            if (std::abs((y - cy) - kDividerSlope * (x - cx)) <= 0.5)
                c.pixel(x, y, suitColour(suit));
    c.frame(kFrameX, kFrameY, kFrameW, kFrameH, Black);
    drawIndex(c, suit, value, suitColour(suit));
    return c;
}

} // namespace

void outlineAgainstWhite(Canvas& c, int x, int y, int w, int h)
{
    const Canvas before = c;
    auto white = [&](int i, int j) {
        if (i < x || j < y || i >= x + w || j >= y + h)
            return false;
        return before.at(i, j) == White;
    };
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            if (before.at(i, j) != White &&
                (white(i - 1, j) || white(i + 1, j) || white(i, j - 1) || white(i, j + 1)))
                c.pixel(i, j, Black);
}

Canvas drawFace(Suit suit, int value)
{
    if (value >= 11 && value <= 13)
        return drawCourt(suit, value);
    Canvas c;
    const Colour ink = suitColour(suit);
    if (value == 14)
        drawAce(c, suit, ink);
    else
        drawPips(c, suit, value, ink);
    drawIndex(c, suit, value, ink);
    return c;
}

Canvas drawJoker(bool red)
{
    Canvas c;
    const Colour main = red ? Red : Blue;
    const Colour second = red ? Yellow : Cyan;
    const Colour dark = red ? DarkRed : Navy;
    const double cx = 35;

    // Legs and body in a two-colour jester suit.
    c.polygon({{cx - 10, 62}, {cx - 2, 62}, {cx - 4, 82}, {cx - 8, 82}}, main);
    c.polygon({{cx + 2, 62}, {cx + 10, 62}, {cx + 8, 82}, {cx + 4, 82}}, second);
    c.polygon({{cx - 11, 84}, {cx - 3, 82}, {cx - 3, 86}, {cx - 11, 86}}, dark);
    c.polygon({{cx + 3, 82}, {cx + 11, 84}, {cx + 11, 86}, {cx + 3, 86}}, dark);
    QPainterPath body;
    body.moveTo(cx - 9, 40);
    body.lineTo(cx + 9, 40);
    body.lineTo(cx + 12, 64);
    body.lineTo(cx - 12, 64);
    body.closeSubpath();
    // Harlequin diamonds in the two colours.
    const Mask bodyMask = Mask::fromPath(body, kCardWidth, kCardHeight);
    for (int y = 0; y < kCardHeight; ++y)
        for (int x = 0; x < kCardWidth; ++x)
            if (bodyMask.at(x, y))
                c.pixel(x, y, (((x + y + 301) / 8) + ((x - y + 301) / 8)) % 2 == 0
                                ? main
                                : second);
    // Buttons and belt.
    c.rect(23, 56, 25, 2, dark);
    c.pixel(35, 46, dark);
    c.pixel(35, 50, dark);
    // Arms, one raising a bauble stick.
    c.line(cx - 9, 43, cx - 17, 34, 3.0, second);
    c.line(cx + 9, 43, cx + 16, 54, 3.0, main);
    c.ellipse(cx - 18, 33, 2, 2, Skin);
    c.ellipse(cx + 17, 55, 2, 2, Skin);
    c.line(cx - 18, 36, cx - 17, 14, 1.2, Brown);
    c.ellipse(cx - 17, 12, 3, 3, dark);
    c.ellipse(cx - 17, 12, 1.5, 1.5, Yellow);
    // Ruff collar.
    for (int i = 0; i < 5; ++i)
        c.ellipse(cx - 8 + 4 * i, 39, 2.5, 2, Silver);
    // Head.
    c.ellipse(cx, 31, 6, 6.5, Skin);
    c.pixel(33, 30, Black);
    c.pixel(37, 30, Black);
    c.rect(33, 34, 5, 1, Red);
    c.pixel(32, 33, Red);
    c.pixel(38, 33, Red);
    // Three-pointed cap with bells.
    QPainterPath cap;
    cap.moveTo(cx - 7, 27);
    cap.quadTo(cx - 12, 18, cx - 17, 22);
    cap.quadTo(cx - 6, 14, cx, 9);
    cap.quadTo(cx + 6, 14, cx + 17, 22);
    cap.quadTo(cx + 12, 18, cx + 7, 27);
    cap.closeSubpath();
    c.fill(cap, main);
    c.polygon({{cx - 2, 26}, {cx, 10}, {cx + 2, 26}}, second);
    c.ellipse(cx - 17, 22, 2, 2, Yellow);
    c.ellipse(cx + 17, 22, 2, 2, Yellow);
    c.ellipse(cx, 9, 2, 2, Yellow);
    c.rect(28, 25, 15, 2, second);
    outlineAgainstWhite(c, 12, 4, 47, 88);

    // Corner words, the lower one turned round.
    const char* word = "JOKER";
    for (int i = 0; i < 5; ++i)
        c.stamp(smallGlyph(QChar(word[i])), 3, 4 + 8 * i, main);
    c.stamp(Mask::fromRows({"..#..", ".###.", "#####", ".###.", "..#.."}), 3, 45, main);
    c.copyRotated(1, 1, 9, 50);
    return c;
}

} // namespace art
