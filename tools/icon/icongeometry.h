#pragma once
// The program's icon as shapes: a blue-backed card lying behind a face-up
// card that carries the red ring of the game's centre piles. One description
// serves the PNGs and the SVG, so every size shows the same picture.
//
// For the raster sizes every edge is put on a whole pixel and the outlines
// are whole pixels wide, so the small icons stay sharp instead of being a
// scaled-down blur of the large one.
#include <QColor>
#include <QPointF>
#include <QRect>
#include <QRectF>

struct IconCard
{
    QRectF Outer;  // the card including its outline
    double Border; // outline width
    double Radius; // corner radius of the outer edge
    QColor Edge;   // outline colour
    QColor Fill;   // face or back colour inside the outline
};

struct IconGeometry
{
    double Size = 0;
    IconCard Back;
    IconCard Front;
    // Drop shadow under the front card; empty when the size is too small for one.
    QRectF Shadow;
    double ShadowRadius = 0;
    // The back's lattice: diagonal lines this far apart (0: plain back), and
    // a light frame inset by FrameInset inside the outline (0: none).
    double LatticeStep = 0;
    double LatticeWidth = 0;
    double FrameInset = 0;
    double FrameWidth = 0;
    QColor Lattice;
    // The ring on the front card: centre line radius and stroke width, with a
    // darker rim on the large sizes (RimWidth 0: none).
    QPointF RingCentre;
    double RingRadius = 0;
    double RingWidth = 0;
    double RimWidth = 0;
    QColor Ring;
    QColor Rim;
    // Below 48 pixels the ring is set pixel by pixel inside this square
    // (whole pixels, centred across the face), its outer edge touching the
    // square and RingWidth thick: a smoothly drawn ring that small is a pink
    // smudge. Empty above that size.
    QRect PixelRing;
};

// The icon for a square of size pixels; snap puts the edges on whole pixels
// (the PNGs), without it the shapes keep their exact proportions (the SVG).
IconGeometry LayoutIcon(int size, bool snap);
