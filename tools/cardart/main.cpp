// Draws the 69 card pictures, writes them as the palette bitmaps the card
// library embeds, reads every file back to prove it loads with the intended
// depth and colours, and renders a contact sheet of all of them as the
// library shows them.
//
//   velto_cardart [source-dir]                 write resources/cards and docs/cards.png
//   velto_cardart --zoom N out.png slot...     enlarge some cards for a close look

#include "tools/cardart/bmpfile.h"
#include "tools/cardart/cardset.h"
#include "tools/cardart/glyphs.h"

#include <QDir>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <set>

#ifndef VELTO_SOURCE_DIR
#define VELTO_SOURCE_DIR "."
#endif

using namespace art;

namespace {

const QRgb kSilver = qRgb(192, 192, 192);
const QRgb kMagenta = qRgb(255, 0, 255);
// The pixels the library's outline turns see-through at the four corners.
const QPoint kCornerPixels[] = {{0, 0},  {1, 0},  {0, 1},  {69, 0},  {70, 0},  {70, 1},
                                {0, 94}, {0, 95}, {1, 95}, {69, 95}, {70, 95}, {70, 94}};

// What the card library does to each picture after loading: a black frame
// with bevelled corners and the corner pixels set to the see-through colour.
QImage asLoaded(const QImage& file, int slot)
{
    QImage img = file.convertToFormat(QImage::Format_RGB32);
    const QRgb transparent = slot == kLastSlot ? qRgb(255, 255, 255) : kMagenta;
    {
        QPainter p(&img);
        p.setPen(QPen(Qt::black, 1));
        const QPoint outline[] = {{2, 0},  {68, 0}, {70, 2}, {70, 93}, {68, 95},
                                  {2, 95}, {0, 93}, {0, 2},  {2, 0}};
        p.drawPolyline(outline, 9);
    }
    for (const QPoint& c : kCornerPixels)
        img.setPixel(c, transparent);
    // The see-through colour shows the ground; mark it with alpha.
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if ((out.pixel(x, y) | 0xFF000000u) == transparent)
                out.setPixel(x, y, qRgba(0, 0, 0, 0));
    return out;
}

QImage loadChecked(const QString& file, const SlotPicture& pic, bool& ok)
{
    QImage img(file);
    auto fail = [&](const QString& why) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(why));
        ok = false;
    };
    if (img.isNull()) {
        fail(QStringLiteral("does not load"));
        return img;
    }
    if (img.size() != QSize(kCardWidth, kCardHeight))
        fail(QStringLiteral("wrong size"));
    if (img.depth() != (pic.bitsPerPixel == 1 ? 1 : 8) ||
        img.colorCount() != (pic.bitsPerPixel == 1 ? 2 : 16))
        fail(QStringLiteral("loads as depth %1 with %2 colours")
                 .arg(img.depth())
                 .arg(img.colorCount()));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) | 0xFF000000u) != (pic.canvas.image().pixel(x, y) | 0xFF000000u)) {
                fail(QStringLiteral("pixel (%1, %2) differs from the drawing").arg(x).arg(y));
                return img;
            }
    for (const QPoint& c : kCornerPixels)
        if ((img.pixel(c) | 0xFF000000u) != qRgb(255, 255, 255))
            fail(QStringLiteral("corner pixel (%1, %2) is not white").arg(c.x()).arg(c.y()));
    return img;
}

void stampText(QImage& img, const QString& text, int centreX, int y)
{
    const Mask m = smallText(text);
    const int x0 = centreX - m.width() / 2;
    for (int j = 0; j < m.height(); ++j)
        for (int i = 0; i < m.width(); ++i)
            if (m.at(i, j))
                img.setPixel(x0 + i, y + j, qRgb(0, 0, 0));
}

QImage contactSheet(const std::vector<QImage>& loaded)
{
    // One row per suit in slot order, then the jokers, then the backs.
    const int rowStarts[] = {2, 15, 28, 41, 54, 56, 71};
    const int cellW = kCardWidth + 8;
    const int cellH = kCardHeight + 16;
    QImage sheet(15 * cellW + 8, 6 * cellH + 8, QImage::Format_RGB32);
    sheet.fill(kSilver);
    QPainter p(&sheet);
    for (int row = 0; row < 6; ++row)
        for (int slot = rowStarts[row]; slot < rowStarts[row + 1]; ++slot) {
            const int x = 8 + (slot - rowStarts[row]) * cellW;
            const int y = 8 + row * cellH;
            p.drawImage(x, y, loaded[static_cast<std::size_t>(slot - kFirstSlot)]);
            stampText(sheet, QString::number(slot), x + kCardWidth / 2, y + kCardHeight + 4);
        }
    return sheet;
}

int zoom(int factor, const QString& out, const QStringList& slots)
{
    const int cellW = kCardWidth * factor + 8;
    QImage sheet(static_cast<int>(slots.size()) * cellW + 8, kCardHeight * factor + 16,
                 QImage::Format_RGB32);
    sheet.fill(kSilver);
    QPainter p(&sheet);
    int x = 8;
    for (const QString& s : slots) {
        const int slot = s.toInt();
        if (slot < kFirstSlot || slot > kLastSlot)
            continue;
        const SlotPicture pic = drawSlot(slot);
        const QImage card = asLoaded(pic.canvas.image(), slot);
        p.drawImage(x, 8, card.scaled(card.size() * factor));
        x += cellW;
    }
    p.end();
    return sheet.save(out) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() >= 3 && args[0] == QLatin1String("--zoom"))
        return zoom(std::max(1, args[1].toInt()), args[2], args.mid(3));

    const QDir root(args.isEmpty() ? QStringLiteral(VELTO_SOURCE_DIR) : args[0]);
    const QString cardDir = root.filePath(QStringLiteral("resources/cards"));
    const QString docDir = root.filePath(QStringLiteral("docs"));
    if (!QDir().mkpath(cardDir) || !QDir().mkpath(docDir)) {
        std::fprintf(stderr, "cannot create %s or %s\n", qPrintable(cardDir), qPrintable(docDir));
        return 1;
    }

    bool ok = true;
    std::set<int> written;
    std::vector<QImage> loaded;
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        const SlotPicture pic = drawSlot(slot);
        if (pic.resource < 1 || pic.resource > 69 || !written.insert(pic.resource).second) {
            std::fprintf(stderr, "slot %d maps to bitmap %d twice or out of range\n", slot,
                         pic.resource);
            return 1;
        }
        const QString file = QDir(cardDir).filePath(QStringLiteral("%1.bmp").arg(pic.resource));
        const QString error =
            writePaletteBmp(file, pic.canvas.image(), pic.palette, pic.bitsPerPixel);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        const QImage back = loadChecked(file, pic, ok);
        loaded.push_back(asLoaded(back.isNull() ? pic.canvas.image() : back, slot));
        std::printf("slot %2d -> %2d.bmp  %d-bit  %s\n", slot, pic.resource, pic.bitsPerPixel,
                    qPrintable(pic.description));
    }
    const QString sheetFile = QDir(docDir).filePath(QStringLiteral("cards.png"));
    if (!contactSheet(loaded).save(sheetFile)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(sheetFile));
        return 1;
    }
    return ok ? 0 : 1;
}
