#pragma once
// Reading the settings file whole and replacing it whole, for IniFile.
// Internal to IniFile; nothing else should include this.
//
// The file may be a symbolic link: reads and writes go to the file at the
// end of the link (which stays a link), and a link to a file not made yet is
// a missing file, which the first write makes. The replacement is QSaveFile's
// temporary file beside that file, renamed over it. A process killed right
// at the rename leaves that temporary behind, complete; the next successful
// replacement removes such leftovers (see replaceFile).
#include <QByteArray>
#include <QString>

#include <optional>

namespace platform::ini {

struct StoredFile
{
    bool existed = false;
    QByteArray bytes;
};

// Empty, and not existing, when there is no file; nullopt when there is
// one that cannot be read, or a chain of links that never ends.
std::optional<StoredFile> readFile(const QString& fileName);

// false, with the file as it was, when any part of the write fails. Once
// the new file is in place, our earlier temporaries beside it go: files of
// ours named exactly as the temporaries of this file are named ("Config.INI"
// and a dot and six letters).
bool replaceFile(const QString& fileName, const QByteArray& bytes);

} // namespace platform::ini
