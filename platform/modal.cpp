#include "platform/modal.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

#include <utility>

namespace platform {

namespace {

ModalHandler& modalHandler()
{
    static ModalHandler handler;
    return handler;
}

// Activates its window once, right after the first show.
class FocusOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* window = static_cast<QWidget*>(watched);
            // After the show has reached the window system.
            QTimer::singleShot(0, window, [window] {
                window->activateWindow();
                window->raise();
            });
            deleteLater();
        }
        return false;
    }
};

} // namespace

ActiveWindowRestorer::ActiveWindowRestorer() : m_window(QApplication::activeWindow()) {}

ActiveWindowRestorer::~ActiveWindowRestorer()
{
    if (!m_window || !m_window->isVisible())
        return;
    m_window->activateWindow();
    // When the window already holds the X focus (put back there while the
    // dialog was open), the window system reports no change, and without
    // this the window's menu keys would stay dead until the next focus change.
    if (QApplication::activeWindow() != m_window) {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(m_window);
        QT_WARNING_POP
    }
}

void TakeFocusWhenShown(QWidget& window)
{
    window.installEventFilter(new FocusOnShow(&window));
}

int ExecModal(QDialog& dialog)
{
    // A copy, so a handler that replaces itself (or opens a nested dialog
    // under another handler) does not destroy the function it is running in.
    const ModalHandler handler = modalHandler();
    if (handler)
        return handler(dialog);
    TakeFocusWhenShown(dialog);
    const ActiveWindowRestorer restorer;
    return dialog.exec();
}

ModalHandler SetModalHandler(ModalHandler handler)
{
    return std::exchange(modalHandler(), std::move(handler));
}

} // namespace platform
