#pragma once
// A picture on the window: draws its image at its top-left corner, unscaled
// (on a scaled screen each of its pixels becomes a block of device pixels).
// A transparent picture lets the window show through: an image with an alpha
// channel uses it; an image without one (a JPEG) leaves out the pixels of the
// colour of its bottom-left pixel, within a small tolerance because JPEG
// compression blurs that colour.
#include <QImage>
#include <QWidget>

class TImage : public QWidget {
    Q_OBJECT
public:
    // Largest difference per colour channel that still counts as the
    // transparent colour in an image without an alpha channel.
    static constexpr int TransparentTolerance = 40;

    explicit TImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return FPicture; }
    // A null image shows nothing.
    void SetPicture(const QImage& picture);

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);

    // What is drawn: the picture, with its transparent parts cleared.
    const QImage& Displayed() const { return FDisplayed; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateDisplayed();

    QImage FPicture;
    QImage FDisplayed;
    bool FTransparent = false;
};
