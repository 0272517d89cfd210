#pragma once
// A lowered box bevel: a one-pixel frame, dark grey along the top and left
// edges and white along the bottom and right, so the framed area looks set
// into the silver table. It draws nothing inside and takes no input.
#include <QColor>
#include <QWidget>

class TBevel : public QWidget {
    Q_OBJECT
public:
    static constexpr QColor ShadowColor = QColor(128, 128, 128);
    static constexpr QColor HighlightColor = QColor(255, 255, 255);

    explicit TBevel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
