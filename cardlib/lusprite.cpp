#include "cardlib/lusprite.h"

#include "cardlib/lubusy.h"
#include "cardlib/luwait.h"
#include "platform/abort.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include <cstdlib>
#include <stdexcept>

TLuSprite::TLuSprite(QWidget* form) : QObject(form), FForm(form)
{
    if (!form)
        throw std::invalid_argument("A sprite needs a form as its owner");
    FFollowTimer.setInterval(100);
    connect(&FFollowTimer, &QTimer::timeout, this, &TLuSprite::FollowCursor);
}

TLuSprite::~TLuSprite() = default;

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
    // Closes the busy bracket and reports the end of the move however the
    // loop is left, the silent abort included.
    struct Cleanup
    {
        TLuSprite* Sprite;
        ~Cleanup()
        {
            EndBusy();
            if (Sprite->AfterMove)
                Sprite->AfterMove(Sprite);
        }
    };

    BeginBusy();
    Cleanup cleanup{this};
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
        // Putting the saved pixels back on the form is not built yet; the
        // saved copy is dropped as a real hide drops it.
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
    // The window conditions that the drawing honours. Putting the image on
    // the form and saving the pixels under it are not built yet, so a shown
    // sprite keeps an empty Background.
    if (FDrawOptions.Contains(doWindowVisible) && !FForm->isVisible())
        return;
    if (FDrawOptions.Contains(doWindowActive) && !FForm->isActiveWindow())
        return;
    static_cast<void>(Save);
}

bool TLuSprite::ScrollBackground(int dx, int dy)
{
    const int w = FBackground.width();
    const int h = FBackground.height();
    if (w <= std::abs(dx) || h <= std::abs(dy))
        return true;
    if (dx == 0 && dy == 0)
        return true;
    // Shifting the saved strips needs the drawing on the form, which is not
    // built yet; nothing is ever saved, so the first case always applies.
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
        case QEvent::Paint:
            if (FDrawOptions.Contains(doAutoRefresh) && FVisible)
                DrawSprite(false);
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
