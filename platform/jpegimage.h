#pragma once
// JPEG pictures decoded with libjpeg's decompression interface.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace platform {

// A null image when the data is not a JPEG libjpeg can decode (never aborts the program).
QImage DecodeJpeg(const QByteArray& data);
// Reads a file or ":/" resource and decodes it.
QImage LoadJpeg(const QString& path);

} // namespace platform
