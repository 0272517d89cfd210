#pragma once
// Keys typed into a window that a modal dialog blocks go to that dialog.
//
// A window manager gives a new modal dialog the keyboard and keeps it there.
// Without one (a kiosk session, a virtual X server), a click or a tool can
// put the focus back on the blocked window; Qt then drops every key, and
// since its own hand-over of the focus to the dialog carries an old X
// timestamp, the X server ignores it. The dialog would sit there with Enter
// and Esc lost, as a dialog on a system whose owner windows are disabled
// never does. On X11 this filter re-addresses such key events to the dialog
// before Qt reads them; elsewhere it does nothing.
#include <QAbstractNativeEventFilter>

namespace platform {

class ModalKeyForwarder : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
};

} // namespace platform
