#include "platform/inifilestorage.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace platform::ini {

namespace {

// The file a write replaces: the end of the chain of links, followed the
// way QSaveFile follows it. nullopt for a chain too long to be anything but
// a loop.
std::optional<QFileInfo> linkEnd(const QString& fileName)
{
    QFileInfo info(fileName);
    for (int depth = 0; depth < 127 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    if (info.isSymLink())
        return std::nullopt;
    return info;
}

// QSaveFile names its temporary after the file: the name, a dot and six
// random ASCII letters (unless the name has its own run of six 'X', which
// then takes the letters instead; such a name never gets here). A name a
// person gives a copy ("backup", "BACKUP", "Backup") is one word in one case
// or capitalised; random letters almost always mix the cases past the first
// one, so only such names count as ours, and a rare leftover stays rather
// than a user's copy going.
bool isTemporaryName(const QString& entry, const QString& fileName)
{
    constexpr qsizetype Letters = 6;
    if (entry.size() != fileName.size() + 1 + Letters || !entry.startsWith(fileName) ||
        entry[fileName.size()] != QLatin1Char('.'))
        return false;
    bool lower = false;
    bool upperAfterFirst = false;
    const qsizetype first = entry.size() - Letters;
    for (qsizetype i = first; i < entry.size(); ++i) {
        const char16_t c = entry[i].unicode();
        if (c >= 'a' && c <= 'z')
            lower = true;
        else if (c >= 'A' && c <= 'Z')
            upperAfterFirst = upperAfterFirst || i > first;
        else
            return false;
    }
    return lower && upperAfterFirst;
}

// A temporary younger than this may belong to another copy of the program
// saving the same file right now.
constexpr qint64 StaleAfterSeconds = 60;

// Only after a replacement went through: the folder is writable then, and a
// temporary of ours still there was left by a write that never finished its
// rename; one younger than a minute is left alone, as another copy of the
// program may be writing the file at this very moment. Only plain files that
// are ours: never a link, never another user's file.
void removeStaleTemporaries(const QString& fileName)
{
    const std::optional<QFileInfo> target = linkEnd(fileName);
    if (!target)
        return;
    const QString name = target->fileName();
    if (name.contains(QLatin1String("XXXXXX")))
        return;
    const QFileInfoList entries =
        target->dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        if (isTemporaryName(entry.fileName(), name) && entry.ownerId() == ::geteuid()
            && entry.lastModified().secsTo(QDateTime::currentDateTime()) >= StaleAfterSeconds)
            QFile::remove(entry.filePath());
    }
}

} // namespace

std::optional<StoredFile> readFile(const QString& fileName)
{
    StoredFile stored;
    if (!QFileInfo::exists(fileName)) {
        // A link to a file that is not there yet is a missing file, which the
        // first write creates at the link's end.
        if (QFileInfo(fileName).isSymLink() && !linkEnd(fileName))
            return std::nullopt;
        return stored;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    stored.existed = true;
    stored.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return stored;
}

// The explicit flush matters: a buffered write that the disk refuses only
// half-way (full disk, size limit) fails in the flush, and QSaveFile's own
// flush in commit() ignores that and would put the cut file in place.
bool replaceFile(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    removeStaleTemporaries(fileName);
    return true;
}

} // namespace platform::ini
