#include "platform/sound.h"
#include "platform/soundbackend.h"
#include "platform/soundwave.h"
#include "tests/support/seams.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QResource>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <cstdio>

#include <gtest/gtest.h>

using platform::ParseWave;
using platform::PlaySoundResource;
using platform::SoundBackend;
using platform::SoundResourcePath;

namespace {

// A short WAV file, 16-bit mono PCM at 8 kHz: silent, or a square wave at a
// quarter of full scale.
QByteArray Wave(bool loud)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 samples = 800;
    const quint32 dataSize = samples * 2;
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataSize);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << dataSize;
    for (quint32 i = 0; i < samples; ++i)
        out << qint16(!loud ? 0 : (i / 8) % 2 ? 8192 : -8192);
    return bytes;
}

// Sounds registered for the test under ":/sounds", as the game links its own.
class SoundTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString rcc =
            QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + QStringLiteral("/rcc");
        if (!QFile::exists(rcc))
            GTEST_SKIP() << "the resource compiler is not installed";
        QFile qrc(m_dir.filePath(QStringLiteral("sounds.qrc")));
        ASSERT_TRUE(qrc.open(QIODevice::WriteOnly));
        qrc.write("<RCC><qresource prefix=\"/sounds\">"
                  "<file>PlayCard.wav</file><file>NoPlay.wav</file><file>notes.txt</file>"
                  "</qresource></RCC>");
        qrc.close();
        for (const char* name : {"PlayCard.wav", "NoPlay.wav"}) {
            QFile wave(m_dir.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(wave.open(QIODevice::WriteOnly));
            wave.write(Wave(m_loud));
        }
        QFile notes(m_dir.filePath(QStringLiteral("notes.txt")));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        m_rccFile = m_dir.filePath(QStringLiteral("sounds.rcc"));
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(
            rcc, {QStringLiteral("--binary"), QStringLiteral("-o"), m_rccFile, qrc.fileName()});
        ASSERT_TRUE(process.waitForFinished(30000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        ASSERT_TRUE(QResource::registerResource(m_rccFile));
    }

    void TearDown() override
    {
        if (!m_rccFile.isEmpty())
            QResource::unregisterResource(m_rccFile);
    }

    QTemporaryDir m_dir;
    QString m_rccFile;
    bool m_loud = false;
};

TEST_F(SoundTest, NamesMatchWithoutRegardToCase)
{
    const struct
    {
        const char* name;
        const char* path;
    } cases[] = {
        {"PlayCard", ":/sounds/PlayCard.wav"},
        {"playcard", ":/sounds/PlayCard.wav"},
        {"PLAYCARD", ":/sounds/PlayCard.wav"},
        {"noPlay", ":/sounds/NoPlay.wav"},
        {"YouWon", ""},       // not among these resources
        {"PlayCard.wav", ""}, // the name carries no extension
        {"notes", ""},        // only wave files are sounds
        {"", ""},
        {"../sounds/PlayCard", ""},
        {"sounds/PlayCard", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SoundResourcePath(QString::fromUtf8(c.name)).toStdString(), c.path) << c.name;
}

// Without a handler the real player runs: found sounds return true at once,
// missing ones false, and nothing breaks without an audio device.
TEST_F(SoundTest, RealPlayerIsHarmless)
{
    EXPECT_TRUE(PlaySoundResource(QStringLiteral("PlayCard")));
    EXPECT_TRUE(PlaySoundResource(QStringLiteral("NOPLAY"))); // replaces the first
    EXPECT_TRUE(PlaySoundResource(QStringLiteral("noplay")));
    EXPECT_FALSE(PlaySoundResource(QStringLiteral("YouLost")));
}

// Loaded ahead, the player is the same player.
TEST_F(SoundTest, PreloadedPlayerIsHarmless)
{
    platform::PreloadSounds();
    platform::PreloadSounds();
    EXPECT_TRUE(PlaySoundResource(QStringLiteral("PlayCard")));
    EXPECT_FALSE(PlaySoundResource(QStringLiteral("YouLost")));
}

TEST(Sound, RecorderHearsEveryNameAndPutsThePlayerBack)
{
    using testing_support::SoundRecorder;
    {
        SoundRecorder outer;
        EXPECT_TRUE(PlaySoundResource(QStringLiteral("PlayCard")));
        {
            SoundRecorder inner;
            EXPECT_TRUE(PlaySoundResource(QStringLiteral("YouWon")));
            EXPECT_EQ(inner.Names(), QStringList{QStringLiteral("YouWon")});
        }
        EXPECT_TRUE(PlaySoundResource(QStringLiteral("NoSuchSound")));
        EXPECT_EQ(outer.Names(),
                  (QStringList{QStringLiteral("PlayCard"), QStringLiteral("NoSuchSound")}));
    }
    // The real player again: this program links no sounds of its own.
    EXPECT_FALSE(PlaySoundResource(QStringLiteral("PlayCard")));
}

} // namespace

namespace {

// A RIFF WAVE file from its chunks: each is an id and a body, padded to an
// even length as the format wants. declaredSize overrides a chunk's stated
// length when it is not -1.
struct Chunk
{
    const char* id;
    QByteArray body;
    qint64 declaredSize = -1;
};

QByteArray Riff(std::initializer_list<Chunk> chunks, const char* form = "WAVE")
{
    QByteArray inner(form);
    for (const Chunk& c : chunks) {
        inner += c.id;
        const quint32 size = quint32(c.declaredSize < 0 ? c.body.size() : c.declaredSize);
        inner += QByteArray(4, '\0');
        qToLittleEndian(size, inner.data() + inner.size() - 4);
        inner += c.body;
        if (c.body.size() % 2 && c.declaredSize < 0)
            inner += '\0';
    }
    QByteArray file("RIFF");
    file += QByteArray(4, '\0');
    qToLittleEndian(quint32(inner.size()), file.data() + 4);
    return file + inner;
}

QByteArray Fmt(quint16 tag, quint16 channels, quint32 rate, quint16 bits)
{
    QByteArray body(16, '\0');
    const quint16 block = quint16(channels * bits / 8);
    qToLittleEndian(tag, body.data());
    qToLittleEndian(channels, body.data() + 2);
    qToLittleEndian(rate, body.data() + 4);
    qToLittleEndian(rate * block, body.data() + 8);
    qToLittleEndian(block, body.data() + 12);
    qToLittleEndian(bits, body.data() + 14);
    return body;
}

TEST(SoundWave, ReadsIntegerPcmAndRefusesTheRest)
{
    const QByteArray six("abcdef");
    const struct
    {
        const char* what;
        QByteArray file;
        quint32 rate;
        quint16 channels, bits;
        QByteArray pcm; // empty: not a sound
    } cases[] = {
        {"16-bit mono", Riff({{"fmt ", Fmt(1, 1, 22050, 16)}, {"data", six}}), 22050, 1, 16, six},
        {"8-bit stereo", Riff({{"fmt ", Fmt(1, 2, 8000, 8)}, {"data", six}}), 8000, 2, 8, six},
        {"odd chunk before fmt is padded",
         Riff({{"LIST", "abc"}, {"fmt ", Fmt(1, 1, 44100, 16)}, {"data", six}}), 44100, 1, 16, six},
        {"data longer than the file: whole frames of what is there",
         Riff({{"fmt ", Fmt(1, 2, 8000, 16)}, {"data", "abcdefghij", 4000}}), 8000, 2, 16, "abcdefgh"},
        {"data before fmt", Riff({{"data", six}, {"fmt ", Fmt(1, 1, 8000, 16)}}), 0, 0, 0, {}},
        {"floating point", Riff({{"fmt ", Fmt(3, 1, 8000, 32)}, {"data", six}}), 0, 0, 0, {}},
        {"24-bit", Riff({{"fmt ", Fmt(1, 1, 8000, 24)}, {"data", six}}), 0, 0, 0, {}},
        {"no channels", Riff({{"fmt ", Fmt(1, 0, 8000, 16)}, {"data", six}}), 0, 0, 0, {}},
        {"nine channels", Riff({{"fmt ", Fmt(1, 9, 8000, 8)}, {"data", "abcdefghi"}}), 0, 0, 0, {}},
        {"rate 0", Riff({{"fmt ", Fmt(1, 1, 0, 16)}, {"data", six}}), 0, 0, 0, {}},
        {"short fmt", Riff({{"fmt ", Fmt(1, 1, 8000, 16).left(14)}, {"data", six}}), 0, 0, 0, {}},
        {"no data chunk", Riff({{"fmt ", Fmt(1, 1, 8000, 16)}}), 0, 0, 0, {}},
        {"empty data", Riff({{"fmt ", Fmt(1, 1, 8000, 16)}, {"data", ""}}), 0, 0, 0, {}},
        {"less than one frame", Riff({{"fmt ", Fmt(1, 2, 8000, 16)}, {"data", "abc"}}), 0, 0, 0, {}},
        {"not WAVE", Riff({{"fmt ", Fmt(1, 1, 8000, 16)}, {"data", six}}, "AVI "), 0, 0, 0, {}},
        {"not RIFF", QByteArray("RIFX") + Riff({{"data", six}}).mid(4), 0, 0, 0, {}},
        {"too short", QByteArray("RIFF"), 0, 0, 0, {}},
    };
    for (const auto& c : cases) {
        const platform::WaveSound sound = ParseWave(c.file);
        EXPECT_EQ(sound.IsValid(), !c.pcm.isEmpty()) << c.what;
        EXPECT_EQ(sound.pcm, c.pcm) << c.what;
        if (sound.IsValid()) {
            EXPECT_EQ(sound.rate, c.rate) << c.what;
            EXPECT_EQ(sound.channels, c.channels) << c.what;
            EXPECT_EQ(sound.bitsPerSample, c.bits) << c.what;
        }
    }
}

TEST(SoundModule, FoundBesideTheProgramOrInTheInstalledPrefix)
{
    QTemporaryDir root;
    const QString top = root.path();
    ASSERT_TRUE(QDir(top).mkpath(QStringLiteral("portable")));
    ASSERT_TRUE(QDir(top).mkpath(QStringLiteral("usr/bin")));
    ASSERT_TRUE(QDir(top).mkpath(QStringLiteral("usr/share/velto")));
    ASSERT_TRUE(QDir(top).mkpath(QStringLiteral("opt/bin")));
    ASSERT_TRUE(QDir(top).mkpath(QStringLiteral("opt/share/velto")));
    QFile beside(top + QStringLiteral("/opt/bin/libveltosound.so")); // an unpacked copy kept in bin/
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    const struct
    {
        const char* appDir;
        const char* module;
    } cases[] = {
        {"/portable", "/portable/libveltosound.so"},
        {"/usr/bin", "/usr/lib/velto/libveltosound.so"},
        {"/usr/bin/", "/usr/lib/velto/libveltosound.so"},
        {"/opt/bin", "/opt/bin/libveltosound.so"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SoundBackend::ModulePath(top + QString::fromLatin1(c.appDir)), top + QString::fromLatin1(c.module))
            << c.appDir;
}

// The build's own module, beside the test program as beside the game.
QString BuiltModule()
{
    return SoundBackend::ModulePath(QCoreApplication::applicationDirPath());
}

// Sets an environment variable for the test's lifetime.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

// Whatever is wrong, a sound is asked for and nothing happens.
TEST_F(SoundTest, SilentWhenTheModuleOrTheServerIsMissing)
{
    QFile notALibrary(m_dir.filePath(QStringLiteral("libveltosound.so")));
    ASSERT_TRUE(notALibrary.open(QIODevice::WriteOnly));
    notALibrary.write("not a shared object");
    notALibrary.close();
    const QString noServer = QStringLiteral("unix:") + m_dir.filePath(QStringLiteral("no-such-socket"));
    ScopedEnv server("PULSE_SERVER", noServer.toUtf8());
    const struct
    {
        const char* what;
        QString module;
        bool preload;
    } cases[] = {
        {"no module", m_dir.filePath(QStringLiteral("missing/libveltosound.so")), false},
        {"no module, preloaded", m_dir.filePath(QStringLiteral("missing/libveltosound.so")), true},
        {"not a library", notALibrary.fileName(), true},
        {"no sound server", BuiltModule(), false},
        {"no sound server, preloaded", BuiltModule(), true},
    };
    for (const auto& c : cases) {
        SoundBackend backend(c.module);
        if (c.preload)
            backend.Preload();
        backend.Play(QStringLiteral(":/sounds/PlayCard.wav"));
        backend.Play(QStringLiteral(":/sounds/NoSuchSound.wav"));
        EXPECT_FALSE(backend.IsConnected()) << c.what;
    }
}

// A private sound server with a null output, for as long as the test runs;
// Started() is false when the machine has none to start.
class PrivateSoundServer
{
public:
    explicit PrivateSoundServer(const QString& folder)
        : m_socket(folder + QStringLiteral("/native"))
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (program.isEmpty())
            return;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), folder);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(program, {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                                 QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                                 QStringLiteral("--log-target=stderr"), QStringLiteral("--log-level=error"),
                                 QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=velto_test"),
                                 QStringLiteral("-L"),
                                 QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + m_socket});
        QElapsedTimer waited;
        waited.start();
        while (m_server.state() != QProcess::NotRunning && !QFile::exists(m_socket) && waited.elapsed() < 10000)
            m_server.waitForFinished(50);
    }
    ~PrivateSoundServer()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.terminate();
        if (!m_server.waitForFinished(5000))
            m_server.kill();
        m_server.waitForFinished(5000);
    }

    bool Started() const { return m_server.state() == QProcess::Running && QFile::exists(m_socket); }
    QByteArray Address() const { return "unix:" + m_socket.toUtf8(); }

