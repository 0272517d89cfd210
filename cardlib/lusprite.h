#pragma once
// The card animation: a sprite moves an image across its form's client area
// in straight steps, blocking its caller until the image has arrived (and,
// unless asked to stay, has been removed again). Card tables and groups that
// name a sprite fly dealt, played and taken cards with it; those that name
// none show each card at its place at once.
//
// The form's pixels are the form as it shows, its controls included. The
// sprite puts its image on a transparent layer above all of them (created
// with the first drawing); restoring saved pixels makes the layer clear
// again wherever the form still shows them, so the form's own later
// drawing is never hidden by a stale copy. The layer is composed over the
// form at every repaint, so a shown image always survives the form's
// painting (doAutoRefresh asks for nothing more), and the form's size is
// held fixed during a move rather than refused (doWindowPreventResize).
#include "platform/component.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <initializer_list>

class QEvent;
class QPoint;
class QRect;
class QWidget;

enum TLuDrawOption : std::uint8_t
{
    doSynchronize,
    doProcessMessages,
    doDetectEscKey,
    doWindowActive,
    doWindowVisible,
    doWindowPreventResize,
    doWindowInScreen,
    doAutoErase,
    doAutoRefresh
};

// A set of TLuDrawOption, stored as one bit per option (bit n = option n).
class TLuDrawOptions
{
public:
    constexpr TLuDrawOptions() = default;
    constexpr explicit TLuDrawOptions(std::uint16_t bits) : FBits(bits) {}
    constexpr TLuDrawOptions(std::initializer_list<TLuDrawOption> options)
    {
        for (TLuDrawOption option : options)
            FBits = static_cast<std::uint16_t>(FBits | Bit(option));
    }

    constexpr bool Contains(TLuDrawOption option) const { return (FBits & Bit(option)) != 0; }
    constexpr void Include(TLuDrawOption option)
    {
        FBits = static_cast<std::uint16_t>(FBits | Bit(option));
    }
    constexpr void Exclude(TLuDrawOption option)
    {
        FBits = static_cast<std::uint16_t>(FBits & ~Bit(option));
    }
    constexpr std::uint16_t Value() const { return FBits; }
    constexpr bool operator==(const TLuDrawOptions&) const = default;

private:
    static constexpr std::uint16_t Bit(TLuDrawOption option)
    {
        return static_cast<std::uint16_t>(1u << option);
    }

    std::uint16_t FBits = 0;
};

// Synchronize, process messages, detect Esc, window active, prevent resize, auto erase.
inline constexpr TLuDrawOptions DefaultDrawOptions{175};

class TLuSprite : public QObject, public platform::Component
{
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(TLuSprite* Sender)>;

    // The form is the sprite's owner and the surface it works on.
    explicit TLuSprite(QWidget* form);
    ~TLuSprite() override;

    QWidget* Form() const { return FForm; }

    // Flights. Fly shows Image (a copy; the current Bitmap when nullptr) at
    // the start point, moves it to the destination and hides it unless
    // KeepVisible. A disabled sprite or a held Esc key skips the flight and
    // only lets pending messages run.
    void Fly(int StartX, int StartY, int DestX, int DestY, const QImage* Image, bool KeepVisible);
    // Back to the start of the last flight, then hidden.
    void FlyBack();
    void TryMoveToDest();
    // Steps to (DestX, DestY) under the busy state; fires AfterMove at the
    // end, also when the program's termination abandons the move.
    void MoveToDest();

    const QImage& Bitmap() const { return FBitmap; }
    void SetBitmap(const QImage& value);
    // The form pixels under the shown image (0 x 0 while hidden).
    const QImage& Background() const { return FBackground; }

    int X() const { return FX; }
    void SetX(int value);
    int Y() const { return FY; }
    void SetY(int value);
    int HomeX() const { return FHomeX; }
    int HomeY() const { return FHomeY; }
    // Largest step per axis; values below 1 are ignored.
    int IncrementX() const { return FIncrementX; }
    void SetIncrementX(int value);
    int IncrementY() const { return FIncrementY; }
    void SetIncrementY(int value);
    int DestX() const { return FDestX; }
    void SetDestX(int value) { FDestX = value; }
    int DestY() const { return FDestY; }
    void SetDestY(int value) { FDestY = value; }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    bool EscHeld() const { return FEscHeld; }

    bool SnapToCursor() const { return FSnapToCursor; }
    void SetSnapToCursor(bool value);
    int CursorDeltaX() const { return FCursorDeltaX; }
    void SetCursorDeltaX(int value);
    int CursorDeltaY() const { return FCursorDeltaY; }
    void SetCursorDeltaY(int value);
    bool CursorCenter() const { return FCursorCenter; }
    void SetCursorCenter(bool value);

    TLuDrawOptions DrawOptions() const { return FDrawOptions; }
    void SetDrawOptions(TLuDrawOptions value) { FDrawOptions = value; }

    // Fired at the end of every MoveToDest.
    TNotifyEvent AfterMove;
    // Fired at every follow tick while the pointer is outside the client area.
    TNotifyEvent OnOutClient;

    // One step of cursor following (the follow timer's tick).
    void FollowCursor();

protected:
    // Hooks the form's key and resize notifications (Esc, the layer's size).
    void Loaded() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DrawSprite(bool Save);
    bool ScrollBackground(int dx, int dy);
    void ProcessPendingMessages();
    // The layer above the form's controls on which the image is shown.
    QWidget* Surface();
    // The form as it shows in R (0 x 0 outside the form is black).
    QImage FormPixels(const QRect& R, bool WithLayer) const;
    // Puts Source's SourceRect back on the form at Dest.
    void RestoreOnForm(const QPoint& Dest, const QImage& Source, const QRect& SourceRect);
    bool WindowAllowsDrawing() const;
    static int StepToward(int position, int destination, int increment);

    QTimer FFollowTimer;
    bool FFirstSnap = false;
    bool FEnabled = true;
    bool FVisible = false;
    QWidget* FForm;
    int FHomeX = 0;
    int FHomeY = 0;
    int FY = 0;
    int FX = 0;
    QImage FBitmap;
    QImage FBackground;
    int FIncrementY = 4;
    int FIncrementX = 4;
    int FDestY = 0;
    int FDestX = 0;
    bool FSnapToCursor = false;
    int FCursorDeltaY = 0;
    int FCursorDeltaX = 0;
    bool FCursorCenter = true;
    int FSavedIncrementX = 4;
    int FSavedIncrementY = 4;
    bool FEscHeld = false;
    TLuDrawOptions FDrawOptions = DefaultDrawOptions;
    bool FHooked = false;
    QPointer<QWidget> FSurface;
    // The form's size limits while a flight holds it fixed.
    QSize FSavedMinimumSize;
    QSize FSavedMaximumSize;
};
