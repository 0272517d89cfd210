#include "icongeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Edges as fractions of the icon's side. Both cards keep the 71:96 shape of
// the game's cards closely enough to read as cards at 16 pixels.
constexpr double BackLeft = 0.06, BackTop = 0.03, BackRight = 0.62, BackBottom = 0.78;
constexpr double FrontLeft = 0.33, FrontTop = 0.20, FrontRight = 0.94, FrontBottom = 0.97;

double Edge(double fraction, int size, bool snap)
{
    const double v = fraction * size;
    return snap ? std::round(v) : v;
}

QRectF Box(double left, double top, double right, double bottom, int size, bool snap)
{
    const double l = Edge(left, size, snap), t = Edge(top, size, snap);
    return QRectF(l, t, Edge(right, size, snap) - l, Edge(bottom, size, snap) - t);
}

} // namespace

IconGeometry LayoutIcon(int size, bool snap)
{
    IconGeometry g;
    g.Size = size;
    const double border = snap ? std::max(1.0, std::round(size / 40.0)) : size / 40.0;
    const double radius = std::max(1.0, size * 0.06);

    g.Back = {Box(BackLeft, BackTop, BackRight, BackBottom, size, snap), border, radius,
              QColor(16, 32, 88), QColor(32, 80, 176)};
    g.Front = {Box(FrontLeft, FrontTop, FrontRight, FrontBottom, size, snap), border, radius,
               QColor(40, 40, 40), QColor(255, 255, 255)};

    if (size >= 48) {
        const double offset = snap ? std::max(1.0, std::round(size / 64.0)) : size / 64.0;
        g.Shadow = g.Front.Outer.translated(offset, offset);
        g.ShadowRadius = radius;
    }
    if (size >= 32) {
        g.FrameInset = snap ? std::max(1.0, std::round(size / 24.0)) : size / 24.0;
        g.FrameWidth = std::max(1.0, size / 96.0);
        g.Lattice = QColor(120, 164, 232);
    }
    if (size >= 48) {
        g.LatticeStep = size * 0.085;
        g.LatticeWidth = std::max(1.0, size / 96.0);
    }

    const QRectF face = g.Front.Outer;
    g.RingCentre = face.center();
    // At the smallest sizes a thin ring would fade to pink; a stroke that
    // covers most of the radius keeps it a clear red circle with a light eye.
    g.RingWidth = std::max(1.7, size * 0.075);
    g.RingRadius = std::max(face.width() * 0.30, g.RingWidth * 1.1);
    if (snap && size < 48) {
        // Same parity as the face's width, so the ring sits exactly in the
        // middle across; down the card a half pixel either way does not show.
        const QRect inside = face.adjusted(border, border, -border, -border).toRect();
        const int disc = inside.width() - 2;
        g.PixelRing =
            QRect(inside.left() + 1, inside.top() + (inside.height() - disc) / 2, disc, disc);
        g.RingWidth = std::max(1.5, disc * 0.28);
    }
    g.Ring = QColor(214, 16, 16);
    if (size >= 48) {
        g.RimWidth = g.RingWidth + std::max(1.0, size / 64.0) * 2;
        g.Rim = QColor(128, 0, 0);
    }
    return g;
}
