#include "platform/installpaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

QString WithTrailingSlash(const QString& dir)
{
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

namespace {

// <prefix>/share/velto/ for an executable in <prefix>/bin/.
QString SharedFilesFolder(const QString& appDir)
{
    return WithTrailingSlash(
        QDir::cleanPath(WithTrailingSlash(appDir) + QStringLiteral("../share/velto")));
}

} // namespace

bool IsInstalledLayout(const QString& appDir)
{
    if (appDir.isEmpty())
        return false;
    return QFileInfo(SharedFilesFolder(appDir)).isDir();
}

QString ProgramFilesFolder(const QString& appDir)
{
    return IsInstalledLayout(appDir) ? SharedFilesFolder(appDir) : WithTrailingSlash(appDir);
}

QString HelpDocumentPath(const QString& appDir)
{
    return ProgramFilesFolder(appDir) + QLatin1String(HelpDocumentName);
}

QString SettingsFolder(const QString& appDir)
{
    if (!IsInstalledLayout(appDir))
        return WithTrailingSlash(appDir) + QStringLiteral("Data/");
    // The prefix belongs to the package manager; the user's own data folder
    // is the one place an installed program may write without asking. Qt
    // falls back to ~/.local/share itself when XDG_DATA_HOME is unset.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty())
        return WithTrailingSlash(appDir) + QStringLiteral("Data/");
    const QString folder = WithTrailingSlash(QDir::cleanPath(dataHome + QStringLiteral("/velto")));
    // A failure here shows up as the settings write's own error at close.
    QDir().mkpath(folder);
    return folder;
}

} // namespace platform
