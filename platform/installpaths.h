#pragma once
// Where the program finds its help document and keeps its settings, for the
// two ways it is laid out on disk:
//   portable   a build or an unpacked copy: everything beside the executable,
//              <appDir>/help/velto.html and <appDir>/Data/Config.INI
//   installed  a prefix such as /usr: <prefix>/bin/velto with its read-only
//              files in <prefix>/share/velto/, where nothing may be written;
//              the settings go to the user's data folder instead.
// The layout is told from what is on disk, never by trying a write.
#include <QString>

namespace platform {

// The help document's path below the folder that holds the program's files.
inline constexpr char HelpDocumentName[] = "help/velto.html";

// dir with exactly one '/' at its end added when it has none; folders are
// kept in that form so file names can simply be appended.
QString WithTrailingSlash(const QString& dir);

// True when appDir (the executable's folder) sits in an installed prefix,
// that is when <appDir>/../share/velto/ exists.
bool IsInstalledLayout(const QString& appDir);

// The program's read-only files: appDir itself in the portable layout,
// <prefix>/share/velto/ when installed. Always ends with '/'.
QString ProgramFilesFolder(const QString& appDir);

// The help document, whether or not it exists (opening a missing one is
// quietly ignored by the shell layer).
QString HelpDocumentPath(const QString& appDir);

// The folder that holds Config.INI, ending with '/'. Portable layout:
// <appDir>/Data/, never created here (without it nothing is saved and the
// write reports "Unable to write to"). Installed layout:
// <XDG data home>/velto/ (normally ~/.local/share/velto/), created when
// missing; if it cannot be created the write reports the same way.
QString SettingsFolder(const QString& appDir);

} // namespace platform
