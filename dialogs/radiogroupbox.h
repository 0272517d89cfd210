#pragma once
// A group of radio items with its frame drawn the classic way: the top line
// runs through the middle of the title and breaks for it, so the items can
// start right under the title. The style's own group box puts its whole
// frame below the title, which in the options dialog's tight groups ran the
// top line through the first item.
#include <QGroupBox>

class TRadioGroupBox : public QGroupBox
{
    Q_OBJECT
public:
    TRadioGroupBox(const QString& Title, QWidget* Parent);
    ~TRadioGroupBox() override;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    // Where the title starts, from the left edge.
    static constexpr int TitleLeft = 8;

    // The title's rectangle, with a little room either side where the
    // frame's line stops.
    QRect TitleRect() const;
    // The frame, from the middle of the title down to the bottom edge.
    QRect FrameRect() const;
};
