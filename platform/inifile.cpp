#include "platform/inifile.h"

#include "platform/inifilebatch.h"
#include "platform/inifileencoding.h"
#include "platform/inifilestorage.h"
#include "platform/inifiletext.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <optional>

namespace platform {

using namespace ini;

namespace {

struct Document
{
    bool existed = false;
    FileFormat format;   // the file's encoding, to write it back in
    QByteArray original; // the file's lines as UTF-8 (its bytes, unless UTF-16)
    QList<Line> lines;
};

// Names are compared as written, with white space around them ignored.
QString cleanName(const QString& name)
{
    return decode(trimmedBytes(name.toUtf8()));
}

QList<Line> splitLines(const QByteArray& bytes)
{
    QList<Line> lines;
    for (const LineSpan& span : lineSpans(bytes)) {
        lines.append(Line{bytes.sliced(span.begin, span.textEnd - span.begin),
                          bytes.sliced(span.textEnd, span.end - span.textEnd)});
    }
    return lines;
}

// Where a section's lines are: its header, and the lines up to the next header.
struct SectionSpan
{
    qsizetype header = -1;
    qsizetype end = -1; // one past the section's last line
};

SectionSpan findSection(const QList<Line>& lines, const QString& section)
{
    SectionSpan span;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = parseLine(lines[i].text, i == 0);
        if (parsed.kind != LineKind::Section)
            continue;
        if (span.header >= 0) {
            span.end = i;
            return span;
        }
        if (sameName(parsed.name, section))
            span.header = i;
    }
    if (span.header >= 0)
        span.end = lines.size();
    return span;
}

// The line of the key in the section, or -1.
qsizetype findKey(const QList<Line>& lines, const SectionSpan& span, const QString& key,
                  ParsedLine* found)
{
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const ParsedLine parsed = parseLine(lines[i].text, false);
        if (parsed.kind == LineKind::Key && sameName(parsed.name, key)) {
            if (found)
                *found = parsed;
            return i;
        }
    }
    return -1;
}

// Reads the whole file; a missing file is an empty document. Returns
// nullopt when the file exists but cannot be read. Without lines when only
// the text is wanted.
std::optional<Document> load(const QString& fileName, bool withLines = true)
{
    std::optional<StoredFile> stored = readFile(fileName);
    if (!stored)
        return std::nullopt;
    Document document;
    document.existed = stored->existed;
    document.original = decodedFile(stored->bytes, &document.format);
    if (withLines)
        document.lines = splitLines(document.original);
    return document;
}

// The file as the lines now stand, in its own encoding, unless they are
// what it holds already.
bool store(const QString& fileName, const Document& document, const QByteArray& lines)
{
    if (document.existed && lines == document.original)
        return true;
    return replaceFile(fileName, encodedFile(lines, document.format));
}

std::optional<QString> findValue(const Document& document, const QString& section,
                                 const QString& key)
{
    const SectionSpan span = findSection(document.lines, cleanName(section));
    if (span.header < 0)
        return std::nullopt;
    ParsedLine parsed;
    const qsizetype line = findKey(document.lines, span, cleanName(key), &parsed);
    if (line < 0)
        return std::nullopt;
    return decode(trimmedBytes(QByteArrayView(document.lines[line].text).sliced(parsed.valueAt)));
}

int hexDigit(char16_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Whole-string integers: an optional sign and decimal digits, or "0x"/"0X"
// and at least one hexadecimal digit (up to 32 bits, taken as the bit
// pattern of a signed integer, so 0xFFFFFFFF is -1). Anything else, and
// anything out of range, is not a number.
std::optional<int> parseInteger(const QString& text)
{
    if (text.size() > 2 && text[0] == QLatin1Char('0') &&
        (text[1] == QLatin1Char('x') || text[1] == QLatin1Char('X'))) {
        std::uint64_t value = 0;
        for (qsizetype i = 2; i < text.size(); ++i) {
            const int digit = hexDigit(text[i].unicode());
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + std::uint64_t(digit);
            if (value > 0xFFFFFFFFu)
                return std::nullopt;
        }
        return static_cast<int>(static_cast<std::uint32_t>(value));
    }
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t(1) << 31)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        return std::nullopt;
    return static_cast<int>(value);
}

