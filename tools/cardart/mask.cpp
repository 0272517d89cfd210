#include "tools/cardart/mask.h"

#include <QImage>
#include <QPainter>

#include <cstring>

namespace art {

Mask::Mask(int width, int height)
    : m_width(width), m_height(height),
      m_bits(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0)
{
}

Mask Mask::fromPath(const QPainterPath& path, int width, int height)
{
    QImage cover(width, height, QImage::Format_ARGB32_Premultiplied);
    cover.fill(Qt::transparent);
    {
        QPainter p(&cover);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(path);
    }
    Mask m(width, height);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(cover.constScanLine(y));
        for (int x = 0; x < width; ++x)
            m.set(x, y, qAlpha(line[x]) >= 128);
    }
    return m;
}

Mask Mask::fromUnitPath(const QPainterPath& unitPath, int width, int height)
{
    QTransform t;
    t.scale(width, height);
    return fromPath(t.map(unitPath), width, height);
}

Mask Mask::fromRows(std::initializer_list<const char*> rows)
{
    int w = 0;
    for (const char* r : rows)
        w = std::max(w, static_cast<int>(std::strlen(r)));
    Mask m(w, static_cast<int>(rows.size()));
    int y = 0;
    for (const char* r : rows) {
        for (int x = 0; r[x] != '\0'; ++x)
            m.set(x, y, r[x] == '#');
        ++y;
    }
    return m;
}

bool Mask::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    return m_bits[static_cast<std::size_t>(y * m_width + x)] != 0;
}

void Mask::set(int x, int y, bool on)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_bits[static_cast<std::size_t>(y * m_width + x)] = on ? 1 : 0;
}

Mask Mask::rotated180() const
{
    Mask r(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            r.set(m_width - 1 - x, m_height - 1 - y, at(x, y));
    return r;
}

Mask Mask::mirrored() const
{
    Mask r(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            r.set(m_width - 1 - x, y, at(x, y));
    return r;
}

} // namespace art
