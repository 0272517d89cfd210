#include "cardlib/lucustomgraphiccontrol.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QResizeEvent>
#include <QTransform>
#include <algorithm>
#include <cmath>

QEvent::Type LuSynchronizeEventType()
{
    static const auto Type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return Type;
}

void SendSynchronize(QWidget* Widget)
{
    QEvent Synchronize(LuSynchronizeEventType());
    QCoreApplication::sendEvent(Widget->window(), &Synchronize);
}

QRegion LuRepaintArea(const QWidget& Widget, const QRegion& Area)
{
    const qreal Ratio = Widget.devicePixelRatio();
    if (Ratio == std::floor(Ratio))
        return Area;
    QRegion Grown;
    for (const QRect& R : Area)
        Grown += R.adjusted(-1, -1, 1, 1);
    return Grown.intersected(Widget.rect());
}

bool LuWholeDevicePixels(const QPainter& Painter)
{
    const QTransform T = Painter.deviceTransform();
    const auto Whole = [](qreal V) { return V == std::floor(V); };
    return T.type() <= QTransform::TxScale && Whole(T.m11()) && Whole(T.m22()) && Whole(T.dx()) && Whole(T.dy());
}

void LuDrawImagePart(QPainter& Painter, const QImage& Image, const QRect& Area)
{
    const QRect Part = Area.intersected(Image.rect());
    if (Part.isEmpty())
        return;
    Painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (LuWholeDevicePixels(Painter)) {
        Painter.drawImage(Part.topLeft(), Image, Part);
        return;
    }
    Painter.save();
    Painter.setClipRect(Part, Qt::IntersectClip);
    Painter.drawImage(0, 0, Image);
    Painter.restore();
}

TLuCustomGraphicControl::TLuCustomGraphicControl(QWidget* Parent)
    : QWidget(Parent)
{
    const QWidget* Form = Parent ? Parent->window() : this;
    FBrushColor = Form->palette().color(QPalette::Window);
}

TLuCustomGraphicControl::~TLuCustomGraphicControl() = default;

void TLuCustomGraphicControl::SetBufferSize(int Width, int Height)
{
    SetBufferHeight(Height);
    SetBufferWidth(Width);
}

namespace {

// A copy of Old at the new size: what still fits is kept, new pixels take Fill.
QImage Resized(const QImage& Old, int Width, int Height, const QColor& Fill)
{
    if (Width <= 0 || Height <= 0)
        return QImage();
    QImage New(Width, Height, QImage::Format_RGB32);
    New.fill(Fill);
    if (!Old.isNull() && !New.isNull()) {
        QPainter Painter(&New);
        Painter.setCompositionMode(QPainter::CompositionMode_Source);
        Painter.drawImage(0, 0, Old);
    }
    return New;
}

} // namespace

void TLuCustomGraphicControl::SetBufferWidth(int Width)
{
    ResizeBuffer(std::max(Width, 0), FBufferHeight);
}

void TLuCustomGraphicControl::SetBufferHeight(int Height)
{
    ResizeBuffer(FBufferWidth, std::max(Height, 0));
}

void TLuCustomGraphicControl::ResizeBuffer(int Width, int Height)
{
    if (Width == FBufferWidth && Height == FBufferHeight)
        return;
    FBufferWidth = Width;
    FBufferHeight = Height;
    FBuffer = Resized(FBuffer, Width, Height, FBrushColor);
    BufferChanged();
}

void TLuCustomGraphicControl::SetEmpty(bool Value)
{
    FEmpty = Value;
    if (FEnabled)
        Invalidate();
}

void TLuCustomGraphicControl::SynchronizeOwner()
{
    if (FNotifyOwner)
        SendSynchronize(this);
}

void TLuCustomGraphicControl::FlushBuffer()
{
    SynchronizeOwner();
    const QRect Whole(0, 0, FBufferWidth, FBufferHeight);
    DrawOnScreen(Whole, [this, Whole](QPainter& Painter) { LuDrawImagePart(Painter, FBuffer, Whole); });
}

QRegion TLuCustomGraphicControl::OutsideBuffer() const
{
    QRegion Outside;
    if (FBufferWidth < width())
        Outside += QRect(QPoint(FBufferWidth, 0), QPoint(width() - 1, height() - 1));
    if (FBufferHeight < height())
        Outside += QRect(QPoint(0, FBufferHeight), QPoint(width() - 1, height() - 1));
    return Outside;
}

