#pragma once
// Private-profile (INI) access one key at a time, the file never kept open:
// section and key names match without regard to case, white space around
// names and values is ignored, the first match wins, and a write keeps every
// other line of the file as it was. A write replaces the file atomically
// (temporary file beside it, renamed over it) and reports failure.
#include <QString>

namespace platform {

class IniFile {
public:
    explicit IniFile(const QString& fileName);

    const QString& FileName() const { return m_fileName; }

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // Decimal, or hexadecimal after "0x"/"0X" when longer than two characters;
    // anything that is not a number gives def.
    int ReadInteger(const QString& section, const QString& key, int def) const;
    // An integer: anything but 0 is true.
    bool ReadBool(const QString& section, const QString& key, bool def) const;

    // false when the file could not be written (nothing is left half-written).
    bool WriteString(const QString& section, const QString& key, const QString& value);
    bool WriteInteger(const QString& section, const QString& key, int value);
    bool WriteBool(const QString& section, const QString& key, bool value);

private:
    QString m_fileName;
};

} // namespace platform
