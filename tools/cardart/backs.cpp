#include "tools/cardart/backs.h"

#include <cmath>

namespace art {

namespace {

// The design fills this box; a white margin stays between it and the edge.
constexpr int kBoxX = 3;
constexpr int kBoxY = 3;
constexpr int kBoxW = kCardWidth - 2 * kBoxX;
constexpr int kBoxH = kCardHeight - 2 * kBoxY;

Mask boxMask()
{
    Mask m(kCardWidth, kCardHeight);
    for (int y = kBoxY; y < kBoxY + kBoxH; ++y)
        for (int x = kBoxX; x < kBoxX + kBoxW; ++x)
            m.set(x, y, true);
    return m;
}

// Fill the box below a gently curved horizon (left, middle and right heights).
void ground(Canvas& c, double left, double middle, double right, Colour colour)
{
    QPainterPath p;
    p.moveTo(kBoxX, left);
    p.quadTo(35, middle, kBoxX + kBoxW, right);
    p.lineTo(kBoxX + kBoxW, kBoxY + kBoxH);
    p.lineTo(kBoxX, kBoxY + kBoxH);
    p.closeSubpath();
    c.fill(p, colour);
}

void smallPattern(Canvas& c)
{
    // A blue diagonal lattice on white, a small red diamond in every mesh.
    Canvas t(White, 8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x + y) % 8 == 0 || (x - y + 8) % 8 == 0)
                t.pixel(x, y, Blue);
    t.rect(3, 4, 3, 1, Red);
    t.rect(4, 3, 1, 3, Red);
    t.pixel(0, 7, Navy);
    c.tile(t, kBoxX, kBoxY, kBoxW, kBoxH, 0, 4);
    c.frame(kBoxX, kBoxY, kBoxW, kBoxH, Blue);
    c.frame(kBoxX + 1, kBoxY + 1, kBoxW - 2, kBoxH - 2, Red);
}

void lattice(Canvas& c)
{
    c.rect(kBoxX, kBoxY, kBoxW, kBoxH, Navy);
    const int step = 9;
    const int band = 5;
    // Strands run both ways and pass over and under each other in turn; the
    // strand on top keeps its edges across the crossing, the one below is
    // shaded where it dives under.
    for (int y = 0; y < kBoxH; ++y)
        for (int x = 0; x < kBoxW; ++x) {
            const int hx = (x + 2) % step;
            const int hy = (y + 4) % step;
            const bool inH = hy < band;
            const bool inV = hx < band;
            if (!inH && !inV)
                continue;
            const int cell = (x + 2) / step + (y + 4) / step;
            const bool horizontalOnTop = inH && (!inV || cell % 2 == 0);
            const int across = horizontalOnTop ? hy : hx;
            const int along = horizontalOnTop ? hx : hy;
            Colour col = Yellow;
            if (across == 0 || across == band - 1)
                col = Brown;
            else if (across == band / 2)
                col = Orange;
            if (!(inH && inV) && (along == band || along == step - 1))
                col = across == 0 || across == band - 1 ? Black : Brown;
            c.pixel(kBoxX + x, kBoxY + y, col);
        }
    c.frame(kBoxX, kBoxY, kBoxW, kBoxH, Yellow);
}

// An ivy leaf pointing up from its stalk at the origin: a broad base and
// three pointed lobes.
QPainterPath ivyLeaf(double cx, double cy, double size, double angle)
{
    QPainterPath p;
    p.moveTo(0, 0.42);
    p.quadTo(-0.25, 0.52, -0.38, 0.36);
    p.quadTo(-0.46, 0.22, -0.52, 0.02); // left lobe point
    p.quadTo(-0.34, 0.02, -0.2, -0.08);
    p.quadTo(-0.1, -0.3, 0, -0.52); // top lobe point
    p.quadTo(0.1, -0.3, 0.2, -0.08);
    p.quadTo(0.34, 0.02, 0.52, 0.02); // right lobe point
    p.quadTo(0.46, 0.22, 0.38, 0.36);
    p.quadTo(0.25, 0.52, 0, 0.42);
    p.closeSubpath();
    QTransform t;
    t.translate(cx, cy);
    t.rotate(angle);
    t.scale(size, size);
    return t.map(p);
}

void ivy(Canvas& c, Colour ground)
{
    c.rect(kBoxX, kBoxY, kBoxW, kBoxH, ground);
    for (int v = 0; v < 3; ++v) {
        const double baseX = 14 + 21 * v;
        QPainterPath vine;
        vine.moveTo(baseX, kBoxY);
        for (int y = kBoxY; y <= kBoxY + kBoxH; y += 2)
            vine.lineTo(baseX + 5 * std::sin((y + 11 * v) / 9.0), y);
        c.stroke(vine, 1.5, Brown);
        for (int k = 0; k < 6; ++k) {
            const double y = 9 + 15 * k + 4 * v;
            const double x = baseX + 5 * std::sin((y + 11 * v) / 9.0);
            const int side = (k + v) % 2 == 0 ? 1 : -1;
            const double lx = x + side * 8;
            const double ly = y + 3;
            const double angle = side * 125.0; // hanging outwards and down
            c.line(x, y, lx - side * 3, ly - 2, 1.0, Brown);
            const bool dark = (k + v) % 3 == 0;
            c.fill(ivyLeaf(lx, ly, 15, angle), dark ? DarkGreen : Green);
            // Veins from the stalk to the three points.
            QTransform t;
            t.translate(lx, ly);
            t.rotate(angle);
            t.scale(15, 15);
            const Colour vein = dark ? Green : DarkGreen;
            const QPointF base = t.map(QPointF(0, 0.3));
            for (const QPointF tip : {QPointF(0, -0.3), QPointF(-0.3, 0.05), QPointF(0.3, 0.05)}) {
                const QPointF end = t.map(tip);
                c.line(base.x(), base.y(), end.x(), end.y(), 0.8, vein);
            }
        }
    }
}

void fish(Canvas& c, double x, double y, int dir, Colour body, Colour fin)
{
    QPainterPath b;
    b.addEllipse(QPointF(x, y), 6, 3.5);
    c.fill(b, body);
    c.polygon({{x - dir * 5, y}, {x - dir * 10, y - 4}, {x - dir * 10, y + 4}}, fin);
    c.polygon({{x - 1, y - 3}, {x + dir * 2, y - 6}, {x + dir * 3, y - 3}}, fin);
    c.pixel(static_cast<int>(x + dir * 3), static_cast<int>(y - 1), Black);
}

void fishes(Canvas& c, Colour water, Colour body, Colour fin)
{
    c.rect(kBoxX, kBoxY, kBoxW, kBoxH, water);
    for (int row = 0; row < 6; ++row) {
        const int dir = row % 2 == 0 ? 1 : -1;
        for (int col = 0; col < 3; ++col) {
            const double x = 14 + 21 * col + (row % 2) * 9;
            const double y = 11 + 15 * row;
            fish(c, x, y, dir, body, fin);
        }
        c.ring(8 + (row * 23) % 55, 17 + 15 * row, 1.5, 1.5, 1.0, White);
    }
    // Weed along the bottom.
    for (int i = 0; i < 7; ++i) {
        QPainterPath w;
        const double x = 7 + 9 * i;
        w.moveTo(x, kBoxY + kBoxH);
        w.quadTo(x + 4, kBoxY + kBoxH - 5, x, kBoxY + kBoxH - 10);
        c.stroke(w, 1.5, Green);
    }
}

void beach(Canvas& c)
{
    c.rect(kBoxX, kBoxY, kBoxW, 50, LightBlue);
    c.ellipse(52, 16, 7, 7, Yellow);
    c.ellipse(18, 14, 6, 2.5, White);
    c.ellipse(25, 12, 5, 2.5, White);
    c.rect(kBoxX, 53, kBoxW, 14, Blue);
    for (int x = kBoxX; x < kBoxX + kBoxW; x += 6) {
        c.pixel(x, 57, White);
        c.pixel(x + 1, 57, White);
        c.pixel(x + 3, 62, White);
        c.pixel(x + 4, 62, White);
    }
    ground(c, 66, 62, 68, Yellow);
    for (int i = 0; i < 12; ++i)
        c.pixel(8 + (i * 17) % 58, 72 + (i * 7) % 18, Orange);
    // Palm tree: a leaning ringed trunk and arching fronds.
    QPainterPath trunk;
    trunk.moveTo(22, 86);
    trunk.quadTo(20, 55, 34, 30);
    c.stroke(trunk, 4.0, Brown);
    for (int i = 0; i < 8; ++i) {
        const double t = i / 8.0;
        const double y = 84 - 52 * t;
        const double x = 22 + (t * t) * 12 - 2 * t * (1 - t) * 1.5;
        c.line(x - 2, y, x + 2, y - 1, 1.0, Orange);
    }
    const double tx = 34;
    const double ty = 30;
    const double fronds[][4] = {{-18, 2, -22, 14},  {-12, -8, -20, -4}, {2, -12, 8, -14},
                                {14, -8, 22, -2},   {16, 2, 24, 14},    {6, 6, 10, 18}};
    for (const auto& f : fronds) {
        QPainterPath p;
        p.moveTo(tx, ty);
        p.quadTo(tx + f[0], ty + f[1] - 6, tx + f[2], ty + f[3]);
        c.stroke(p, 3.0, Green);
        c.stroke(p, 1.0, DarkGreen);
    }
    c.ellipse(32, 33, 2, 2, Brown);
    c.ellipse(36, 34, 2, 2, Brown);
}

void iceCream(Canvas& c)
{
    c.rect(kBoxX, kBoxY, kBoxW, kBoxH, LightBlue);
    for (int y = kBoxY; y < kBoxY + kBoxH; y += 8)
        for (int x = kBoxX + ((y / 8) % 2) * 4; x < kBoxX + kBoxW; x += 8)
            c.pixel(x, y, White);
    // Cone with a waffle pattern.
    QPainterPath cone;
    cone.moveTo(20, 48);
    cone.lineTo(50, 48);
    cone.lineTo(35, 88);
    cone.closeSubpath();
    c.fill(cone, Orange);
    const Mask coneMask = Mask::fromPath(cone, kCardWidth, kCardHeight);
    const Mask* outerClip = c.clip();
    c.setClip(&coneMask);
    for (int k = -60; k < 100; k += 6) {
        c.line(k, 40, k + 50, 90, 1.0, Brown);
        c.line(k + 50, 40, k, 90, 1.0, Brown);
    }
    c.setClip(outerClip);
    // Scoops: chocolate, vanilla and strawberry with a cherry.
    c.ellipse(35, 44, 16, 9, Brown);
    c.ellipse(35, 34, 14, 9, White);
    c.ellipse(35, 24, 12, 8.5, Red);
    for (int i = 0; i < 4; ++i) {
        c.ellipse(24 + 7 * i, 50, 2.5, 3, Brown);
        c.ellipse(25 + 6 * i, 40, 2, 2.5, White);
    }
    c.ellipse(35, 13, 3.5, 3.5, DarkRed);
    c.pixel(34, 12, White);
    c.line(35, 10, 39, 4, 1.0, DarkGreen);
    for (int i = 0; i < 5; ++i)
        c.pixel(29 + 3 * i, 22 + (i % 2) * 3, Yellow);
}

void robot(Canvas& c)
{
    c.rect(kBoxX, kBoxY, kBoxW, kBoxH, Navy);
    for (int y = kBoxY + 4; y < kBoxY + kBoxH; y += 8)
        for (int x = kBoxX + 4; x < kBoxX + kBoxW; x += 8)
            c.pixel(x, y, Blue);
    // Antenna and head.
    c.line(35, 16, 35, 9, 1.2, Grey);
    c.ellipse(35, 8, 2.5, 2.5, Red);
    c.rect(23, 16, 25, 18, Silver);
    c.frame(23, 16, 25, 18, Grey);
    c.rect(27, 21, 6, 5, Cyan);
    c.rect(38, 21, 6, 5, Cyan);
    c.rect(29, 23, 2, 2, Black);
    c.rect(40, 23, 2, 2, Black);
    c.rect(29, 29, 13, 3, Grey);
    for (int x = 30; x < 42; x += 2)
        c.pixel(x, 30, White);
    c.rect(20, 21, 3, 6, Grey);
    c.rect(48, 21, 3, 6, Grey);
    // Neck, body with a control panel, arms and legs.
    c.rect(31, 34, 9, 3, Grey);
    c.rect(19, 37, 33, 28, Silver);
    c.frame(19, 37, 33, 28, Grey);
    c.rect(24, 42, 23, 12, Grey);
    c.ellipse(28, 47, 2, 2, Red);
    c.ellipse(35, 47, 2, 2, Yellow);
    c.ellipse(42, 47, 2, 2, Green);
    for (int x = 25; x < 46; x += 3)
        c.rect(x, 57, 2, 4, Blue);
    c.line(17, 40, 11, 60, 4.0, Grey);
    c.line(54, 40, 60, 60, 4.0, Grey);
    c.ring(10, 63, 3, 3, 2.0, Silver);
    c.ring(61, 63, 3, 3, 2.0, Silver);
    c.rect(24, 65, 8, 18, Grey);
    c.rect(39, 65, 8, 18, Grey);
    c.rect(21, 83, 13, 5, Silver);
    c.rect(37, 83, 13, 5, Silver);
}

void miniCard(Canvas& c, double x, double y, double angle, Colour mark)
{
    QPainterPath p;
    p.addRect(-5, -7, 10, 14);
    QTransform t;
    t.translate(x, y);
    t.rotate(angle);
    c.fill(t.map(p), Black);
    QPainterPath inner;
    inner.addRect(-4, -6, 8, 12);
    c.fill(t.map(inner), White);
    QPainterPath spot;
    spot.addEllipse(QPointF(0, 0), 2, 2);
    c.fill(t.map(spot), mark);
}

void tricky(Canvas& c)
{
    c.rect(kBoxX, kBoxY, kBoxW, kBoxH, DarkGreen);
    for (int y = kBoxY; y < kBoxY + kBoxH; ++y)
        for (int x = kBoxX; x < kBoxX + kBoxW; ++x)
            if ((x * 3 + y * 5) % 11 == 0)
                c.pixel(x, y, Green);
    // The sleeve comes down from the top right; the hand points down left.
    QPainterPath sleeve;
    sleeve.moveTo(70, 3);
    sleeve.lineTo(70, 30);
    sleeve.lineTo(44, 52);
    sleeve.lineTo(22, 36);
    sleeve.lineTo(46, 3);
    sleeve.closeSubpath();
    c.fill(sleeve, Blue);
    c.line(50, 8, 62, 28, 1.0, Navy);
    c.line(58, 6, 68, 20, 1.0, Navy);
    // Cards slipping out from under the cuff, fanned over the back of the wrist.
    miniCard(c, 52, 60, 40, Red);
    miniCard(c, 46, 64, 15, Black);
    miniCard(c, 38, 66, -10, Red);
    // The hand.
    QPainterPath hand;
    hand.moveTo(24, 40);
    hand.quadTo(16, 46, 14, 56);
    hand.lineTo(8, 70);
    hand.quadTo(10, 73, 13, 70);
    hand.lineTo(19, 60);
    hand.lineTo(17, 76);
    hand.quadTo(20, 79, 22, 76);
    hand.lineTo(25, 62);
    hand.lineTo(27, 78);
    hand.quadTo(30, 80, 31, 77);
    hand.lineTo(31, 62);
    hand.lineTo(35, 70);
    hand.quadTo(38, 71, 38, 68);
    hand.lineTo(36, 58);
    hand.quadTo(40, 56, 41, 52);
    hand.quadTo(36, 48, 30, 46);
    hand.closeSubpath();
    c.fill(hand, Skin);
    c.stroke(hand, 1.0, Brown);
    // The white cuff with its buttons.
    c.polygon({{20, 35}, {26, 31}, {48, 50}, {42, 55}}, White);
    c.line(20, 35, 42, 55, 1.0, Silver);
    c.pixel(30, 40, Black);
    c.pixel(38, 46, Black);
    // And the ace already half out, at the top of the fan.
    miniCard(c, 58, 44, 70, Black);
    c.polygon({{48, 50}, {56, 43}, {60, 38}, {64, 34}, {70, 30}, {44, 52}}, Blue);
}

void rose(Canvas& c)
{
    c.rect(kBoxX, kBoxY, kBoxW, kBoxH, White);
    c.frame(kBoxX + 1, kBoxY + 1, kBoxW - 2, kBoxH - 2, DarkGreen);
    c.frame(kBoxX + 3, kBoxY + 3, kBoxW - 6, kBoxH - 6, Green);
    QPainterPath stem;
    stem.moveTo(35, 46);
    stem.quadTo(31, 66, 36, 86);
    c.stroke(stem, 2.0, DarkGreen);
    QPainterPath leaf1;
    leaf1.moveTo(33, 64);
    leaf1.quadTo(22, 54, 15, 60);
    leaf1.quadTo(22, 70, 33, 64);
    c.fill(leaf1, Green);
    c.line(33, 64, 18, 60, 1.0, DarkGreen);
    QPainterPath leaf2;
    leaf2.moveTo(35, 74);
    leaf2.quadTo(46, 64, 55, 69);
    leaf2.quadTo(46, 80, 35, 74);
    c.fill(leaf2, Green);
    c.line(35, 74, 52, 69, 1.0, DarkGreen);
    c.polygon({{32, 56}, {29, 55}, {32, 58}}, DarkGreen);
    c.polygon({{36, 80}, {39, 79}, {36, 82}}, DarkGreen);
    // Green sepals under the bloom.
    c.polygon({{35, 44}, {22, 48}, {30, 42}}, DarkGreen);
    c.polygon({{35, 44}, {48, 48}, {40, 42}}, DarkGreen);
    // The bloom: outer petals from the back forwards, each with a dark rim,
    // then the cupped centre with its curl.
    auto petal = [&](double x, double y, double rx, double ry) {
        c.ellipse(x, y, rx, ry, DarkRed);
        c.ellipse(x, y - 0.5, rx - 1.2, ry - 1.2, Red);
    };
    petal(24, 26, 8, 8);
    petal(46, 26, 8, 8);
    petal(35, 20, 9, 7);
    petal(25, 35, 8, 8);
    petal(45, 35, 8, 8);
    petal(35, 38, 11, 8);
    petal(35, 29, 9, 8);
    QPainterPath cup;
    cup.moveTo(27, 30);
    cup.quadTo(35, 38, 43, 30);
    c.stroke(cup, 1.0, DarkRed);
    QPainterPath spiral;
    spiral.moveTo(35, 27);
    for (int i = 1; i < 36; ++i) {
        const double a = i * 0.3;
        const double r = 0.16 * i;
        spiral.lineTo(35 + r * std::cos(a), 27 + 0.75 * r * std::sin(a));
    }
    c.stroke(spiral, 1.0, DarkRed);
    c.line(24, 40, 30, 43, 1.0, DarkRed);
    c.line(46, 40, 40, 43, 1.0, DarkRed);
}

void castle(Canvas& c)
{
    c.rect(kBoxX, kBoxY, kBoxW, kBoxH, Navy);
    const int stars[][2] = {{8, 8}, {20, 14}, {58, 30}, {12, 30}, {44, 10}, {30, 6},
                            {62, 8}, {6, 45}, {50, 22}, {26, 24}, {64, 44}, {38, 18}};
    for (const auto& s : stars)
        c.pixel(s[0], s[1], (s[0] + s[1]) % 3 == 0 ? Yellow : White);
    // Crescent moon.
    c.ellipse(52, 15, 7, 7, Yellow);
    c.ellipse(49, 13, 6.5, 6.5, Navy);
    // Hill.
    ground(c, 80, 66, 80, DarkGreen);
    // Castle: a curtain wall with two side towers and a tall keep.
    auto battlements = [&](int x, int y, int w) {
        for (int i = x; i + 2 <= x + w; i += 4)
            c.rect(i, y - 3, 2, 3, Grey);
    };
    c.rect(14, 52, 43, 24, Grey);
    battlements(14, 52, 43);
    c.rect(8, 40, 11, 36, Grey);
    c.polygon({{7, 40}, {13.5, 29}, {20, 40}}, DarkRed);
    c.rect(52, 40, 11, 36, Grey);
    c.polygon({{51, 40}, {57.5, 29}, {64, 40}}, DarkRed);
    c.rect(27, 34, 17, 42, Grey);
    battlements(27, 34, 17);
    c.line(35, 31, 35, 20, 1.0, Silver);
    c.polygon({{36, 20}, {42, 22}, {36, 25}}, Red);
    // Lit windows and the gate.
    const int windows[][2] = {{12, 46}, {56, 46}, {33, 40}, {33, 50}, {20, 58}, {48, 58}};
    for (const auto& w : windows)
        c.rect(w[0], w[1], 3, 4, Yellow);
    QPainterPath gate;
    gate.moveTo(30, 76);
    gate.lineTo(30, 66);
    gate.quadTo(35, 60, 40, 66);
    gate.lineTo(40, 76);
    gate.closeSubpath();
    c.fill(gate, Black);
    for (int y = kBoxY + 4; y < kBoxY + kBoxH; y += 6)
        for (int x = 10; x < 62; x += 6)
            if (c.at(x, y) == Grey && ((x + y) % 12 == 0))
                c.rect(x, y, 3, 1, Silver);
}

void redCross(Canvas& c)
{
    c.rect(kBoxX, kBoxY, kBoxW, kBoxH, Green);
    c.frame(kBoxX + 2, kBoxY + 2, kBoxW - 4, kBoxH - 4, DarkGreen);
    c.line(12, 14, 58, 81, 11.0, DarkRed);
    c.line(58, 14, 12, 81, 11.0, DarkRed);
    c.line(12, 14, 58, 81, 8.0, Red);
    c.line(58, 14, 12, 81, 8.0, Red);
}

void greenRing(Canvas& c)
{
    c.rect(kBoxX, kBoxY, kBoxW, kBoxH, DarkGreen);
    c.frame(kBoxX + 2, kBoxY + 2, kBoxW - 4, kBoxH - 4, Green);
    c.ring(35, 47.5, 22, 22, 9.0, Green);
    c.ring(35, 47.5, 22, 22, 2.0, DarkGreen);
}

void dots(Canvas& c)
{
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 7; ++col) {
            const double x = 8.5 + 9 * col + (row % 2) * 4.5;
            const double y = 8 + 9 * row;
            if (x < 64)
                c.ellipse(x, y, 3.1, 3.1, Black);
        }
}

} // namespace

Canvas drawBack(int design)
{
    Canvas c;
    const Mask box = boxMask();
    c.setClip(&box);
    switch (design) {
    case 0: smallPattern(c); break;
    case 1: lattice(c); break;
    case 2: ivy(c, Black); break;
    case 3: ivy(c, Blue); break;
    case 4: fishes(c, Cyan, Orange, Red); break;
    case 5: fishes(c, Blue, Yellow, Orange); break;
    case 6: beach(c); break;
    case 7: iceCream(c); break;
    case 8: robot(c); break;
    case 9: tricky(c); break;
    case 10: rose(c); break;
    case 11: castle(c); break;
    case 12: redCross(c); break;
    case 13: greenRing(c); break;
    case 14: dots(c); break;
    default: break;
    }
    c.setClip(nullptr);
    return c;
}

} // namespace art
