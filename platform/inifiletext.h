#pragma once
// The line-level reading and writing that IniFile's one-key writes and its
// batch share. Both must see a file's lines, names and values exactly alike,
// or the batch would no longer leave the bytes the one-key writes leave.
// Internal to IniFile; nothing else should include this.
//
// The file is handled as a list of raw lines, each with its own line ending,
// so a write changes the bytes of one line (or adds one) and leaves every
// other byte of the file alone, whatever its encoding. Names and values are
// text: each name and each value that is valid UTF-8 is read as UTF-8, any
// other as Latin-1 (so a file from an older program still reads, without
// errors); what we write is UTF-8. (A UTF-16 file gets here as UTF-8 lines
// and goes back to UTF-16 after: inifileencoding.h.)
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace platform::ini {

struct Line
{
    QByteArray text;   // without its line ending
    QByteArray ending; // "\r\n", "\n", or empty for a last line without one
};

enum class LineKind
{
    Other,
    Section,
    Key
};

struct ParsedLine
{
    LineKind kind = LineKind::Other;
    QString name;          // section or key name, trimmed
    qsizetype valueAt = 0; // for a key: where the value starts in the raw line
};

struct LineSpan
{
    qsizetype begin = 0;
    qsizetype textEnd = 0; // where the line ending starts
    qsizetype end = 0;     // one past the line ending
};

QByteArrayView trimmedBytes(QByteArrayView bytes);
QString decode(QByteArrayView bytes);
std::vector<LineSpan> lineSpans(const QByteArray& bytes);
ParsedLine parseLine(QByteArrayView raw, bool first);
bool sameName(const QString& a, const QString& b);
// The line ending the file already uses (its first one), LF for a new file.
QByteArray lineEnding(const QByteArray& bytes);
// One key is one line: a line break in the value would start another.
QByteArray flatValue(const QString& value);
// A key line with a new value. The key stays as the file spells it, and so
// does the spacing around '=' (for an empty old value, the spacing before
// '=' is mirrored after it).
QByteArray withValue(QByteArrayView text, qsizetype valueAt, QByteArrayView value);

} // namespace platform::ini
