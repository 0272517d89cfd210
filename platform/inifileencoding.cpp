#include "platform/inifileencoding.h"

#include <cstdint>

namespace platform::ini {

namespace {

constexpr char32_t Replacement = 0xFFFD;

bool isHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::uint8_t byteAt(const QByteArray& bytes, qsizetype at)
{
    return static_cast<std::uint8_t>(bytes[at]);
}

char32_t unitAt(const QByteArray& bytes, qsizetype at, FileEncoding encoding)
{
    const char32_t first = byteAt(bytes, at);
    const char32_t second = byteAt(bytes, at + 1);
    return encoding == FileEncoding::Utf16Le ? first | second << 8 : first << 8 | second;
}

// UTF-8, except that a surrogate (only ever a lone one here) is written like
// any other code point below 0x10000 instead of being refused.
void appendUtf8(QByteArray& out, char32_t c)
{
    if (c < 0x80) {
        out.append(char(c));
    } else if (c < 0x800) {
        out.append(char(0xC0 | c >> 6)).append(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.append(char(0xE0 | c >> 12))
            .append(char(0x80 | (c >> 6 & 0x3F)))
            .append(char(0x80 | (c & 0x3F)));
    } else {
        out.append(char(0xF0 | c >> 18))
            .append(char(0x80 | (c >> 12 & 0x3F)))
            .append(char(0x80 | (c >> 6 & 0x3F)))
            .append(char(0x80 | (c & 0x3F)));
    }
}

void appendUnit(QByteArray& out, char32_t unit, FileEncoding encoding)
{
    const char low = char(unit & 0xFF);
    const char high = char(unit >> 8);
    if (encoding == FileEncoding::Utf16Le)
        out.append(low).append(high);
    else
        out.append(high).append(low);
}

// The code point (or lone surrogate) of the sequence at `at`, and its length;
// a byte that starts no well-formed sequence is one replacement character.
// The lines only ever hold what decodedFile and QString::toUtf8 make, so the
// replacement is a safeguard, never a path that file contents can reach.
char32_t codePointAt(const QByteArray& bytes, qsizetype at, qsizetype* length)
{
    const std::uint8_t lead = byteAt(bytes, at);
    *length = 1;
    if (lead < 0x80)
        return lead;
    qsizetype count = 4;
    char32_t c = lead & 0x07;
    char32_t least = 0x10000; // anything less has a shorter form
    if ((lead & 0xE0) == 0xC0) {
        count = 2;
        c = lead & 0x1F;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        count = 3;
        c = lead & 0x0F;
        least = 0x800;
    } else if ((lead & 0xF8) != 0xF0) {
        return Replacement;
    }
    if (at + count > bytes.size())
        return Replacement;
    for (qsizetype i = 1; i < count; ++i) {
        const std::uint8_t next = byteAt(bytes, at + i);
        if ((next & 0xC0) != 0x80)
            return Replacement;
        c = c << 6 | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF)
        return Replacement;
    *length = count;
    return c;
}

} // namespace

QByteArray decodedFile(const QByteArray& bytes, FileFormat* format)
{
    *format = FileFormat{};
    if (bytes.startsWith("\xFF\xFE"))
        format->encoding = FileEncoding::Utf16Le;
    else if (bytes.startsWith("\xFE\xFF"))
        format->encoding = FileEncoding::Utf16Be;
    else
        return bytes;
    const qsizetype end = bytes.size() - (bytes.size() % 2);
    format->tail = bytes.sliced(end);
    QByteArray lines;
    lines.reserve(end);
    for (qsizetype at = 2; at < end; at += 2) {
        char32_t c = unitAt(bytes, at, format->encoding);
        if (isHighSurrogate(c) && at + 2 < end) {
            const char32_t next = unitAt(bytes, at + 2, format->encoding);
            if (isLowSurrogate(next)) {
                c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
                at += 2;
            }
        }
        appendUtf8(lines, c);
    }
    return lines;
}

QByteArray encodedFile(const QByteArray& lines, const FileFormat& format)
{
    if (format.encoding == FileEncoding::Bytes)
        return lines;
    QByteArray bytes;
    bytes.reserve(2 * lines.size() + 2 + format.tail.size());
    appendUnit(bytes, 0xFEFF, format.encoding);
    for (qsizetype at = 0; at < lines.size();) {
        qsizetype length = 0;
        const char32_t c = codePointAt(lines, at, &length);
        at += length;
        if (c < 0x10000) {
            appendUnit(bytes, c, format.encoding);
        } else {
            appendUnit(bytes, 0xD800 + ((c - 0x10000) >> 10), format.encoding);
            appendUnit(bytes, 0xDC00 + ((c - 0x10000) & 0x3FF), format.encoding);
        }
    }
    return bytes.append(format.tail);
}

} // namespace platform::ini
