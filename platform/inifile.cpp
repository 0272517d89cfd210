#include "platform/inifile.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QSaveFile>

#include <cstdint>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

namespace platform {

// The file is handled as a list of raw lines, each with its own line ending,
// so a write changes the bytes of one line (or adds one) and leaves every
// other byte of the file alone, whatever its encoding. Names and values are
// text: each name and each value that is valid UTF-8 is read as UTF-8, any
// other as Latin-1 (so a file from an older program still reads, without
// errors); what we write is UTF-8.

namespace {

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

struct Document
{
    bool existed = false;
    QByteArray original;
    QList<Line> lines;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

QByteArrayView trimmedBytes(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isBlank(bytes[begin]))
        ++begin;
    while (end > begin && isBlank(bytes[end - 1]))
        --end;
    return bytes.sliced(begin, end - begin);
}

QString decode(QByteArrayView bytes)
{
    return bytes.isValidUtf8() ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

// Names are compared as written, with white space around them ignored.
QString cleanName(const QString& name)
{
    return decode(trimmedBytes(name.toUtf8()));
}

struct LineSpan
{
    qsizetype begin = 0;
    qsizetype textEnd = 0; // where the line ending starts
    qsizetype end = 0;     // one past the line ending
};

std::vector<LineSpan> lineSpans(const QByteArray& bytes)
{
    std::vector<LineSpan> spans;
    const qsizetype size = bytes.size();
    for (qsizetype start = 0; start < size;) {
        const qsizetype newline = bytes.indexOf('\n', start);
        LineSpan span{start, newline < 0 ? size : newline, newline < 0 ? size : newline + 1};
        if (newline > start && bytes[newline - 1] == '\r')
            --span.textEnd;
        spans.push_back(span);
        start = span.end;
    }
    return spans;
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

ParsedLine parseLine(QByteArrayView raw, bool first)
{
    // A byte-order mark is not part of the first line's name.
    const qsizetype start = first && raw.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const QByteArrayView text = raw.sliced(start);
    const QByteArrayView trimmed = trimmedBytes(text);
    ParsedLine parsed;
    if (trimmed.startsWith('[')) {
        qsizetype close = trimmed.indexOf(']');
        if (close < 0)
            close = trimmed.size();
        parsed.kind = LineKind::Section;
        parsed.name = decode(trimmedBytes(trimmed.sliced(1, close - 1)));
        return parsed;
    }
    if (trimmed.startsWith(';'))
        return parsed; // a comment
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = decode(trimmedBytes(text.first(equals)));
    parsed.valueAt = start + equals + 1;
    return parsed;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
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
// the bytes are wanted.
std::optional<Document> load(const QString& fileName, bool withLines = true)
{
    Document document;
    QFile file(fileName);
    if (!file.exists())
        return document;
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    document.existed = true;
    document.original = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    if (withLines)
        document.lines = splitLines(document.original);
    return document;
}

// The line ending the file already uses (its first one), LF for a new file.
QByteArray lineEnding(const QByteArray& bytes)
{
    const qsizetype newline = bytes.indexOf('\n');
    return newline > 0 && bytes[newline - 1] == '\r' ? QByteArrayLiteral("\r\n")
                                                      : QByteArrayLiteral("\n");
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

// One key is one line: a line break in the value would start another.
QByteArray flatValue(const QString& value)
{
    QString flat = value;
    flat.replace(QLatin1String("\r\n"), QLatin1String(" "));
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return flat.toUtf8();
}

// A key line with a new value. The key stays as the file spells it, and so
// does the spacing around '=' (for an empty old value, the spacing before
// '=' is mirrored after it).
QByteArray withValue(QByteArrayView text, qsizetype valueAt, QByteArrayView value)
{
    qsizetype oldValue = valueAt;
    while (oldValue < text.size() && isBlank(text[oldValue]))
        ++oldValue;
    QByteArray line = text.first(oldValue < text.size() ? oldValue : valueAt).toByteArray();
    if (oldValue == text.size() && valueAt >= 2 && isBlank(text[valueAt - 2]))
        line += ' ';
    return line.append(value);
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
    return file.commit();
}

// Many writes to one load of the file. The file's lines stay where they are
// in the loaded bytes and the writes are kept beside them: a new text for a
// line, key lines added after a section's last key, sections added at the
// end. So no write moves or scans the rest of a large file, and each lands
// exactly where a one-key write would have put it had the writes come one
// at a time; the file is put together once at the end.
struct EditedSection
{
    QString name;
    qsizetype header = -1; // its header line; -1 for a section added at the end
    qsizetype end = -1;    // one past its last line in the file
    qsizetype anchor = -1; // new keys go after this line: the last key line, or the header
    // The lines added after the anchor; for a section added at the end, all
    // of its lines (a blank line before it when there is one, the header).
    QList<Line> added;
};

struct Edits
{
    QByteArray original;
    QByteArray ending; // for new lines: the file's first line ending, as it stands
    std::vector<LineSpan> lines;
    QList<qsizetype> headers; // the section header lines, in order
    QList<QString> headerNames;
    QHash<qsizetype, Line> changed;     // lines of the file with a new text or ending
    std::deque<EditedSection> sections; // those written to, in the order first written
    QHash<QString, std::size_t> sectionByName;
    bool linesAfterLast = false; // something follows the file's last line
    bool sectionsAdded = false;
};

Line currentLine(const Edits& edits, qsizetype line)
{
    const auto changed = edits.changed.constFind(line);
    if (changed != edits.changed.cend())
        return *changed;
    const LineSpan& span = edits.lines[std::size_t(line)];
    return Line{edits.original.sliced(span.begin, span.textEnd - span.begin),
                edits.original.sliced(span.textEnd, span.end - span.textEnd)};
}

// Sets a line of the file as the one-key writes would read it back on their
// next load: a text ending in '\r' before LF is a text with a CRLF ending.
void changeLine(Edits& edits, qsizetype index, Line line)
{
    if (line.ending == "\n" && line.text.endsWith('\r')) {
        line.text.chop(1);
        line.ending = QByteArrayLiteral("\r\n");
    }
    edits.changed.insert(index, std::move(line));
}

// Once a line follows the file's last line, it gets a line ending; when the
// file had none, that ending is the file's from then on.
void endLastLine(Edits& edits)
{
    if (edits.lines.empty() || edits.linesAfterLast)
        return;
    edits.linesAfterLast = true;
    const qsizetype last = qsizetype(edits.lines.size()) - 1;
    Line line = currentLine(edits, last);
    if (!line.ending.isEmpty())
        return;
    line.ending = edits.ending;
    changeLine(edits, last, std::move(line));
    if (!edits.original.contains('\n'))
        edits.ending = edits.changed.value(last).ending;
}

Edits startEdits(const QByteArray& original)
{
    Edits edits;
    edits.original = original;
    edits.ending = lineEnding(original);
    edits.lines = lineSpans(original);
    // Only headers are parsed here: key lines matter only in sections written to.
    for (qsizetype i = 0; i < qsizetype(edits.lines.size()); ++i) {
        const LineSpan& span = edits.lines[std::size_t(i)];
        const QByteArrayView text = QByteArrayView(original).sliced(span.begin, span.textEnd - span.begin);
        const QByteArrayView afterMark = i == 0 && text.startsWith("\xEF\xBB\xBF") ? text.sliced(3) : text;
        if (!trimmedBytes(afterMark).startsWith('['))
            continue;
        edits.headers.append(i);
        edits.headerNames.append(parseLine(text, i == 0).name);
    }
    return edits;
}

// The section a write goes to, as the one-key write finds it: the first
// header of that name in the file, else a section already added at the end;
// nullptr when there is none.
EditedSection* sectionNamed(Edits& edits, const QString& name)
{
    const auto known = edits.sectionByName.constFind(name);
    if (known != edits.sectionByName.cend())
        return &edits.sections[*known];
    qsizetype header = -1;
    for (qsizetype h = 0; h < edits.headers.size() && header < 0; ++h) {
        if (sameName(edits.headerNames[h], name))
            header = h;
    }
    std::size_t index = 0;
    for (; index < edits.sections.size(); ++index) {
        const EditedSection& section = edits.sections[index];
        if (header >= 0 ? section.header == edits.headers[header]
                        : section.header < 0 && sameName(section.name, name))
            break;
    }
    if (index == edits.sections.size()) {
        if (header < 0)
            return nullptr;
        EditedSection section;
        section.name = name;
        section.header = section.anchor = edits.headers[header];
        section.end = header + 1 < edits.headers.size() ? edits.headers[header + 1]
                                                        : qsizetype(edits.lines.size());
        for (qsizetype i = section.header + 1; i < section.end; ++i) {
            if (parseLine(currentLine(edits, i).text, false).kind == LineKind::Key)
                section.anchor = i;
        }
        edits.sections.push_back(std::move(section));
    }
    edits.sectionByName.insert(name, index);
    return &edits.sections[index];
}

void applyEdit(Edits& edits, const QString& sectionName, const QString& key, const QByteArray& value)
{
    const QByteArray ending = edits.ending; // as this write finds the file
    const QByteArray keyLine = key.toUtf8() + '=' + value;
    EditedSection* section = sectionNamed(edits, sectionName);
    if (!section) {
        EditedSection added;
        added.name = sectionName;
        const qsizetype last = qsizetype(edits.lines.size()) - 1;
        if (edits.sectionsAdded || edits.linesAfterLast ||
            (last >= 0 && !trimmedBytes(currentLine(edits, last).text).isEmpty()))
            added.added.append(Line{QByteArray(), ending}); // a blank line before it
        endLastLine(edits);
        added.added.append(Line{'[' + sectionName.toUtf8() + ']', ending});
        added.added.append(Line{keyLine, ending});
        edits.sectionByName.insert(sectionName, edits.sections.size());
        edits.sections.push_back(std::move(added));
        edits.sectionsAdded = true;
        return;
    }
    for (qsizetype i = section->header + 1; i < section->end; ++i) {
        Line line = currentLine(edits, i);
        const ParsedLine parsed = parseLine(line.text, false);
        if (parsed.kind == LineKind::Key && sameName(parsed.name, key)) {
            line.text = withValue(line.text, parsed.valueAt, value);
            changeLine(edits, i, std::move(line));
            return;
        }
    }
    for (Line& line : section->added) {
        const ParsedLine parsed = parseLine(line.text, false);
        if (parsed.kind == LineKind::Key && sameName(parsed.name, key)) {
            line.text = withValue(line.text, parsed.valueAt, value);
            return;
        }
    }
    if (section->header >= 0 && section->anchor == qsizetype(edits.lines.size()) - 1)
        endLastLine(edits);
    section->added.append(Line{keyLine, ending});
}

QByteArray editedBytes(const Edits& edits)
{
    QHash<qsizetype, const EditedSection*> keysAfter;
    for (const EditedSection& section : edits.sections) {
        if (section.header >= 0 && !section.added.isEmpty())
            keysAfter.insert(section.anchor, &section);
    }
    QByteArray bytes;
    bytes.reserve(edits.original.size() + 16 * 1024);
    const auto put = [&bytes](const QList<Line>& lines) {
        for (const Line& line : lines)
            bytes.append(line.text).append(line.ending);
    };
    for (qsizetype i = 0; i < qsizetype(edits.lines.size()); ++i) {
        const auto changed = edits.changed.constFind(i);
        if (changed != edits.changed.cend()) {
            bytes.append(changed->text).append(changed->ending);
        } else {
            const LineSpan& span = edits.lines[std::size_t(i)];
            bytes.append(QByteArrayView(edits.original).sliced(span.begin, span.end - span.begin));
        }
        const auto keys = keysAfter.constFind(i);
        if (keys != keysAfter.cend())
            put((*keys)->added);
    }
    for (const EditedSection& section : edits.sections) {
        if (section.header < 0)
            put(section.added);
    }
    return bytes;
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
    if (document->existed && bytes == document->original)
        return true;
    return replaceFile(m_fileName, bytes);
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
    Edits edits = startEdits(file->original);
    for (const KeyValue& write : writes)
        applyEdit(edits, write.section, write.key, flatValue(write.value));
    const QByteArray bytes = editedBytes(edits);
    if (file->existed && bytes == file->original)
        return true;
    return replaceFile(m_fileName, bytes);
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
