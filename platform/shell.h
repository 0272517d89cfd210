#pragma once
// Opening a document or a web address with the desktop's handler; failures are ignored.
#include <QString>
#include <functional>

namespace platform {

using ShellHandler = std::function<void(const QString& verb, const QString& target)>;

// verb is "Open"; target a file name (resolved against the current folder) or a URL.
void ShellExecute(const QString& verb, const QString& target);

ShellHandler SetShellHandler(ShellHandler handler);

} // namespace platform
