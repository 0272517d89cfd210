#pragma once
// Modal dialogs of the program's own (name, options, scores, About), run
// through one replaceable entry point, so that a test can fill a dialog in
// and press its buttons instead of waiting for a person.
#include <QPointer>
#include <QWidget>

#include <functional>

class QDialog;

namespace platform {

// Gets the fully built dialog, not shown, and returns its result code
// (QDialog::Accepted or QDialog::Rejected), typically after pressing its
// buttons and reading dialog.result().
using ModalHandler = std::function<int(QDialog& dialog)>;

// Runs the dialog modally (QDialog::exec) and returns its result code; while
// a handler is set, the handler runs it instead.
int ExecModal(QDialog& dialog);

// Makes the window take the keyboard focus as soon as it shows. A window
// manager usually does this for a new dialog, but without one (or with one
// that prevents focus stealing) Enter and Esc would still go to the window
// behind it.
void TakeFocusWhenShown(QWidget& window);

// Gives the keyboard back to the window that had it when the dialog opened,
// once the dialog has closed; without a window manager nobody else does.
class ActiveWindowRestorer {
public:
    ActiveWindowRestorer();
    ~ActiveWindowRestorer();
    ActiveWindowRestorer(const ActiveWindowRestorer&) = delete;
    ActiveWindowRestorer& operator=(const ActiveWindowRestorer&) = delete;

private:
    QPointer<QWidget> m_window;
};

// Replaces the real modal run; an empty handler restores it. Returns the
// previous handler.
ModalHandler SetModalHandler(ModalHandler handler);

} // namespace platform
