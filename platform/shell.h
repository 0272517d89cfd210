#pragma once
// Opening a document or a web address with the desktop's handler; failures are ignored.
#include <QString>
#include <QUrl>
#include <functional>

namespace platform {

using ShellHandler = std::function<void(const QString& verb, const QString& target)>;

// verb is "Open"; target a file name (resolved against the current folder) or a URL.
void ShellExecute(const QString& verb, const QString& target);

ShellHandler SetShellHandler(ShellHandler handler);

// What the desktop is asked to open for target: a URL with a scheme as it
// stands, anything else as a file resolved against the current folder.
QUrl ShellTargetUrl(const QString& target);

} // namespace platform
