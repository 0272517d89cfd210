// Draws the program's icon for the desktop:
//   resources/icons/velto-<n>.png   n = 16, 22, 24, 32, 48, 64, 128, 256, with alpha
//   resources/icons/velto.svg       the same picture as scalable shapes
// Each PNG is drawn at its own size from whole-pixel shapes rather than
// scaled from a large one. The output is the same bytes on every run.
//
//   velto_icon [source-dir]     writes <source-dir>/resources/icons/

#include "icongeometry.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QTextStream>

#include <cmath>
#include <cstdio>

#ifndef VELTO_SOURCE_DIR
#define VELTO_SOURCE_DIR "."
#endif

namespace {

constexpr int RasterSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int SvgSize = 256;

QPainterPath Rounded(const QRectF& r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// The inside of a card: its outline inset by the border, corners following.
QRectF Inner(const IconCard& c)
{
    return c.Outer.adjusted(c.Border, c.Border, -c.Border, -c.Border);
}

double InnerRadius(const IconCard& c)
{
    return std::max(0.0, c.Radius - c.Border);
}

// Diagonal lines across the back, both ways, from one corner of r to beyond
// the other: the painter and the SVG both clip them to the back's inside.
template <typename Line> void ForEachLatticeLine(const IconGeometry& g, const QRectF& r, Line line)
{
    const double span = r.width() + r.height();
    for (double d = g.LatticeStep / 2; d < span; d += g.LatticeStep) {
        line(QPointF(r.left() + d, r.top()), QPointF(r.left() + d - r.height(), r.bottom()));
        line(QPointF(r.right() - d, r.top()), QPointF(r.right() - d + r.height(), r.bottom()));
    }
}

void PaintCard(QPainter& p, const IconCard& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c.Edge);
    p.drawPath(Rounded(c.Outer, c.Radius));
    p.setBrush(c.Fill);
    p.drawPath(Rounded(Inner(c), InnerRadius(c)));
}

// Each pixel of the ring's square takes the ring colour by how much of it
// the ring covers, measured on an 8 x 8 grid; nearly full pixels become full
// and nearly empty ones stay untouched, so only the true curve is soft.
void PaintPixelRing(QImage& img, const IconGeometry& g)
{
    const QRect& box = g.PixelRing;
    const double cx = box.left() + box.width() / 2.0, cy = box.top() + box.height() / 2.0;
    const double outer = box.width() / 2.0, inner = outer - g.RingWidth;
    constexpr int Grid = 8;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            int hits = 0;
            for (int sy = 0; sy < Grid; ++sy) {
                for (int sx = 0; sx < Grid; ++sx) {
                    const double d =
                        std::hypot(x + (sx + 0.5) / Grid - cx, y + (sy + 0.5) / Grid - cy);
                    hits += d <= outer && d >= inner;
                }
            }
            double cover = double(hits) / (Grid * Grid);
            if (cover >= 0.6)
                cover = 1;
            else if (cover <= 0.2)
                continue;
            const QColor under = img.pixelColor(x, y);
            const auto mix = [&](int a, int b) {
                return int(std::lround(a * (1 - cover) + b * cover));
            };
            img.setPixelColor(x, y,
                              QColor(mix(under.red(), g.Ring.red()),
                                     mix(under.green(), g.Ring.green()),
                                     mix(under.blue(), g.Ring.blue()), under.alpha()));
        }
    }
}

QImage PaintIcon(int size)
{
    const IconGeometry g = LayoutIcon(size, true);
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);

    PaintCard(p, g.Back);
    const QRectF backInside = Inner(g.Back);
    if (g.LatticeStep > 0) {
        p.save();
        p.setClipPath(Rounded(backInside, InnerRadius(g.Back)));
        p.setPen(QPen(g.Lattice, g.LatticeWidth));
        ForEachLatticeLine(g, backInside, [&](QPointF a, QPointF b) { p.drawLine(a, b); });
        p.restore();
    }
    if (g.FrameInset > 0) {
        // The frame's stroke lies wholly inside, FrameInset from the outer edge.
        const double in = g.FrameInset - g.Back.Border + g.FrameWidth / 2;
        p.setPen(QPen(QColor(255, 255, 255, 200), g.FrameWidth));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(backInside.adjusted(in, in, -in, -in), InnerRadius(g.Back) / 2,
                          InnerRadius(g.Back) / 2);
    }
    if (!g.Shadow.isEmpty()) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 72));
        p.drawPath(Rounded(g.Shadow, g.ShadowRadius));
    }
    PaintCard(p, g.Front);

    if (!g.PixelRing.isEmpty()) {
        p.end();
        PaintPixelRing(img, g);
        return img.convertToFormat(QImage::Format_ARGB32);
    }
    p.setBrush(Qt::NoBrush);
    if (g.RimWidth > 0) {
        p.setPen(QPen(g.Rim, g.RimWidth));
        p.drawEllipse(g.RingCentre, g.RingRadius, g.RingRadius);
    }
    p.setPen(QPen(g.Ring, g.RingWidth));
    p.drawEllipse(g.RingCentre, g.RingRadius, g.RingRadius);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QString Num(double v)
{
    return QString::number(std::round(v * 1000) / 1000, 'g', 8);
}

