#include "platform/shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace platform {

namespace {

ShellHandler& shellHandler()
{
    static ShellHandler handler;
    return handler;
}

void openWithDesktop(const QString& verb, const QString& target)
{
    // Only "open" is ever asked for; the desktop has no notion of other verbs.
    if (!verb.isEmpty() && verb.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return;
    const QUrl url = ShellTargetUrl(target);
    if (!url.isValid())
        return;
    // A missing document fails quietly here rather than in whatever the
    // desktop would start to show it.
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return;
    QDesktopServices::openUrl(url); // a failure is not reported to anyone
}

} // namespace

QUrl ShellTargetUrl(const QString& target)
{
    const QString trimmed = target.trimmed();
    if (trimmed.isEmpty())
        return QUrl();
    const QUrl asUrl(trimmed, QUrl::StrictMode);
    // A scheme of one letter would be a drive letter, not a web address.
    if (asUrl.isValid() && asUrl.scheme().size() > 1)
        return asUrl;
    return QUrl::fromLocalFile(QDir::current().absoluteFilePath(trimmed));
}

void ShellExecute(const QString& verb, const QString& target)
{
    const ShellHandler& handler = shellHandler();
    if (handler)
        handler(verb, target);
    else
        openWithDesktop(verb, target);
}

ShellHandler SetShellHandler(ShellHandler handler)
{
    return std::exchange(shellHandler(), std::move(handler));
}

} // namespace platform
