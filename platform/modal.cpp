#include "platform/modal.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace platform {

namespace {

ModalHandler& modalHandler()
{
    static ModalHandler handler;
    return handler;
}

// Centres its window when it shows, and again whenever its size changes
// before the show has reached the window system: a message box works out
// its size in its own show handler, after this filter has seen the show.
// Once the window is up it takes the keyboard, and the filter goes.
class ShowCentredWithFocus : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Resize && m_showing) {
            CentreOnScreen(*window);
        } else if (event->type() == QEvent::Show && !m_showing) {
            m_showing = true;
            CentreOnScreen(*window);
            // After the show has reached the window system.
            QTimer::singleShot(0, window, [this, window] {
                window->activateWindow();
                window->raise();
                deleteLater();
            });
        }
        return false;
    }

private:
    bool m_showing = false;
};

// Gives the keyboard back to the window that had it when the dialog opened,
// once the dialog has closed; without a window manager nobody else does.
class ActiveWindowRestorer
{
public:
    ActiveWindowRestorer() : m_window(QApplication::activeWindow()) {}
    ~ActiveWindowRestorer()
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
    ActiveWindowRestorer(const ActiveWindowRestorer&) = delete;
    ActiveWindowRestorer& operator=(const ActiveWindowRestorer&) = delete;

private:
    QPointer<QWidget> m_window;
};

bool canOwnDialogs(const QWidget* window, const QDialog& dialog)
{
    if (!window || window == &dialog || !window->isVisible())
        return false;
    const Qt::WindowType type = window->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

// The window a dialog without a parent blocks: the modal dialog it opens
// from, else the active window, else the first normal window shown (the
// game's, when it is minimised or another program has the focus).
QWidget* ownerOf(const QDialog& dialog)
{
    for (QWidget* window : {QApplication::activeModalWidget(), QApplication::activeWindow()})
        if (canOwnDialogs(window, dialog))
            return window;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        if (canOwnDialogs(window, dialog) && window->windowType() == Qt::Window)
            return window;
    return nullptr;
}

void keepWithItsWindow(QDialog& dialog)
{
    const Qt::WindowFlags noButtons = Qt::WindowMinMaxButtonsHint | Qt::WindowFullscreenButtonHint;
    if (dialog.windowFlags() & noButtons)
        dialog.setWindowFlags(dialog.windowFlags() & ~noButtons);
    // Qt makes a parent's window the transient parent by itself.
    if (dialog.parentWidget())
        return;
    QWidget* owner = ownerOf(dialog);
    if (!owner || !owner->windowHandle())
        return;
    dialog.createWinId();
    dialog.windowHandle()->setTransientParent(owner->windowHandle());
}

// Puts its window back to normal after a maximised or full-screen state,
// once the change has gone through.
class NormalStateKeeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->windowState() & unwanted)
                QTimer::singleShot(0, window, [window] { window->setWindowState(window->windowState() & ~unwanted); });
        }
        return false;
    }

private:
    static constexpr Qt::WindowStates unwanted = Qt::WindowMaximized | Qt::WindowFullScreen;
};

} // namespace

void CentreOnScreen(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

int RunModal(QDialog& dialog)
{
    keepWithItsWindow(dialog);
    dialog.installEventFilter(new ShowCentredWithFocus(&dialog));
    const ActiveWindowRestorer restorer;
    return dialog.exec();
}

void KeepAtOneSize(QWidget& window)
{
    window.setFixedSize(window.size());
    const Qt::WindowFlags noButtons = Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint;
    if (window.windowFlags() & noButtons)
        window.setWindowFlags(window.windowFlags() & ~noButtons);
    window.installEventFilter(new NormalStateKeeper(&window));
}

int ExecModal(QDialog& dialog)
{
    // A copy, so a handler that replaces itself (or opens a nested dialog
    // under another handler) does not destroy the function it is running in.
    const ModalHandler handler = modalHandler();
    return handler ? handler(dialog) : RunModal(dialog);
}

ModalHandler SetModalHandler(ModalHandler handler)
{
    return std::exchange(modalHandler(), std::move(handler));
}

} // namespace platform
