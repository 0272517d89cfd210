#pragma once
// A one-bit stencil: which pixels of a small box a shape covers. Shapes are
// turned into stencils by rasterising them with coverage and keeping the
// pixels that are at least half inside, which gives crisp edges that still
// follow the curve.

#include <QPainterPath>

#include <vector>

namespace art {

class Mask
{
public:
    Mask() = default;
    Mask(int width, int height);

    // Rasterise a path given in pixel coordinates of a width x height box.
    static Mask fromPath(const QPainterPath& path, int width, int height);
    // Rasterise a path drawn in the unit square, stretched over the box.
    static Mask fromUnitPath(const QPainterPath& unitPath, int width, int height);
    // Build from rows of text, '#' set and anything else clear.
    static Mask fromRows(std::initializer_list<const char*> rows);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool at(int x, int y) const;
    void set(int x, int y, bool on);

    Mask rotated180() const;
    Mask mirrored() const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<unsigned char> m_bits;
};

} // namespace art