private:
    QString m_socket;
    QProcess m_server;
};

// The whole road through a real sound server: the module connects, and the
// sound shows up on the output's monitor, which parec records. The time from
// the request to the first recorded sample is printed, not judged.
TEST_F(SoundTest, PlaysThroughASoundServer)
{
    if (!QFileInfo::exists(BuiltModule()))
        GTEST_SKIP() << "the sound module was not built (libpulse-dev is missing)";
    const QString parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
    if (parec.isEmpty())
        GTEST_SKIP() << "parec (pulseaudio-utils) is not installed";
    QTemporaryDir folder;
    PrivateSoundServer server(folder.path());
    if (!server.Started())
        GTEST_SKIP() << "no sound server could be started (pulseaudio is not installed)";
    ScopedEnv address("PULSE_SERVER", server.Address());

    // Replaces the silent sounds of SetUp with audible ones.
    QResource::unregisterResource(m_rccFile);
    m_loud = true;
    SetUp();

    QProcess recorder;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), QString::fromUtf8(server.Address()));
    recorder.setProcessEnvironment(env);
    recorder.start(parec, {QStringLiteral("--device=velto_test.monitor"), QStringLiteral("--format=s16le"),
                           QStringLiteral("--rate=8000"), QStringLiteral("--channels=1"),
                           QStringLiteral("--latency-msec=5")});
    ASSERT_TRUE(recorder.waitForStarted(5000));
    // Recording has begun once silence comes in.
    QByteArray recorded;
    QElapsedTimer clock;
    clock.start();
    while (recorded.isEmpty() && clock.elapsed() < 10000) {
        recorder.waitForReadyRead(100);
        recorded += recorder.readAllStandardOutput();
    }
    ASSERT_FALSE(recorded.isEmpty()) << "parec recorded nothing";

    SoundBackend backend(BuiltModule());
    backend.Preload();
    ASSERT_TRUE(backend.IsConnected());
    recorded.clear();
    clock.restart();
    const qint64 requested = clock.nsecsElapsed();
    backend.Play(QStringLiteral(":/sounds/PlayCard.wav"));
    qint64 arrived = -1;
    while (arrived < 0 && clock.elapsed() < 5000) {
        recorder.waitForReadyRead(20);
        const qsizetype before = recorded.size();
        recorded += recorder.readAllStandardOutput();
        for (qsizetype at = before - before % 2; at + 1 < recorded.size(); at += 2) {
            if (qAbs(qFromLittleEndian<qint16>(recorded.constData() + at)) > 1000) {
                arrived = clock.nsecsElapsed();
                break;
            }
        }
    }
    recorder.kill();
    recorder.waitForFinished(5000);
    ASSERT_GE(arrived, 0) << "the sound never reached the output";
    std::printf("first sound on the output %.1f ms after the request\n", double(arrived - requested) / 1e6);
}

} // namespace
