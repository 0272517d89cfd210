#include "tools/cardart/suits.h"

namespace art {

namespace {

// The heart body: two round lobes meeting in a notch, narrowing to a point.
QPainterPath heart(double top, double bottom)
{
    auto y = [&](double t) { return top + (bottom - top) * t; };
    QPainterPath p;
    p.moveTo(0.5, y(1.0));
    p.cubicTo(0.40, y(0.80), 0.0, y(0.58), 0.0, y(0.30));
    p.cubicTo(0.0, y(0.10), 0.12, y(0.0), 0.26, y(0.0));
    p.cubicTo(0.39, y(0.0), 0.47, y(0.08), 0.5, y(0.20));
    p.cubicTo(0.53, y(0.08), 0.61, y(0.0), 0.74, y(0.0));
    p.cubicTo(0.88, y(0.0), 1.0, y(0.10), 1.0, y(0.30));
    p.cubicTo(1.0, y(0.58), 0.60, y(0.80), 0.5, y(1.0));
    p.closeSubpath();
    return p;
}

// The flared foot shared by clubs and spades.
QPainterPath stem(double from)
{
    QPainterPath p;
    p.moveTo(0.44, from);
    p.quadTo(0.44, 0.90, 0.22, 1.0);
    p.lineTo(0.78, 1.0);
    p.quadTo(0.56, 0.90, 0.56, from);
    p.closeSubpath();
    return p;
}

} // namespace

QPainterPath suitPath(Suit suit)
{
    QPainterPath p;
    switch (suit) {
    case Suit::Heart:
        return heart(0.0, 1.0);
    case Suit::Diamond:
        p.moveTo(0.5, 0.0);
        p.quadTo(0.70, 0.28, 1.0, 0.5);
        p.quadTo(0.70, 0.72, 0.5, 1.0);
        p.quadTo(0.30, 0.72, 0.0, 0.5);
        p.quadTo(0.30, 0.28, 0.5, 0.0);
        p.closeSubpath();
        return p;
    case Suit::Spade: {
        QTransform flip;
        flip.translate(0, 0.80);
        flip.scale(1, -1);
        p = flip.map(heart(0.0, 0.80));
        p.addPath(stem(0.55));
        return p.simplified();
    }
    case Suit::Club:
        p.addEllipse(QPointF(0.5, 0.24), 0.24, 0.24);
        p.addEllipse(QPointF(0.24, 0.58), 0.24, 0.24);
        p.addEllipse(QPointF(0.76, 0.58), 0.24, 0.24);
        p.addEllipse(QPointF(0.5, 0.52), 0.17, 0.17);
        p.addPath(stem(0.5));
        p.setFillRule(Qt::WindingFill);
        return p.simplified();
    }
    return p;
}

Mask suitMask(Suit suit, int width, int height)
{
    return Mask::fromUnitPath(suitPath(suit), width, height);
}

} // namespace art
