// Decodes a JPEG picture with the program's own decoder (platform/jpegimage)
// and writes its pixels as a PNG, which keeps every one of them as decoded.
// Run by the build (cmake/VeltoPictures.cmake), so the program reads its
// pictures as PNG and needs no JPEG decoding before its first frame.
//   velto_decodejpeg IN.jpg OUT.png
#include "platform/jpegimage.h"

#include <QImage>
#include <QImageWriter>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: velto_decodejpeg IN.jpg OUT.png\n");
        return 2;
    }
    const QString in = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QImage picture = platform::LoadJpeg(in);
    if (picture.isNull()) {
        std::fprintf(stderr, "velto_decodejpeg: %s is not a JPEG picture that can be read\n", argv[1]);
        return 1;
    }
    QImageWriter writer(out, "png");
    if (!writer.write(picture)) {
        std::fprintf(stderr, "velto_decodejpeg: cannot write %s: %s\n", argv[2], qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
