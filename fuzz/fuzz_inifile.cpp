// libs: veltoplatform
// The settings reader and writer over arbitrary file contents: nothing may
// crash, a written key must read back, a write must leave other keys as they
// were, and a batch of writes must leave the very bytes that the same writes
// made one at a time leave. A file with a UTF-16 mark keeps it.
#include "platform/inifile.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

QString sameNameKey(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

bool hasUtf16Mark(const QByteArray& data)
{
    return data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF");
}

// The input as text, to take names and values from: UTF-16 after its mark
// (so the writes also hit the names such a file holds), else the bytes.
QByteArray textOf(const QByteArray& data)
{
    if (!hasUtf16Mark(data))
        return data;
    QStringDecoder decoder(data.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                       : QStringConverter::Utf16BE);
    return QString(decoder(data.sliced(2))).toUtf8();
}

// A section and key named in the input itself, so writes also hit names
// that exist in the file: the text of the first "[...]" and the text before
// the first '=' after it.
void namesFrom(const QByteArray& data, QString* section, QString* key)
{
    const qsizetype open = data.indexOf('[');
    const qsizetype close = open < 0 ? -1 : data.indexOf(']', open);
    *section = close < 0 ? QStringLiteral("Fuzz")
                         : QString::fromUtf8(data.mid(open + 1, close - open - 1));
    const qsizetype lineStart = close < 0 ? -1 : data.indexOf('\n', close);
    const qsizetype equals = lineStart < 0 ? -1 : data.indexOf('=', lineStart);
    *key = equals < 0 ? QStringLiteral("Key")
                      : QString::fromUtf8(data.mid(lineStart + 1, equals - lineStart - 1));
}

void store(const QString& path, const QByteArray& data)
{
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    check(file.write(data) == data.size());
}

QByteArray stored(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// Writes to the sections and keys the input names (and to ours, and to a new
// section), in mixed case, with values that are empty, spaced, repeated,
// broken over lines or cut from the input itself.
QList<platform::IniFile::KeyValue> scriptFrom(const QByteArray& data)
{
    QStringList sections{QStringLiteral("Settings"), QStringLiteral("Fuzz New")};
    QStringList keys{QStringLiteral("Scoring"), QStringLiteral("Key")};
    for (const QByteArray& line : data.split('\n')) {
        const QByteArray text = line.trimmed();
        const qsizetype equals = line.indexOf('=');
        if (text.startsWith('[') && sections.size() < 8)
            sections << QString::fromUtf8(text.mid(1, text.indexOf(']') - 1));
        else if (equals > 0 && keys.size() < 8)
            keys << QString::fromUtf8(line.left(equals));
    }
    const QString values[] = {QString(), QStringLiteral(" spaced "), QStringLiteral("Ann`1526"),
                              QStringLiteral("two\r\nlines"), QString::fromUtf8(data.left(12))};
    QList<platform::IniFile::KeyValue> script;
    const qsizetype count = 2 * sections.size() + keys.size();
    for (qsizetype i = 0; i < count; ++i) {
        QString section = sections[i % sections.size()];
        if (i % 3 == 2)
            section = section.toUpper();
        const QString& value = values[(i * 3) % qsizetype(std::size(values))];
        script.append({section, keys[(i * 5 + i / sections.size()) % keys.size()],
                       i % 2 ? value : value + QString::number(i % 4)});
    }
    return script;
}

void batchMatchesOneAtATime(const QTemporaryDir& dir, const QByteArray& data)
{
    const QString one = dir.filePath(QStringLiteral("one.ini"));
    const QString batch = dir.filePath(QStringLiteral("batch.ini"));
    store(one, data);
    store(batch, data);
    const QList<platform::IniFile::KeyValue> script = scriptFrom(textOf(data));
    platform::IniFile oneByOne(one);
    bool allWritten = true;
    for (const platform::IniFile::KeyValue& write : script)
        allWritten = oneByOne.WriteString(write.section, write.key, write.value) && allWritten;
    platform::IniFile atOnce(batch);
    const bool batchWritten = atOnce.WriteStrings(script);
    // The one-key writes only refuse names; a batch with one refused name
    // writes nothing at all.
    check(batchWritten == allWritten);
    check(stored(batch) == (allWritten ? stored(one) : data));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Config.INI"));
    const QByteArray data(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(data);
    }

    platform::IniFile ini(path);
    const QString settings = QStringLiteral("Settings");
    const QString deckSizeBefore =
        ini.ReadString(settings, QStringLiteral("DeckSize"), QStringLiteral("<none>"));
    (void)ini.ReadInteger(settings, QStringLiteral("Velto"), 2);
    (void)ini.ReadBool(settings, QStringLiteral("PlaySounds"), true);

    QString section;
    QString key;
    namesFrom(textOf(data), &section, &key);
    const QString otherBefore = ini.ReadString(section, key, QStringLiteral("<none>"));

    check(ini.WriteInteger(settings, QStringLiteral("Scoring"), 7));
    check(ini.ReadInteger(settings, QStringLiteral("Scoring"), -1) == 7);
    check(ini.ReadString(settings, QStringLiteral("DeckSize"), QStringLiteral("<none>")) ==
          deckSizeBefore);
    const bool sameAsScoring = sameNameKey(section) == sameNameKey(settings) &&
                               sameNameKey(key) == sameNameKey(QStringLiteral("Scoring"));
    if (!sameAsScoring)
        check(ini.ReadString(section, key, QStringLiteral("<none>")) == otherBefore);

    // A name the writer refuses is fine; one it accepts must read back.
    if (ini.WriteString(section, key, QStringLiteral("Ann`1526"))) {
        check(ini.ReadString(section, key, QString()) == QStringLiteral("Ann`1526"));
        if (!sameAsScoring)
            check(ini.ReadInteger(settings, QStringLiteral("Scoring"), -1) == 7);
    }

    if (hasUtf16Mark(data))
        check(stored(path).startsWith(data.first(2)));

    batchMatchesOneAtATime(dir, data);
    return 0;
}
