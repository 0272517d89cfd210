#pragma once
// Modal dialogs of the program's own (name, options, scores, About), run
// through one replaceable entry point, so that a test can fill a dialog in
// and press its buttons instead of waiting for a person.
#include <functional>

class QDialog;
class QWidget;

namespace platform {

// Gets the fully built dialog, not shown, and returns its result code
// (QDialog::Accepted or QDialog::Rejected), typically after pressing its
// buttons and reading dialog.result().
using ModalHandler = std::function<int(QDialog& dialog)>;

// Runs the dialog modally (RunModal) and returns its result code; while a
// handler is set, the handler runs it instead.
int ExecModal(QDialog& dialog);

// The real modal run of every box and dialog the program shows (the message
// boxes come here too): the window is centred on the screen by the size it
// has when it shows, takes the keyboard focus as soon as it is up, and the
// window that had the keyboard before gets it back when it closes. A window
// manager usually does the placing and the focus for a new dialog, but
// without one (or with one that prevents focus stealing) the dialog would
// sit where Qt guesses and Enter and Esc would still go to the window behind.
// The window manager is told whose dialog it is: a dialog without a parent
// gets the window it blocks (the active one, else the game's window) as its
// transient parent, and no dialog asks for a minimise or maximise button, so
// that a dialog is never minimised on its own, leaving its window blocked
// with nothing to show why.
int RunModal(QDialog& dialog);

// Moves the window so that its frame is centred on the primary screen's
// available area, by the size it has now.
void CentreOnScreen(QWidget& window);

// For a window of one size (the game's): tells the window manager that its
// least and its most size are both the present one and that it has no
// maximise button, and puts it back to normal whenever it is maximised or
// made full screen all the same (by a window manager's key or menu, or
// another program's request), where it would sit in a corner of a black
// screen. Call it before the window shows.
void KeepAtOneSize(QWidget& window);

// Replaces the real modal run; an empty handler restores it. Returns the
// previous handler.
ModalHandler SetModalHandler(ModalHandler handler);

} // namespace platform
