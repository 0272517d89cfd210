#include "platform/modalkeys.h"

#include <QApplication>
#include <QWidget>

#if VELTO_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace platform {

namespace {

#if VELTO_HAVE_XCB
// True when the X window is the native window of one of this program's
// top-level widgets (no native window is created to find out).
bool isOurTopLevel(xcb_window_t window)
{
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->internalWinId() == window)
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
    auto* event = static_cast<xcb_generic_event_t*>(message);
    const auto type = event->response_type & 0x7F;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    const QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return false;
    const auto modalWindow = static_cast<xcb_window_t>(modal->window()->internalWinId());
    // Press and release share their layout.
    auto* key = reinterpret_cast<xcb_key_press_event_t*>(event);
    if (modalWindow != 0 && key->event != modalWindow && isOurTopLevel(key->event))
        key->event = modalWindow;
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}

} // namespace platform
