#include "platform/inifilebatch.h"

#include "platform/inifiletext.h"

#include <QHash>

#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

namespace platform::ini {

namespace {

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

QByteArray batchEdited(const QByteArray& original, const QList<IniFile::KeyValue>& writes)
{
    Edits edits = startEdits(original);
    for (const IniFile::KeyValue& write : writes)
        applyEdit(edits, write.section, write.key, flatValue(write.value));
    return editedBytes(edits);
}

} // namespace platform::ini