void TLuCustomGraphicControl::FillOutsideBuffer(QPainter& Painter, const QRegion& Outside) const
{
    for (const QRect& Strip : Outside)
        Painter.fillRect(Strip, FBrushColor);
}

void TLuCustomGraphicControl::WMUpdateRect(TLuSingleCard* /*Card*/, const TLuRect& R)
{
    if (FUpdateCount != 0 || !isVisible())
        return;
    SynchronizeOwner();
    try {
        const QRect Copy = R.ToQRect();
        const QRegion Outside = OutsideBuffer();
        DrawOnScreen(Outside.united(Copy), [this, Copy, &Outside](QPainter& Painter) {
            if (!FEmpty)
                LuDrawImagePart(Painter, FBuffer, Copy);
            FillOutsideBuffer(Painter, Outside);
        });
    } catch (...) {
        // A failed screen copy leaves the screen as it was; the next paint mends it.
    }
}

void TLuCustomGraphicControl::BufferChanged()
{
    if (FAutoSize) {
        AdjustSize();
        return;
    }
    SynchronizeOwner();
    const QRegion Outside = OutsideBuffer();
    if (!Outside.isEmpty())
        DrawOnScreen(Outside, [this, &Outside](QPainter& Painter) { FillOutsideBuffer(Painter, Outside); });
}

void TLuCustomGraphicControl::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    if (Value)
        AdjustSize();
}

void TLuCustomGraphicControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    setGeometry(ALeft, ATop, std::max(AWidth, 0), std::max(AHeight, 0));
    // A hidden widget hears of its new size only when it is shown; the card
    // controls want their Resize step now.
    if (testAttribute(Qt::WA_PendingResizeEvent)) {
        setAttribute(Qt::WA_PendingResizeEvent, false);
        QResizeEvent Event(size(), QSize(-1, -1));
        QCoreApplication::sendEvent(this, &Event);
    }
}

void TLuCustomGraphicControl::AdjustSize()
{
    if (!IsLoading() && FAutoSize)
        SetBounds(Left(), Top(), FBufferWidth, FBufferHeight);
}

void TLuCustomGraphicControl::Resize()
{
    if (FAutoSize)
        AdjustSize();
    if (OnResize)
        OnResize(this);
}

void TLuCustomGraphicControl::resizeEvent(QResizeEvent* Event)
{
    QWidget::resizeEvent(Event);
    Resize();
}

QPainter& TLuCustomGraphicControl::Canvas()
{
    Q_ASSERT(FCanvas);
    return *FCanvas;
}

void TLuCustomGraphicControl::Paint()
{
    if (FUpdateCount != 0)
        return;
    if (!FEmpty)
        LuDrawImagePart(Canvas(), FBuffer, FClipRect);
    // Empty at run time: the parent's background shows through.
}

namespace {

// Clears a pointer member when the scope ends, also on an exception.
template <typename T>
class TResetOnExit {
public:
    explicit TResetOnExit(T*& Pointer) : FPointer(Pointer) {}
    ~TResetOnExit() { FPointer = nullptr; }
    TResetOnExit(const TResetOnExit&) = delete;
    TResetOnExit& operator=(const TResetOnExit&) = delete;

private:
    T*& FPointer;
};

} // namespace

void TLuCustomGraphicControl::DrawOnScreen(const QRegion& Area, const std::function<void(QPainter&)>& Output)
{
    const QRegion Visible = Area.intersected(rect());
    if (Visible.isEmpty() || !isVisible())
        return;
    FScreenOutput = &Output;
    FScreenArea = Visible;
    TResetOnExit<const std::function<void(QPainter&)>> Reset(FScreenOutput);
    // At a fractional device pixel ratio the margin around Area gets an
    // ordinary repaint (paintEvent sees a region larger than FScreenArea).
    repaint(LuRepaintArea(*this, Visible));
}

void TLuCustomGraphicControl::paintEvent(QPaintEvent* Event)
{
    QPainter Painter(this);
    FCanvas = &Painter;
    TResetOnExit<QPainter> Reset(FCanvas);
    if (!FScreenOutput) {
        FClipRect = Event->rect();
        Paint();
        return;
    }
    // A direct screen write. Should the toolkit have merged pending repaints
    // into this one, or should the region carry the margin of a fractional
    // device pixel ratio, those parts get their ordinary repaint first.
    if (Event->region() != FScreenArea) {
        FClipRect = Event->rect();
        Paint();
    }
    Painter.setClipRegion(FScreenArea);
    (*FScreenOutput)(Painter);
}