QString Hex(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

QString SvgRect(const QRectF& r, double radius, const QString& attributes)
{
    return QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" %6/>\n")
        .arg(Num(r.x()), Num(r.y()), Num(r.width()), Num(r.height()), Num(radius), attributes);
}

QString SvgCard(const IconCard& c)
{
    return SvgRect(c.Outer, c.Radius, QStringLiteral("fill=\"%1\"").arg(Hex(c.Edge))) +
           SvgRect(Inner(c), InnerRadius(c), QStringLiteral("fill=\"%1\"").arg(Hex(c.Fill)));
}

QString DrawSvg()
{
    const IconGeometry g = LayoutIcon(SvgSize, false);
    QString svg;
    QTextStream out(&svg);
    const QRectF backInside = Inner(g.Back);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << SvgSize << "\" height=\""
        << SvgSize << "\" viewBox=\"0 0 " << SvgSize << ' ' << SvgSize << "\">\n"
        << "  <title>Velto</title>\n"
        << "  <defs>\n    <clipPath id=\"back\">\n  "
        << SvgRect(backInside, InnerRadius(g.Back), QString()) << "    </clipPath>\n  </defs>\n";
    out << SvgCard(g.Back);
    out << "  <g clip-path=\"url(#back)\" stroke=\"" << Hex(g.Lattice) << "\" stroke-width=\""
        << Num(g.LatticeWidth) << "\">\n";
    ForEachLatticeLine(g, backInside, [&](QPointF a, QPointF b) {
        out << "    <line x1=\"" << Num(a.x()) << "\" y1=\"" << Num(a.y()) << "\" x2=\""
            << Num(b.x()) << "\" y2=\"" << Num(b.y()) << "\"/>\n";
    });
    out << "  </g>\n";
    const double inset = g.FrameInset - g.Back.Border + g.FrameWidth / 2;
    out << SvgRect(backInside.adjusted(inset, inset, -inset, -inset), InnerRadius(g.Back) / 2,
                   QStringLiteral("fill=\"none\" stroke=\"#ffffff\" stroke-opacity=\"0.78\" "
                                  "stroke-width=\"%1\"")
                       .arg(Num(g.FrameWidth)));
    out << SvgRect(g.Shadow, g.ShadowRadius,
                   QStringLiteral("fill=\"#000000\" fill-opacity=\"0.28\""));
    out << SvgCard(g.Front);
    const auto circle = [&](const QColor& colour, double width) {
        out << "  <circle cx=\"" << Num(g.RingCentre.x()) << "\" cy=\"" << Num(g.RingCentre.y())
            << "\" r=\"" << Num(g.RingRadius) << "\" fill=\"none\" stroke=\"" << Hex(colour)
            << "\" stroke-width=\"" << Num(width) << "\"/>\n";
    };
    circle(g.Rim, g.RimWidth);
    circle(g.Ring, g.RingWidth);
    out << "</svg>\n";
    return svg;
}

bool WriteFile(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile f(fileName);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QDir root(args.isEmpty() ? QStringLiteral(VELTO_SOURCE_DIR) : args[0]);
    const QString dir = root.filePath(QStringLiteral("resources/icons"));
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        return 1;
    }
    for (const int size : RasterSizes) {
        const QString name = QDir(dir).filePath(QStringLiteral("velto-%1.png").arg(size));
        if (!PaintIcon(size).save(name, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
        std::printf("%s\n", qPrintable(name));
    }
    const QString svg = QDir(dir).filePath(QStringLiteral("velto.svg"));
    if (!WriteFile(svg, DrawSvg().toUtf8())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg));
        return 1;
    }
    std::printf("%s\n", qPrintable(svg));
    return 0;
}
