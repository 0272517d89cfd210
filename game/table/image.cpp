#include "game/table/image.h"

#include <QPainter>
#include <cstdlib>

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TImage::SetPicture(const QImage& picture)
{
    FPicture = picture;
    UpdateDisplayed();
}

void TImage::SetTransparent(bool transparent)
{
    if (FTransparent == transparent)
        return;
    FTransparent = transparent;
    UpdateDisplayed();
}

void TImage::UpdateDisplayed()
{
    if (FPicture.isNull() || !FTransparent || FPicture.hasAlphaChannel()) {
        FDisplayed = FPicture;
    } else {
        FDisplayed = FPicture.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = FDisplayed.pixel(0, FDisplayed.height() - 1);
        const auto near = [](int a, int b) { return std::abs(a - b) <= TransparentTolerance; };
        for (int y = 0; y < FDisplayed.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(FDisplayed.scanLine(y));
            for (int x = 0; x < FDisplayed.width(); ++x) {
                const QRgb c = line[x];
                if (near(qRed(c), qRed(key)) && near(qGreen(c), qGreen(key)) && near(qBlue(c), qBlue(key)))
                    line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (FDisplayed.isNull())
        return;
    QPainter p(this);
    // The pictures are pixel art: on a scaled screen each pixel becomes a
    // block of its own colour, never a blend of its neighbours. The whole
    // picture is drawn for any part, so parts are sampled on one grid.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(0, 0, FDisplayed);
}
