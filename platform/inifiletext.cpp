#include "platform/inifiletext.h"

namespace platform::ini {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

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

QByteArray lineEnding(const QByteArray& bytes)
{
    const qsizetype newline = bytes.indexOf('\n');
    return newline > 0 && bytes[newline - 1] == '\r' ? QByteArrayLiteral("\r\n")
                                                      : QByteArrayLiteral("\n");
}

QByteArray flatValue(const QString& value)
{
    QString flat = value;
    flat.replace(QLatin1String("\r\n"), QLatin1String(" "));
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return flat.toUtf8();
}

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

} // namespace platform::ini
