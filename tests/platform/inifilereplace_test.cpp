// Replacing the file: failures that leave it as it was, the temporary
// file beside it, and a file name that is a symbolic link.
#include "platform/inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "tests/platform/inifilefixture.h"
#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using platform::IniFile;

namespace {

TEST_F(IniFileTest, FailedWriteIsReportedAndLeavesTheFileAlone)
{
    IniFile inMissingFolder(m_dir.filePath(QStringLiteral("NoSuchFolder/Config.INI")));
    EXPECT_FALSE(
        inMissingFolder.WriteInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), 1));
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(QStringLiteral("NoSuchFolder"))));

    // A folder nobody may create files in, not even the superuser.
    IniFile inProc(QStringLiteral("/proc/Config.INI"));
    EXPECT_FALSE(inProc.WriteInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), 1));

    // A folder where the file should be: neither readable nor replaceable.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Folder.INI")));
    IniFile onFolder(Path(QStringLiteral("Folder.INI")));
    EXPECT_FALSE(onFolder.WriteInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), 1));
    EXPECT_TRUE(QFileInfo(Path(QStringLiteral("Folder.INI"))).isDir());
}

TEST_F(IniFileTest, ReadOnlyFolderFailsTheWrite)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    Store("[Settings]\nScoring=1\n");
    ASSERT_TRUE(
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    IniFile ini(Path());
    const bool written = ini.WriteInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), 0);
    QFile::setPermissions(m_dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(written);
    EXPECT_EQ(Stored(), QByteArray("[Settings]\nScoring=1\n"));
}

TEST_F(IniFileTest, WriteReplacesTheFileLeavingNoTemporaryBehind)
{
    Store("[Settings]\nScoring=1\n");
    IniFile ini(Path());
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(ini.WriteInteger(QStringLiteral("Settings"), QStringLiteral("K%1").arg(i), i));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Config.INI")});
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Settings"), QStringLiteral("K19"), -1), 19);
}

// While it lives, no file may grow past a few bytes (for the superuser too),
// so a write fails half-way as on a full disk.
class FileSizeLimit
{
public:
    FileSizeLimit()
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = 16;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

// A write cut short must fail and keep the old file, not put the cut copy in
// its place.
TEST_F(IniFileTest, WriteCutShortKeepsTheOldFile)
{
    const QByteArray original = "[Settings]\nScoring=1\n[Keep]\nMe=too\n";
    Store(original);
    IniFile ini(Path());
    const QString longValue(200, QLatin1Char('x'));
    bool one = true;
    bool batch = true;
    {
        FileSizeLimit limit;
        one = ini.WriteString(QStringLiteral("Settings"), QStringLiteral("Name"), longValue);
        batch = ini.WriteStrings({{"Settings", "Name", longValue}, {"New", "K", "1"}});
    }
    EXPECT_FALSE(one);
    EXPECT_FALSE(batch);
    EXPECT_EQ(Stored(), original);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Config.INI")});
}

} // namespace
