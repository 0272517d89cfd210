// Draws the game window's two small pictures:
//   ring.jpg      80 x 80, a red ring on the window's silver that marks where
//                 a centre pile's top card lies (only its sides show beside a card)
//   waitsign.png  32 x 32 with alpha, a traffic light showing red
// The JPEG is compressed with libjpeg directly, at a fixed quality and without
// colour subsampling, so the thin red ring stays clean and the bytes are the
// same on every run.
//
//   velto_pictures [source-dir]     writes <source-dir>/resources/pictures/

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

#ifndef VELTO_SOURCE_DIR
#define VELTO_SOURCE_DIR "."
#endif

namespace {

const QColor kSilver(192, 192, 192);

QImage drawRing()
{
    QImage img(80, 80, QImage::Format_RGB32);
    img.fill(kSilver);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    const QPointF centre(40, 40);
    // A dark rim under a brighter band, lit a little from the top left.
    p.setPen(QPen(QColor(128, 0, 0), 6.0));
    p.drawEllipse(centre, 35.5, 35.5);
    QConicalGradient shine(centre, 135);
    shine.setColorAt(0.0, QColor(255, 72, 56));
    shine.setColorAt(0.5, QColor(200, 0, 0));
    shine.setColorAt(1.0, QColor(255, 72, 56));
    p.setPen(QPen(QBrush(shine), 3.6));
    p.drawEllipse(centre, 35.5, 35.5);
    return img;
}

QImage drawWaitSign()
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    // Housing with a small visor over each lamp.
    p.setPen(QPen(QColor(0, 0, 0), 1.0));
    p.setBrush(QColor(56, 56, 56));
    p.drawRoundedRect(QRectF(9.5, 0.5, 13, 31), 3, 3);
    const double lampY[] = {6.5, 16, 25.5};
    const QColor lit(255, 32, 24);
    const QColor dark[] = {QColor(0, 0, 0), QColor(88, 64, 0), QColor(0, 64, 24)};
    for (int i = 0; i < 3; ++i) {
        const QPointF c(16, lampY[i]);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(24, 24, 24));
        p.drawPie(QRectF(c.x() - 6.5, c.y() - 5.5, 13, 11), 0, 180 * 16);
        p.setPen(QPen(QColor(0, 0, 0), 0.8));
        if (i == 0) {
            QRadialGradient g(c + QPointF(-1.2, -1.2), 4.4);
            g.setColorAt(0.0, QColor(255, 220, 200));
            g.setColorAt(0.35, lit);
            g.setColorAt(1.0, QColor(176, 0, 0));
            p.setBrush(g);
        } else {
            p.setBrush(dark[i]);
        }
        p.drawEllipse(c, 3.8, 3.8);
    }
    // Side brackets that hold it on its post.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(6, 8, 3.5, 2));
    p.drawRect(QRectF(22.5, 8, 3.5, 2));
    p.drawRect(QRectF(6, 22, 3.5, 2));
    p.drawRect(QRectF(22.5, 22, 3.5, 2));
    return img;
}

bool writeJpeg(const QString& fileName, const QImage& image, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    for (int i = 0; i < cinfo.num_components; ++i) {
        cinfo.comp_info[i].h_samp_factor = 1;
        cinfo.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);

    QSaveFile f(fileName);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QDir root(args.isEmpty() ? QStringLiteral(VELTO_SOURCE_DIR) : args[0]);
    const QString dir = root.filePath(QStringLiteral("resources/pictures"));
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        return 1;
    }
    const QString ring = QDir(dir).filePath(QStringLiteral("ring.jpg"));
    if (!writeJpeg(ring, drawRing(), 95)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(ring));
        return 1;
    }
    const QString sign = QDir(dir).filePath(QStringLiteral("waitsign.png"));
    if (!drawWaitSign().save(sign, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(sign));
        return 1;
    }
    std::printf("%s\n%s\n", qPrintable(ring), qPrintable(sign));
    return 0;
}
