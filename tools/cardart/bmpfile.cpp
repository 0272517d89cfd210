#include "tools/cardart/bmpfile.h"

#include <QSaveFile>

#include <cstdint>

namespace art {

namespace {

void put16(QByteArray& out, std::uint16_t v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

void put32(QByteArray& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

int paletteIndex(const std::vector<QRgb>& palette, QRgb colour)
{
    const QRgb opaque = colour | 0xFF000000u;
    for (std::size_t i = 0; i < palette.size(); ++i)
        if ((palette[i] | 0xFF000000u) == opaque)
            return static_cast<int>(i);
    return -1;
}

} // namespace

QString writePaletteBmp(const QString& fileName, const QImage& image,
                        const std::vector<QRgb>& palette, int bitsPerPixel)
{
    if (bitsPerPixel != 1 && bitsPerPixel != 4)
        return QStringLiteral("only 1 and 4 bits per pixel are written");
    const std::size_t maxColours = bitsPerPixel == 1 ? 2 : 16;
    if (palette.empty() || palette.size() > maxColours)
        return QStringLiteral("palette of %1 colours for %2 bits").arg(palette.size()).arg(bitsPerPixel);

    const int w = image.width();
    const int h = image.height();
    const int rowBytes = ((w * bitsPerPixel + 31) / 32) * 4;
    const std::uint32_t paletteBytes = static_cast<std::uint32_t>(maxColours) * 4;
    const std::uint32_t pixelOffset = 14 + 40 + paletteBytes;
    const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes * h);

    QByteArray out;
    out.reserve(static_cast<int>(pixelOffset + imageBytes));
    // File header.
    out.append("BM", 2);
    put32(out, pixelOffset + imageBytes);
    put32(out, 0);
    put32(out, pixelOffset);
    // Info header: positive height, so rows are stored bottom-up.
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(w));
    put32(out, static_cast<std::uint32_t>(h));
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(bitsPerPixel));
    put32(out, 0); // no compression
    put32(out, imageBytes);
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, static_cast<std::uint32_t>(maxColours));
    put32(out, 0);
    // Palette, blue-green-red-reserved; unused entries are black.
    for (std::size_t i = 0; i < maxColours; ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < w; ++x) {
            const int index = paletteIndex(palette, image.pixel(x, y));
            if (index < 0)
                return QStringLiteral("pixel (%1, %2) of %3 is not in the palette")
                    .arg(x)
                    .arg(y)
                    .arg(fileName);
            if (bitsPerPixel == 1) {
                if (index != 0)
                    row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            } else {
                const int shift = (x % 2 == 0) ? 4 : 0;
                row[x / 2] = static_cast<char>(row[x / 2] | (index << shift));
            }
        }
        out.append(row);
    }

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit())
        return QStringLiteral("cannot write %1: %2").arg(fileName, file.errorString());
    return {};
}

} // namespace art
