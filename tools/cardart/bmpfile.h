#pragma once
// A small writer for uncompressed palette bitmaps of one or four bits per
// pixel, which Qt's own writer does not produce.

#include <QImage>
#include <QRgb>
#include <QString>

#include <vector>

namespace art {

// Writes image with the given palette (2 entries for 1 bit, up to 16 for 4
// bits). Every pixel of the image must be one of the palette colours; an
// error text is returned otherwise, or when the file cannot be written.
// An empty string means success.
QString writePaletteBmp(const QString& fileName, const QImage& image,
                        const std::vector<QRgb>& palette, int bitsPerPixel);

} // namespace art
