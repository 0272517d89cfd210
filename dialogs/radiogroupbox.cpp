#include "dialogs/radiogroupbox.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace {

constexpr int TitlePadding = 2;

} // namespace

TRadioGroupBox::TRadioGroupBox(const QString& Title, QWidget* Parent) : QGroupBox(Title, Parent) {}

TRadioGroupBox::~TRadioGroupBox() = default;

QRect TRadioGroupBox::TitleRect() const
{
    if (title().isEmpty())
        return {};
    const QFontMetrics Metrics = fontMetrics();
    return {TitleLeft - TitlePadding, 0, Metrics.horizontalAdvance(title()) + 2 * TitlePadding,
            Metrics.height()};
}

QRect TRadioGroupBox::FrameRect() const
{
    const int Top = fontMetrics().height() / 2;
    return rect().adjusted(0, Top, 0, 0);
}

void TRadioGroupBox::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    const QRect Title = TitleRect();
    // Only the line, and nothing under the title: the inside keeps the
    // window's face, so no item sits on a tint of its own.
    Painter.setClipRegion(QRegion(rect()).subtracted(Title));
    qDrawShadeRect(&Painter, FrameRect(), palette(), true, 1, 0);
    Painter.setClipping(false);
    if (!Title.isEmpty())
        style()->drawItemText(&Painter, Title, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                              title(), QPalette::WindowText);
}
