// libs: veltoplatform
// The settings reader and writer over arbitrary file contents: nothing may
// crash, a written key must read back, and a write must leave other keys as
// they were.
#include "platform/inifile.h"

#include <QFile>
#include <QString>
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
    namesFrom(data, &section, &key);
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
    return 0;
}
