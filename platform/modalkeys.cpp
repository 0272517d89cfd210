#include "platform/modalkeys.h"

#include <QApplication>
#include <QWidget>

#if VELTO_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace platform {

namespace {

#if VELTO_HAVE_XCB
// The native window of one of this program's top-level widgets, 0 when the
// X window is none of ours (no native window is created to find out).
bool IsOurTopLevel(xcb_window_t Window)
{
    for (const QWidget* Widget : QApplication::topLevelWidgets())
        if (Widget->internalWinId() == Window)
            return true;
    return false;
}
#endif

} // namespace

bool ModalKeyForwarder::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
#if VELTO_HAVE_XCB
    if (eventType != "xcb_generic_event_t")
        return false;
    auto* Event = static_cast<xcb_generic_event_t*>(message);
    const auto Type = Event->response_type & 0x7F;
    if (Type != XCB_KEY_PRESS && Type != XCB_KEY_RELEASE)
        return false;
    const QWidget* Modal = QApplication::activeModalWidget();
    if (!Modal || !Modal->isVisible())
        return false;
    const auto ModalWindow = static_cast<xcb_window_t>(Modal->window()->internalWinId());
    // Press and release share their layout.
    auto* Key = reinterpret_cast<xcb_key_press_event_t*>(Event);
    if (ModalWindow != 0 && Key->event != ModalWindow && IsOurTopLevel(Key->event))
        Key->event = ModalWindow;
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}

} // namespace platform
