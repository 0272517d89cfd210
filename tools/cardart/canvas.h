#pragma once
// A card-sized drawing surface that only ever holds palette colours. Shapes
// are filled through coverage stencils (see Mask), never blended, so the
// result can be stored as a one- or four-bit bitmap without any loss.

#include "tools/cardart/mask.h"
#include "tools/cardart/palette.h"

#include <QImage>
#include <QPainterPath>

namespace art {

inline constexpr int kCardWidth = 71;
inline constexpr int kCardHeight = 96;

class Canvas
{
public:
    explicit Canvas(Colour background = White, int width = kCardWidth, int height = kCardHeight);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const QImage& image() const { return m_image; }

    void clear(Colour c);
    void pixel(int x, int y, Colour c);
    Colour at(int x, int y) const;
    void rect(int x, int y, int w, int h, Colour c);
    // A one-pixel rectangle outline.
    void frame(int x, int y, int w, int h, Colour c);
    void fill(const QPainterPath& path, Colour c);
    void stroke(const QPainterPath& path, double width, Colour c, bool roundEnds = true);
    void ellipse(double cx, double cy, double rx, double ry, Colour c);
    void ring(double cx, double cy, double rx, double ry, double width, Colour c);
    void line(double x1, double y1, double x2, double y2, double width, Colour c);
    void polygon(std::initializer_list<QPointF> points, Colour c);
    // Set the mask's pixels with its top-left corner at (x, y).
    void stamp(const Mask& m, int x, int y, Colour c);
    // Only the pixels inside the clip stencil are touched by stamp/fill etc.
    void setClip(const Mask* clip) { m_clip = clip; }
    const Mask* clip() const { return m_clip; }

    // Replace every pixel below the line through the card's centre with the
    // pixel opposite it, so the upper half appears again turned half round.
    void mirrorHalf(double slope);
    // Point-mirror the top-left element at (x, y, w, h) into the opposite corner.
    void copyRotated(int x, int y, int w, int h);

    // Fill the interior of the box with a pattern tile repeated from its origin.
    void tile(const Canvas& tileCanvas, int x, int y, int w, int h, int offsetX = 0,
              int offsetY = 0);

private:
    bool clipped(int x, int y) const { return m_clip != nullptr && !m_clip->at(x, y); }

    QImage m_image;
    const Mask* m_clip = nullptr;
};

} // namespace art
