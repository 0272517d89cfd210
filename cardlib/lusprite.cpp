#include "cardlib/lusprite.h"

#include "cardlib/lubusy.h"
#include "cardlib/luwait.h"
#include "platform/abort.h"

#include "cardlib/lucustomgraphiccontrol.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <cstdlib>
#include <exception>
#include <stdexcept>

namespace {

// A transparent sheet over the whole form, above its controls and blind to
// the mouse: what the sprite draws "on the form" is drawn here.
class SpriteSurface : public QWidget
{
public:
    explicit SpriteSurface(QWidget* form) : QWidget(form)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        Follow();
        show();
    }

    // Covers the form and stays the topmost child; the layer keeps what it
    // holds where the form's size allows.
    void Follow()
    {
        QWidget* form = parentWidget();
        if (geometry() != form->rect())
            setGeometry(form->rect());
        if (Layer.size() != form->size()) {
            QImage grown(form->size(), QImage::Format_ARGB32_Premultiplied);
            grown.fill(Qt::transparent);
            QPainter painter(&grown);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, Layer);
            painter.end();
            Layer = grown;
        }
        raise();
    }

    QImage Layer;
    // While set the sheet paints nothing, so the form shows without it.
    bool Hidden = false;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (Hidden)
            return;
        QPainter painter(this);
        for (const QRect& r : event->region())
            LuDrawImagePart(painter, Layer, r);
    }
};

SpriteSurface* AsSurface(QWidget* widget)
{
    return static_cast<SpriteSurface*>(widget);
}

// Copies SourceRect of Source into Dest at At, pixel for pixel.
void Blit(QImage& Dest, const QPoint& At, const QImage& Source, const QRect& SourceRect)
{
    QPainter painter(&Dest);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(At, Source, SourceRect);
}

} // namespace

TLuSprite::TLuSprite(QWidget* form) : QObject(form), FForm(form)
{
    if (!form)
        throw std::invalid_argument("A sprite needs a form as its owner");
    FFollowTimer.setInterval(100);
    connect(&FFollowTimer, &QTimer::timeout, this, &TLuSprite::FollowCursor);
}

TLuSprite::~TLuSprite()
{
    // The layer belongs to the form; a sprite that goes first takes it along.
    delete FSurface.data();
}

QWidget* TLuSprite::Surface()
{
    if (!FSurface)
        FSurface = new SpriteSurface(FForm);
    AsSurface(FSurface)->Follow();
    return FSurface;
}

QImage TLuSprite::FormPixels(const QRect& R, bool WithLayer) const
{
    QImage result(R.size(), QImage::Format_RGB32);
    result.fill(Qt::black);
    const QRect inside = R.intersected(FForm->rect());
    if (inside.isEmpty())
        return result;
    auto* surface = AsSurface(FSurface);
    if (surface)
        surface->Hidden = !WithLayer;
    // Rendered at one device pixel per logical pixel whatever the screen's
    // ratio: the saved pixels are the form's own, not samples of a scaled copy.
    QImage shown(inside.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::transparent);
    FForm->render(&shown, QPoint(), QRegion(inside));
    shown = shown.convertToFormat(QImage::Format_RGB32);
    if (surface)
        surface->Hidden = false;
    Blit(result, inside.topLeft() - R.topLeft(), shown, shown.rect());
    return result;
}

