#include "platform/jpegimage.h"

#include <QBuffer>
#include <QColor>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

// A picture with four flat quadrants, saved as JPEG through Qt's own writer.
QByteArray MakeJpeg(int width, int height, const char* format = "JPEG", bool grey = false,
                    bool progressive = false)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, Qt::red);
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, Qt::green);
    painter.fillRect(0, height / 2, width / 2, height - height / 2, Qt::blue);
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::white);
    painter.end();
    if (grey)
        image = image.convertToFormat(QImage::Format_Grayscale8);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image));
    return bytes;
}

bool Near(QRgb actual, QColor expected)
{
    return qAbs(qRed(actual) - expected.red()) < 24 &&
           qAbs(qGreen(actual) - expected.green()) < 24 &&
           qAbs(qBlue(actual) - expected.blue()) < 24 && qAlpha(actual) == 255;
}

TEST(Jpeg, DecodesColoursAndSize)
{
    const QImage image = platform::DecodeJpeg(MakeJpeg(80, 80));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(80, 80));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_TRUE(Near(image.pixel(10, 10), Qt::red));
    EXPECT_TRUE(Near(image.pixel(70, 10), Qt::green));
    EXPECT_TRUE(Near(image.pixel(10, 70), Qt::blue));
    EXPECT_TRUE(Near(image.pixel(70, 70), Qt::white));
}

TEST(Jpeg, DecodesGreyscaleProgressiveAndOddSizes)
{
    const QByteArray progressiveData = MakeJpeg(40, 30, "JPEG", false, true);
    EXPECT_TRUE(progressiveData.contains("\xFF\xC2")); // written with progressive scans
    const QImage progressive = platform::DecodeJpeg(progressiveData);
    ASSERT_FALSE(progressive.isNull());
    EXPECT_EQ(progressive.size(), QSize(40, 30));
    EXPECT_TRUE(Near(progressive.pixel(35, 25), Qt::white));
    EXPECT_TRUE(Near(progressive.pixel(5, 25), Qt::blue));

    const QImage grey = platform::DecodeJpeg(MakeJpeg(33, 17, "JPEG", true));
    ASSERT_FALSE(grey.isNull());
    EXPECT_EQ(grey.size(), QSize(33, 17));
    EXPECT_EQ(qRed(grey.pixel(30, 15)), qBlue(grey.pixel(30, 15)));
    EXPECT_GT(qRed(grey.pixel(30, 15)), 230);
}

TEST(Jpeg, LoadsFromAFile)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("ring.jpg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(MakeJpeg(16, 16));
    file.close();
    EXPECT_EQ(platform::LoadJpeg(file.fileName()).size(), QSize(16, 16));
    EXPECT_TRUE(platform::LoadJpeg(dir.filePath(QStringLiteral("missing.jpg"))).isNull());
    EXPECT_TRUE(platform::LoadJpeg(QStringLiteral(":/no/such/picture.jpg")).isNull());
}

// Damaged data of every kind gives a null picture and the program goes on.
TEST(Jpeg, BadDataGivesANullImage)
{
    const QByteArray good = MakeJpeg(64, 48);
    QByteArray flipped = good;
    for (qsizetype i = good.size() / 2; i < good.size() / 2 + 40; ++i)
        flipped[i] = char(flipped[i] ^ 0x5A);
    QByteArray hugeHeader = good;
    // The SOF0 marker's height and width fields claim 65000 x 65000 pixels.
    const qsizetype sof = hugeHeader.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    hugeHeader[sof + 5] = char(0xFD);
    hugeHeader[sof + 6] = char(0xE8);
    hugeHeader[sof + 7] = char(0xFD);
    hugeHeader[sof + 8] = char(0xE8);

    const struct
    {
        const char* what;
        QByteArray data;
    } cases[] = {
        {"empty", QByteArray()},
        {"text", QByteArray("this is not a picture")},
        {"start marker only", QByteArray("\xFF\xD8", 2)},
        {"header only", good.left(200)},
        {"cut in the middle", good.left(good.size() / 2)},
        {"one byte short", good.left(good.size() - 1)},
        {"corrupted entropy data", flipped},
        {"huge declared size", hugeHeader},
        {"PNG", MakeJpeg(8, 8, "PNG")},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(platform::DecodeJpeg(c.data).isNull()) << c.what;
    EXPECT_FALSE(platform::DecodeJpeg(good).isNull()); // and the decoder still works afterwards
}

} // namespace
