#pragma once
// Modal message boxes of the four standard kinds, through one replaceable
// entry point so that a test can answer them by script.
#include <QString>
#include <functional>

namespace platform {

enum class MsgType { Information, Warning, Confirmation, Error };
enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No };

using MessageBoxHandler = std::function<MsgResult(const QString& text, MsgType type, MsgButtons buttons)>;

// Shows a modal box with the application title as caption and returns the button pressed.
MsgResult MessageDlg(const QString& text, MsgType type, MsgButtons buttons);

// Replaces the real boxes; an empty handler restores them. Returns the previous handler.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

} // namespace platform