void TLuSprite::RestoreOnForm(const QPoint& Dest, const QImage& Source, const QRect& SourceRect)
{
    const QRect target = QRect(Dest, SourceRect.size()).intersected(FForm->rect());
    if (target.isEmpty() || !FSurface)
        return;
    // Where the form itself still shows the saved pixel the layer clears;
    // anywhere else (a trail, or what the form drew meanwhile) the saved
    // pixel goes on the layer, as it would go on the screen.
    const QImage form = FormPixels(target, false);
    QImage& layer = AsSurface(FSurface)->Layer;
    const QPoint offset = SourceRect.topLeft() - Dest;
    for (int y = target.top(); y <= target.bottom(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(layer.scanLine(y));
        const auto* under = reinterpret_cast<const QRgb*>(form.constScanLine(y - target.top()));
        const auto* saved = reinterpret_cast<const QRgb*>(Source.constScanLine(y + offset.y()));
        for (int x = target.left(); x <= target.right(); ++x) {
            const QRgb pixel = saved[x + offset.x()] | 0xFF000000u;
            out[x] = pixel == (under[x - target.left()] | 0xFF000000u) ? 0u : pixel;
        }
    }
    FSurface->repaint(LuRepaintArea(*FSurface, target));
}

bool TLuSprite::WindowAllowsDrawing() const
{
    // The visible part of the client area, as the window system shows it.
    const QRegion visible = FForm->isVisible() ? FForm->visibleRegion() : QRegion();
    const bool simple = visible.rectCount() == 1;
    if (FDrawOptions.Contains(doWindowVisible) && !simple)
        return false;
    if (FDrawOptions.Contains(doWindowInScreen) &&
        !(simple && visible.boundingRect() == FForm->rect()))
        return false;
    if (FDrawOptions.Contains(doWindowActive) && !FForm->isActiveWindow())
        return false;
    return true;
}

void TLuSprite::ProcessPendingMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TLuSprite::Fly(int StartX, int StartY, int DestX, int DestY, const QImage* Image,
                    bool KeepVisible)
{
    if (!FEnabled || FEscHeld) {
        ProcessPendingMessages();
        return;
    }
    if (Image)
        SetBitmap(*Image);
    FX = StartX;
    FY = StartY;
    FHomeX = StartX;
    FHomeY = StartY;
    FDestX = DestX;
    FDestY = DestY;
    SetVisible(true);
    MoveToDest();
    if (!KeepVisible)
        SetVisible(false);
}

void TLuSprite::FlyBack()
{
    if (!FEnabled || FEscHeld) {
        ProcessPendingMessages();
        return;
    }
    if (!FVisible)
        SetVisible(true);
    FDestX = FHomeX;
    FDestY = FHomeY;
    TryMoveToDest();
    SetVisible(false);
}

void TLuSprite::TryMoveToDest()
{
    if (!FEnabled || FEscHeld)
        ProcessPendingMessages();
    else
        MoveToDest();
}

int TLuSprite::StepToward(int position, int destination, int increment)
{
    if (destination < position)
        return destination > position - increment ? destination : position - increment;
    if (destination > position)
        return destination < position + increment ? destination : position + increment;
    return position;
}

void TLuSprite::MoveToDest()
{
    BeginBusy();
    // The form keeps its size while the flight lets messages through.
    const bool holdSize = FDrawOptions.Contains(doWindowPreventResize);
    if (holdSize) {
        QWidget* window = FForm->window();
        FSavedMinimumSize = window->minimumSize();
        FSavedMaximumSize = window->maximumSize();
        window->setFixedSize(window->size());
    }
    // However the loop is left, the silent abort included, the busy bracket
    // closes and AfterMove reports the end of the move before the failure
    // goes on; a handler may throw too, so this is not done in a destructor.
    std::exception_ptr failure;
    try {
        const int ix = FIncrementX;
        const int iy = FIncrementY;
        for (;;) {
            if (FDrawOptions.Contains(doProcessMessages))
                ProcessPendingMessages();
            if (ApplicationTerminated())
                platform::Abort();
            if (FDestX != FX)
                SetX(StepToward(FX, FDestX, ix));
            if (FDestY != FY)
                SetY(StepToward(FY, FDestY, iy));
            if (FX == FDestX && FY == FDestY)
                break;
        }
    } catch (...) {
        failure = std::current_exception();
    }
    if (holdSize) {
        QWidget* window = FForm->window();
        window->setMinimumSize(FSavedMinimumSize);
        window->setMaximumSize(FSavedMaximumSize);
    }
    EndBusy();
    if (AfterMove)
        AfterMove(this);
    if (failure)
        std::rethrow_exception(failure);
}

void TLuSprite::SetBitmap(const QImage& value)
{
    // Drawn opaque: whatever transparency the copy had is dropped.
    FBitmap = value.hasAlphaChannel() ? value.convertToFormat(QImage::Format_RGB32) : value;
}

void TLuSprite::SetX(int value)
{
    bool save = true;
    if (FVisible && FDrawOptions.Contains(doAutoErase))
        save = ScrollBackground(value - FX, 0);
    FX = value;
    if (FVisible)
        DrawSprite(save);
}

void TLuSprite::SetY(int value)
{
    bool save = true;
    if (FVisible && FDrawOptions.Contains(doAutoErase))
        save = ScrollBackground(0, value - FY);
    FY = value;
    if (FVisible)
        DrawSprite(save);
}

void TLuSprite::SetIncrementX(int value)
{
    if (value >= 1)
        FIncrementX = value;
}

void TLuSprite::SetIncrementY(int value)
{
    if (value >= 1)
        FIncrementY = value;
}

void TLuSprite::SetVisible(bool value)
{
    FVisible = value;
    if (value) {
        DrawSprite(true);
    } else {
        RestoreOnForm(QPoint(FX, FY), FBackground, FBackground.rect());
        FBackground = QImage();
    }
}

void TLuSprite::SetCursorDeltaX(int value)
{
    FCursorDeltaX = value;
    FCursorCenter = false;
}

void TLuSprite::SetCursorDeltaY(int value)
{
    FCursorDeltaY = value;
    FCursorCenter = false;
}

void TLuSprite::SetCursorCenter(bool value)
{
    FCursorCenter = value;
    if (value) {
        FCursorDeltaX = FBitmap.width() / 2;
        FCursorDeltaY = FBitmap.height() / 2;
    }
}

void TLuSprite::SetSnapToCursor(bool value)
{
    FSnapToCursor = value;
    if (value) {
        FSavedIncrementX = FIncrementX;
        FSavedIncrementY = FIncrementY;
        FBackground = QImage();
        FFirstSnap = true;
        FollowCursor();
        FFollowTimer.start();
    } else {
        FFollowTimer.stop();
        ProcessPendingMessages();
        SetVisible(false);
        FIncrementX = FSavedIncrementX;
        FIncrementY = FSavedIncrementY;
    }
}

void TLuSprite::FollowCursor()
{
    const QPoint p = FForm->mapFromGlobal(QCursor::pos());
    if (0 < p.x() && p.x() < FForm->width() && 0 < p.y() && p.y() < FForm->height()) {
        const int tx = p.x() - FCursorDeltaX;
        const int ty = p.y() - FCursorDeltaY;
        if (FFirstSnap) {
            if (FCursorCenter) {
                FCursorDeltaX = FBitmap.width() / 2;
                FCursorDeltaY = FBitmap.height() / 2;
            }
            FHomeX = tx;
            FHomeY = ty;
            FFirstSnap = false;
        }
        if (tx != FX || ty != FY) {
            // One step all the way: the increments are the distances.
            FIncrementX = std::abs(tx - FX);
            FIncrementY = std::abs(ty - FY);
            FDestX = tx;
            FDestY = ty;
            TryMoveToDest();
        }
        if (!FVisible)
            SetVisible(true);
    } else {
        SetVisible(false);
        if (OnOutClient)
            OnOutClient(this);
    }
}

void TLuSprite::DrawSprite(bool Save)
{
    if (FDrawOptions.Contains(doSynchronize))
        SendSynchronize(FForm);
    if (!WindowAllowsDrawing())
        return;
    const QRect place(FX, FY, FBitmap.width(), FBitmap.height());
    if (Save)
        FBackground = FormPixels(place, true);
    auto* surface = AsSurface(Surface());
    Blit(surface->Layer, place.topLeft(), FBitmap, FBitmap.rect());
    surface->repaint(LuRepaintArea(*surface, place.intersected(FForm->rect())));
}

bool TLuSprite::ScrollBackground(int dx, int dy)
{
    const int w = FBackground.width();
    const int h = FBackground.height();
    if (w <= std::abs(dx) || h <= std::abs(dy)) {
        RestoreOnForm(QPoint(FX, FY), FBackground, FBackground.rect());
        return true;
    }
    if (dx == 0 && dy == 0)
        return true;
    // Restore the strip the image leaves, shift the saved pixels, save the
    // strip the image is about to cover; the image is then drawn over it.
    const QImage saved = FBackground;
    if (dx > 0) {
        RestoreOnForm(QPoint(FX, FY), saved, QRect(0, 0, dx, h));
        Blit(FBackground, QPoint(0, 0), saved, QRect(dx, 0, w - dx, h));
        Blit(FBackground, QPoint(w - dx, 0), FormPixels(QRect(FX + w, FY, dx, h), true),
             QRect(0, 0, dx, h));
    } else if (dx < 0) {
        const int a = -dx;
        RestoreOnForm(QPoint(FX + w - a, FY), saved, QRect(w - a, 0, a, h));
        Blit(FBackground, QPoint(a, 0), saved, QRect(0, 0, w - a, h));
        Blit(FBackground, QPoint(0, 0), FormPixels(QRect(FX - a, FY, a, h), true),
             QRect(0, 0, a, h));
    } else if (dy > 0) {
        RestoreOnForm(QPoint(FX, FY), saved, QRect(0, 0, w, dy));
        Blit(FBackground, QPoint(0, 0), saved, QRect(0, dy, w, h - dy));
        Blit(FBackground, QPoint(0, h - dy), FormPixels(QRect(FX, FY + h, w, dy), true),
             QRect(0, 0, w, dy));
    } else {
        const int a = -dy;
        RestoreOnForm(QPoint(FX, FY + h - a), saved, QRect(0, h - a, w, a));
        Blit(FBackground, QPoint(0, a), saved, QRect(0, 0, w, h - a));
        Blit(FBackground, QPoint(0, 0), FormPixels(QRect(FX, FY - a, w, a), true),
             QRect(0, 0, w, a));
    }
    return false;
}

void TLuSprite::Loaded()
{
    platform::Component::Loaded();
    if (!FHooked) {
        FForm->installEventFilter(this);
        FHooked = true;
    }
}

bool TLuSprite::eventFilter(QObject* watched, QEvent* event)
{
    // The sprite reacts first and never swallows the event, so the form's
    // own handling follows as before. The filter goes with the sprite.
    if (watched == FForm) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && FEnabled && FDrawOptions.Contains(doDetectEscKey))
                FEscHeld = true;
            break;
        }
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && !key->isAutoRepeat() && FEscHeld)
                FEscHeld = false;
            break;
        }
        case QEvent::Resize:
            if (FSurface)
                AsSurface(FSurface)->Follow();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
