#pragma once
// The file's own encoding, apart from the INI lines. IniFile works on
// UTF-8 lines; a file that starts with a UTF-16 byte-order mark (other
// programs' profile writers leave such files) is turned into such lines
// on reading and back into UTF-16, in its own byte order and with its mark,
// on writing. Any other file is taken byte for byte, as it always was.
// Internal to IniFile; nothing else should include this.
//
// Nothing is lost on the way: a lone surrogate becomes the three bytes
// UTF-8 would give it if it were a character (so it reads as Latin-1 garbage
// in a name or value, but its line is written back exactly), and an odd last
// byte is held apart and put back at the end of the file.
#include <QByteArray>

namespace platform::ini {

enum class FileEncoding
{
    Bytes, // UTF-8 with or without its mark, or anything else: taken as it is
    Utf16Le,
    Utf16Be
};

// What the lines leave out of the file, to write it back as it was.
struct FileFormat
{
    FileEncoding encoding = FileEncoding::Bytes;
    QByteArray tail; // an odd last byte of a UTF-16 file
};

// The lines the INI code reads and edits (without a UTF-16 mark), and in
// format what it needs to write them back.
QByteArray decodedFile(const QByteArray& bytes, FileFormat* format);
// The file's bytes for lines, in format.
QByteArray encodedFile(const QByteArray& lines, const FileFormat& format);

} // namespace platform::ini
