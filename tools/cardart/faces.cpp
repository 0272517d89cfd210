#include "tools/cardart/faces.h"

#include "tools/cardart/glyphs.h"

#include <cmath>
#include <vector>

namespace art {

namespace {

constexpr int kPipW = 11;
constexpr int kPipH = 12;
constexpr int kColL = 16;
constexpr int kColC = 30;
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
    Colour lining;
    Colour trim;
};

CourtColours courtColours(Suit suit)
{
    switch (suit) {
    case Suit::Heart: return {Red, Blue, Yellow};
    case Suit::Diamond: return {Red, Green, Yellow};
    case Suit::Club: return {Blue, Red, Yellow};
    case Suit::Spade: return {Blue, Black, Yellow};
    }
    return {Red, Blue, Yellow};
}

constexpr int kFrameX = 13;
constexpr int kFrameY = 6;
constexpr int kFrameW = kCardWidth - 2 * kFrameX;
constexpr int kFrameH = kCardHeight - 2 * kFrameY;
constexpr double kDividerSlope = -1.0 / 3.0;

// The upper half of a court figure; the lower half is the same turned round.
void drawCourtHalf(Canvas& c, Suit suit, int value)
{
    const CourtColours col = courtColours(suit);
    const double cx = 35;
    // Shoulders and robe.
    QPainterPath robe;
    robe.moveTo(cx - 9, 31);
    robe.cubicTo(cx - 17, 32, cx - 20, 38, cx - 21, 58);
    robe.lineTo(cx + 21, 58);
    robe.cubicTo(cx + 20, 38, cx + 17, 32, cx + 9, 31);
    robe.closeSubpath();
    c.fill(robe, col.robe);
    // Front panel of the robe in the lining colour with a trim border.
    c.polygon({{cx - 5, 33}, {cx + 5, 33}, {cx + 9, 58}, {cx - 9, 58}}, col.trim);
    c.polygon({{cx - 3, 34}, {cx + 3, 34}, {cx + 6, 58}, {cx - 6, 58}}, col.lining);
    // Collar.
    c.polygon({{cx - 9, 30}, {cx + 9, 30}, {cx + 6, 35}, {cx, 37}, {cx - 6, 35}}, col.trim);

    // Head.
    const Colour hair = value == 12 ? Yellow : value == 11 ? Brown : Grey;
    c.ellipse(cx, 21, 7.5, 8.5, hair);
    c.ellipse(cx, 23, 5.5, 6.5, Skin);
    c.pixel(33, 22, Black);
    c.pixel(37, 22, Black);
    c.pixel(35, 24, Brown);
    c.rect(34, 26, 3, 1, Red);
    if (value == 13) {
        // Beard and moustache.
        QPainterPath beard;
        beard.moveTo(cx - 5, 25);
        beard.quadTo(cx, 36, cx + 5, 25);
        beard.lineTo(cx + 5, 27);
        beard.quadTo(cx, 31, cx - 5, 27);
        beard.closeSubpath();
        c.fill(beard, White);
        c.polygon({{cx - 6, 25}, {cx + 6, 25}, {cx + 5, 30}, {cx, 34}, {cx - 5, 30}}, Silver);
        c.rect(33, 25, 5, 1, Grey);
    }

    // Headwear.
    if (value == 13) {
        c.polygon({{cx - 7, 17}, {cx - 8, 9}, {cx - 4, 13}, {cx, 7}, {cx + 4, 13}, {cx + 8, 9},
                   {cx + 7, 17}},
                  Yellow);
        c.rect(28, 15, 15, 2, col.trim == Yellow ? Orange : Yellow);
        c.pixel(35, 11, Red);
        c.pixel(31, 15, col.lining);
        c.pixel(39, 15, col.lining);
    } else if (value == 12) {
        c.polygon({{cx - 6, 15}, {cx - 4, 12}, {cx, 9}, {cx + 4, 12}, {cx + 6, 15}}, Yellow);
        c.rect(29, 14, 13, 2, Yellow);
        c.pixel(35, 11, col.lining == Black ? Red : col.lining);
    } else {
        QPainterPath cap;
        cap.moveTo(cx - 8, 17);
        cap.quadTo(cx - 6, 8, cx + 2, 9);
        cap.quadTo(cx + 9, 10, cx + 9, 17);
        cap.closeSubpath();
        c.fill(cap, col.lining == Black ? Red : col.lining);
        c.rect(26, 15, 19, 2, col.trim);
        c.line(cx + 4, 10, cx + 11, 5, 1.4, Red); // feather
    }

    // What each figure holds, at its right hand.
    if (value == 13) {
        c.line(46, 56, 52, 16, 2.0, Silver); // sword blade
        c.line(48, 40, 55, 42, 2.0, Yellow); // hilt
    } else if (value == 12) {
        c.line(49, 52, 48, 24, 1.2, Green);
        c.ellipse(48, 22, 3.2, 3.2, Red);
        c.pixel(48, 22, Yellow);
    } else {
        c.line(50, 56, 50, 14, 1.6, Brown);
        c.polygon({{50, 8}, {53, 14}, {50, 20}, {47, 14}}, Silver);
    }
    // The suit sign beside the head.
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
    c.frame(kFrameX, kFrameY, kFrameW, kFrameH, suitColour(suit));
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
    c.fill(body, main);
    c.polygon({{cx, 40}, {cx + 9, 40}, {cx + 12, 64}, {cx, 64}}, second);
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
        c.ellipse(cx - 8 + 4 * i, 39, 2.5, 2, White);
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