bool validName(const QString& name, const char* forbidden)
{
    for (const char* c = forbidden; *c; ++c) {
        if (name.contains(QLatin1Char(*c)))
            return false;
    }
    return !name.contains(QLatin1Char('\n')) && !name.contains(QLatin1Char('\r'));
}

// Names that would read back as something else (a comment, a section, a
// key split at its '=') are refused rather than written wrongly.
bool writableNames(const QString& section, const QString& key)
{
    return validName(section, "]") && !key.isEmpty() && validName(key, "=") &&
           !key.startsWith(QLatin1Char('[')) && !key.startsWith(QLatin1Char(';'));
}

} // namespace

// The file as TakeSnapshot found it; no document when it could not be read.
struct IniFile::Snapshot
{
    std::optional<Document> document;
};

IniFile::IniFile(const QString& fileName) : m_fileName(fileName) {}

void IniFile::TakeSnapshot()
{
    m_snapshot = std::make_shared<const Snapshot>(Snapshot{load(m_fileName)});
}

std::optional<QString> IniFile::ReadValue(const QString& section, const QString& key) const
{
    const std::optional<Document> loaded = m_snapshot ? std::nullopt : load(m_fileName);
    const std::optional<Document>& document = m_snapshot ? m_snapshot->document : loaded;
    if (!document)
        return std::nullopt;
    return findValue(*document, section, key);
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    return ReadValue(section, key).value_or(def);
}

int IniFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    const std::optional<QString> text = ReadValue(section, key);
    if (!text)
        return def;
    return parseInteger(*text).value_or(def);
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool IniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    m_snapshot.reset(); // from here on reads see the file as the writes leave it
    const QString sectionName = cleanName(section);
    const QString keyName = cleanName(key);
    if (!writableNames(sectionName, keyName))
        return false;

    std::optional<Document> document = load(m_fileName);
    if (!document)
        return false; // never replace a file we could not read
    QList<Line>& lines = document->lines;
    const QByteArray ending = lineEnding(document->original);
    const QByteArray flat = flatValue(value);
    const QByteArray keyLine = keyName.toUtf8() + '=' + flat;

    const SectionSpan span = findSection(lines, sectionName);
    if (span.header < 0) {
        if (!lines.isEmpty()) {
            if (lines.last().ending.isEmpty())
                lines.last().ending = ending;
            if (!trimmedBytes(lines.last().text).isEmpty())
                lines.append(Line{QByteArray(), ending});
        }
        lines.append(Line{'[' + sectionName.toUtf8() + ']', ending});
        lines.append(Line{keyLine, ending});
    } else {
        ParsedLine parsed;
        const qsizetype found = findKey(lines, span, keyName, &parsed);
        if (found >= 0) {
            lines[found].text = withValue(lines[found].text, parsed.valueAt, flat);
        } else {
            // After the section's last key, so blank lines and comments that
            // lead into the next section stay where they are.
            qsizetype after = span.header;
            for (qsizetype i = span.header + 1; i < span.end; ++i) {
                if (parseLine(lines[i].text, false).kind == LineKind::Key)
                    after = i;
            }
            if (lines[after].ending.isEmpty())
                lines[after].ending = ending;
            lines.insert(after + 1, Line{keyLine, ending});
        }
    }

    QByteArray bytes;
    for (const Line& line : lines)
        bytes += line.text + line.ending;
    return store(m_fileName, *document, bytes);
}

bool IniFile::WriteStrings(const QList<KeyValue>& values)
{
    m_snapshot.reset();
    QList<KeyValue> writes = values;
    for (KeyValue& write : writes) {
        write.section = cleanName(write.section);
        write.key = cleanName(write.key);
        if (!writableNames(write.section, write.key))
            return false;
    }
    if (writes.isEmpty())
        return true;

    const std::optional<Document> file = load(m_fileName, false);
    if (!file)
        return false;
    return store(m_fileName, *file, batchEdited(file->original, writes));
}

bool IniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    return WriteString(section, key, QString::number(value));
}

bool IniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    return WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace platform
