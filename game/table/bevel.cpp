#include "game/table/bevel.h"

#include <QPainter>

TBevel::TBevel(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent*)
{
    // The shadow takes the whole left edge and the top edge but its last
    // pixel; the highlight takes the whole right edge and the bottom edge
    // from its second pixel, so the two corners they share go one each way.
    const int w = width(), h = height();
    if (w <= 0 || h <= 0)
        return;
    QPainter p(this);
    // Hard edges on a scaled screen too: a line one logical pixel wide covers
    // whole device pixels, never a blend with the table.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(0, 0, 1, h, ShadowColor);
    p.fillRect(0, 0, w - 1, 1, ShadowColor);
    p.fillRect(w - 1, 0, 1, h, HighlightColor);
    p.fillRect(1, h - 1, w - 1, 1, HighlightColor);
}
