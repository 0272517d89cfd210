#include "tools/cardart/canvas.h"

#include <QPainterPathStroker>

namespace art {

Canvas::Canvas(Colour background, int width, int height)
    : m_image(width, height, QImage::Format_RGB32)
{
    clear(background);
}

void Canvas::clear(Colour c) { m_image.fill(rgb(c)); }

void Canvas::pixel(int x, int y, Colour c)
{
    if (x < 0 || y < 0 || x >= width() || y >= height() || clipped(x, y))
        return;
    m_image.setPixel(x, y, rgb(c));
}

Colour Canvas::at(int x, int y) const
{
    const QRgb v = m_image.pixel(x, y);
    for (int i = 0; i < ColourCount; ++i)
        if (qRgb(qRed(v), qGreen(v), qBlue(v)) == kPalette[static_cast<std::size_t>(i)])
            return static_cast<Colour>(i);
    return Black;
}

void Canvas::rect(int x, int y, int w, int h, Colour c)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            pixel(i, j, c);
}

void Canvas::frame(int x, int y, int w, int h, Colour c)
{
    rect(x, y, w, 1, c);
    rect(x, y + h - 1, w, 1, c);
    rect(x, y, 1, h, c);
    rect(x + w - 1, y, 1, h, c);
}

void Canvas::fill(const QPainterPath& path, Colour c)
{
    stamp(Mask::fromPath(path, width(), height()), 0, 0, c);
}

void Canvas::stroke(const QPainterPath& path, double width, Colour c, bool roundEnds)
{
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(roundEnds ? Qt::RoundCap : Qt::FlatCap);
    s.setJoinStyle(roundEnds ? Qt::RoundJoin : Qt::MiterJoin);
    fill(s.createStroke(path), c);
}

void Canvas::ellipse(double cx, double cy, double rx, double ry, Colour c)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    fill(p, c);
}

void Canvas::ring(double cx, double cy, double rx, double ry, double width, Colour c)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    stroke(p, width, c);
}

void Canvas::line(double x1, double y1, double x2, double y2, double width, Colour c)
{
    QPainterPath p;
    p.moveTo(x1, y1);
    p.lineTo(x2, y2);
    stroke(p, width, c);
}

void Canvas::polygon(std::initializer_list<QPointF> points, Colour c)
{
    QPainterPath p;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first)
            p.moveTo(pt);
        else
            p.lineTo(pt);
        first = false;
    }
    p.closeSubpath();
    fill(p, c);
}

void Canvas::stamp(const Mask& m, int x, int y, Colour c)
{
    for (int j = 0; j < m.height(); ++j)
        for (int i = 0; i < m.width(); ++i)
            if (m.at(i, j))
                pixel(x + i, y + j, c);
}

void Canvas::mirrorHalf(double slope)
{
    // The line runs through the centre point; with a slope of k/3 it never
    // passes through a pixel centre, so every pixel is on exactly one side.
    const double cx = (width() - 1) / 2.0;
    const double cy = (height() - 1) / 2.0;
    const QImage top = m_image;
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x)
            if (y - cy > slope * (x - cx))
                m_image.setPixel(x, y, top.pixel(width() - 1 - x, height() - 1 - y));
}

void Canvas::copyRotated(int x, int y, int w, int h)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            m_image.setPixel(width() - 1 - i, height() - 1 - j, m_image.pixel(i, j));
}

void Canvas::tile(const Canvas& t, int x, int y, int w, int h, int offsetX, int offsetY)
{
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const int tx = ((i + offsetX) % t.width() + t.width()) % t.width();
            const int ty = ((j + offsetY) % t.height() + t.height()) % t.height();
            pixel(x + i, y + j, t.at(tx, ty));
        }
}

} // namespace art
