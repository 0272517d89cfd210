#pragma once
// Private-profile (INI) access by key, the file never kept open between
// calls: section and key names match without regard to case, white space
// around names and values is ignored, the first match wins, and a write keeps
// every other line of the file as it was. A write (of one key or of a batch)
// replaces the file atomically (temporary file beside it, renamed over it)
// and reports failure.
// Lines starting with ';' are comments. Text is written as UTF-8; a name or
// value in the file that is not valid UTF-8 is read as Latin-1. A file that
// starts with a UTF-16 byte-order mark (little or big endian) is read as
// UTF-16 and written back as it was: the same byte order, mark and line
// ending.
// A file name that is a symbolic link reads and writes the file the link
// leads to, creating it when it is not there yet; the link stays.
#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace platform {

class IniFile {
public:
    explicit IniFile(const QString& fileName);

    const QString& FileName() const { return m_fileName; }

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // Decimal, or hexadecimal after "0x"/"0X" when longer than two characters;
    // anything that is not a number gives def. The whole value must be the
    // number: "+5" and " 5 " are 5, "5abc", "1.5" and "$1F" are not numbers;
    // out of 32-bit range is not a number, and hex is a 32-bit pattern
    // ("0xFFFFFFFF" is -1).
    int ReadInteger(const QString& section, const QString& key, int def) const;
    // An integer: anything but 0 is true.
    bool ReadBool(const QString& section, const QString& key, bool def) const;

    // Loads the file now and answers the reads that follow from that copy,
    // rather than loading the whole file again for every key: for reading
    // many keys in a row. The next write through this object ends it; what
    // others write to the file meanwhile is not seen.
    void TakeSnapshot();

    // false when the file could not be written (nothing is left half-written),
    // and for names that would not read back (empty key, a key with '=' or
    // starting with '[' or ';', a section with ']', line breaks). Line breaks
    // in a value become spaces. Writing the value a key already has leaves
    // the file untouched.
    bool WriteString(const QString& section, const QString& key, const QString& value);
    bool WriteInteger(const QString& section, const QString& key, int value);
    bool WriteBool(const QString& section, const QString& key, bool value);

    struct KeyValue
    {
        QString section;
        QString key;
        QString value;
    };
    // Many writes as one change of the file: it is read once, the writes are
    // applied in order to that copy in one pass, and the file is replaced
    // once (left untouched when nothing changes). The bytes are exactly what
    // the same WriteString calls one after another would leave. All or
    // nothing: false, with the file as it was, when it cannot be read or
    // replaced or when any name would be refused.
    bool WriteStrings(const QList<KeyValue>& values);

private:
    struct Snapshot;

    std::optional<QString> ReadValue(const QString& section, const QString& key) const;

    QString m_fileName;
    std::shared_ptr<const Snapshot> m_snapshot;
};

} // namespace platform
