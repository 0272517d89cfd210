#pragma once
// The base of every card control: a windowless widget that keeps its whole
// appearance in an off-screen image, Buffer. Derived controls draw only into
// Buffer; the screen only ever receives copies of Buffer rectangles: one
// card's rectangle right after it was drawn (WMUpdateRect), the area the
// window repaints (Paint), or the whole Buffer after a batch (FlushBuffer).
#include "cardlib/lutypes.h"
#include "platform/component.h"

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>

class QPainter;
class TLuSingleCard;

// The event type of WM_SYNCHRONIZE: sent (not posted) to the owning window
// just before a card control writes to the screen, so that a host window can
// act first. Nothing in the library handles it.
QEvent::Type LuSynchronizeEventType();
// Sends WM_SYNCHRONIZE to Widget's window.
void SendSynchronize(QWidget* Widget);

// On a screen whose device pixel ratio is not a whole number (150 %, say) a
// logical pixel covers one device pixel here and two there, and a device
// pixel on the edge of a rectangle shows part of its neighbour. These keep
// pictures drawn piece by piece identical to a picture drawn whole.
//
// The area to repaint for Area of Widget: Area itself, grown by one logical
// pixel (within the widget) at a fractional ratio, so that the device pixels
// on its edge are repainted too instead of keeping what they showed before.
QRegion LuRepaintArea(const QWidget& Widget, const QRegion& Area);
// True when Painter maps every logical pixel onto whole device pixels (no
// scale or a whole-number one, whole-pixel offsets).
bool LuWholeDevicePixels(const QPainter& Painter);
// Draws the part Area of Image, with Image's corner at (0, 0), unsmoothed:
// each logical pixel becomes a block of device pixels of its own colour.
// Where pixels are not whole the whole image is drawn, clipped to Area, so
// that the part is sampled on the same grid as the whole picture.
void LuDrawImagePart(QPainter& Painter, const QImage& Image, const QRect& Area);

class TLuCustomGraphicControl : public QWidget, public platform::Component {
    Q_OBJECT
public:
    // The fill colour of the control and its Buffer is the owning window's
    // background colour as it is now (Parent's window palette).
    explicit TLuCustomGraphicControl(QWidget* Parent = nullptr);
    ~TLuCustomGraphicControl() override;

    // The off-screen image (QImage::Format_RGB32), 0 x 0 after construction.
    // Its address never changes, so cards can keep a pointer to it.
    QImage& Buffer() { return FBuffer; }
    const QImage& Buffer() const { return FBuffer; }
    // Sets the height, then the width; each real change keeps the content
    // that still fits, fills new pixels with BrushColor and runs BufferChanged.
    void SetBufferSize(int Width, int Height);
    void SetBufferWidth(int Width);
    void SetBufferHeight(int Height);
    // The size as last set. A QImage cannot be 0 pixels wide and 96 high, so
    // while one side is 0 Buffer is a null image but the other side is kept.
    int BufferWidth() const { return FBufferWidth; }
    int BufferHeight() const { return FBufferHeight; }

    // The brush of the Buffer's and the control's canvas: what a fill paints.
    QColor BrushColor() const { return FBrushColor; }
    QRgb BrushRgb() const { return FBrushColor.rgb(); }
    void SetBrushColor(const QColor& Color) { FBrushColor = Color; }

    // While true the control shows nothing of its Buffer. Writing it
    // invalidates the control while Enabled, also when the value is the same.
    bool Empty() const { return FEmpty; }
    void SetEmpty(bool Value);

    // The drawing switch: derived controls render into Buffer only while it
    // is true. Independent of QWidget::isEnabled (mouse input keeps working).
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }

    // Whether WM_SYNCHRONIZE goes to the owning window before screen output.
    bool NotifyOwner() const { return FNotifyOwner; }

    // While UpdateCount is not zero, Paint and WMUpdateRect do nothing.
    int UpdateCount() const { return FUpdateCount; }
    void BeginUpdate() { ++FUpdateCount; }
    // Does not repaint; pair it with FlushBuffer.
    void EndUpdate() { --FUpdateCount; }
    // Copies the whole Buffer to the screen at once, whatever Empty and
    // UpdateCount are.
    void FlushBuffer();

    // Renders the whole content into Buffer again: with Invalidate false each
    // card reaches the screen at once through WMUpdateRect, with Invalidate
    // true the whole control is invalidated instead.
    virtual void RedrawBuffer(bool Invalidate) = 0;

    // The WM_UPDATERECT handler: a card of this control has just drawn itself
    // into Buffer at R (control coordinates = Buffer coordinates, Right and
    // Bottom exclusive). Copies R to the screen at once and fills the parts
    // of the control that lie outside Buffer. Card is not used here.
    virtual void WMUpdateRect(TLuSingleCard* Card, const TLuRect& R);

    // Buffer reports a change (size or content): with AutoSize the control
    // takes Buffer's size, otherwise the strips outside Buffer are filled on
    // screen. Nothing is copied from Buffer.
    void BufferChanged();

    // With AutoSize on the control always takes Buffer's size (except while
    // it is being loaded).
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);

    // Geometry in the parent, in the names card code uses.
    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

    // Asks for a repaint of the whole control through Paint, later.
    void Invalidate() { update(); }

    // Fired by Resize after the control has taken its new size.
    std::function<void(TLuCustomGraphicControl* Sender)> OnResize;

    // Sends WM_SYNCHRONIZE to the owning window, when NotifyOwner is set.
    void SynchronizeOwner();

protected:
    // The repaint of the area the toolkit asks for: copies that area of
    // Buffer unless UpdateCount is raised or the control is Empty.
    virtual void Paint();
    virtual void AdjustSize();
    virtual void Resize();

    // The on-screen canvas and the area to paint; valid only inside Paint.
    QPainter& Canvas();
    QRect ClipRect() const { return FClipRect; }

    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    void ResizeBuffer(int Width, int Height);
    // Runs Output on the control's screen canvas at once, limited to Area.
    void DrawOnScreen(const QRegion& Area, const std::function<void(QPainter&)>& Output);
    // The strips of the control right of and below Buffer (empty when
    // Buffer covers the control): no copy reaches them, so they are filled.
    QRegion OutsideBuffer() const;
    void FillOutsideBuffer(QPainter& Painter, const QRegion& Outside) const;

    bool FEmpty = true;
    QImage FBuffer;
    int FBufferWidth = 0;
    int FBufferHeight = 0;
    bool FNotifyOwner = true;
    int FUpdateCount = 0;
    bool FEnabled = true;
    bool FAutoSize = false;
    QColor FBrushColor;
    QPainter* FCanvas = nullptr;
    QRect FClipRect;
    const std::function<void(QPainter&)>* FScreenOutput = nullptr;
    QRegion FScreenArea;
};
