#include "platform/sound.h"
#include "tests/support/seams.h"

#include <QDataStream>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QResource>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using platform::PlaySoundResource;
using platform::SoundResourcePath;

namespace {

// A short silent WAV file: 16-bit mono PCM.
QByteArray SilentWave()
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
    bytes.append(QByteArray(int(dataSize), '\0'));
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
            wave.write(SilentWave());
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
