#include "platform/installpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// Sets an environment variable (or removes it) for one test and puts the
// old value back afterwards.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const std::optional<QByteArray>& value) : m_name(name)
    {
        if (qEnvironmentVariableIsSet(name))
            m_old = qgetenv(name);
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            qputenv(m_name, *m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<QByteArray> m_old;
};

class InstallPathsTest : public ::testing::Test
{
protected:
    QString Make(const QString& relative) const
    {
        const QString path = m_root.filePath(relative);
        EXPECT_TRUE(QDir().mkpath(path)) << path.toStdString();
        return path + u'/';
    }

    QString Root() const { return m_root.path() + u'/'; }

    QTemporaryDir m_root;
    // No test may reach the real data folder of whoever runs them.
    ScopedEnv m_dataHome{"XDG_DATA_HOME", (m_root.path() + QStringLiteral("/xdg")).toLocal8Bit()};
};

TEST_F(InstallPathsTest, PortableLayoutKeepsEverythingBesideTheExecutable)
{
    const QString appDir = Make(QStringLiteral("unpacked/velto"));
    for (const QString& given : {appDir, appDir.chopped(1)}) {
        SCOPED_TRACE(given.toStdString());
        EXPECT_FALSE(platform::IsInstalledLayout(given));
        EXPECT_EQ(platform::ProgramFilesFolder(given), appDir);
        EXPECT_EQ(platform::HelpDocumentPath(given), appDir + QStringLiteral("help/velto.html"));
        EXPECT_EQ(platform::SettingsFolder(given), appDir + QStringLiteral("Data/"));
    }
    // The program never makes the Data folder: without it nothing is saved.
    EXPECT_FALSE(QFileInfo::exists(appDir + QStringLiteral("Data")));
    EXPECT_FALSE(QFileInfo::exists(Root() + QStringLiteral("xdg")));
}

TEST_F(InstallPathsTest, PortableLayoutLeavesAnExistingDataFolderAlone)
{
    const QString appDir = Make(QStringLiteral("build"));
    Make(QStringLiteral("build/Data"));
    QFile ini(appDir + QStringLiteral("Data/Config.INI"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Settings]\nScoring=1\n");
    ini.close();

    EXPECT_EQ(platform::SettingsFolder(appDir), appDir + QStringLiteral("Data/"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), QByteArray("[Settings]\nScoring=1\n"));
}

// Only a folder named velto under the neighbouring share/ marks a prefix: a
// share/ of something else, or a file of that name, leaves the copy portable.
TEST_F(InstallPathsTest, NearMissesOfThePrefixAreStillPortable)
{
    const QString noVelto = Make(QStringLiteral("a/bin"));
    Make(QStringLiteral("a/share/other"));
    EXPECT_FALSE(platform::IsInstalledLayout(noVelto));

    const QString fileNotFolder = Make(QStringLiteral("b/bin"));
    Make(QStringLiteral("b/share"));
    QFile file(Root() + QStringLiteral("b/share/velto"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(platform::IsInstalledLayout(fileNotFolder));
    EXPECT_EQ(platform::SettingsFolder(fileNotFolder), fileNotFolder + QStringLiteral("Data/"));

    EXPECT_FALSE(platform::IsInstalledLayout(QString()));
}

TEST_F(InstallPathsTest, InstalledLayoutReadsFromShareAndSavesInTheDataHome)
{
    const QString appDir = Make(QStringLiteral("usr/bin"));
    const QString shared = Make(QStringLiteral("usr/share/velto"));
    // A Data folder that happens to sit beside an installed executable is
    // not where an installed program keeps its settings.
    Make(QStringLiteral("usr/bin/Data"));

    for (const QString& given : {appDir, appDir.chopped(1)}) {
        SCOPED_TRACE(given.toStdString());
        EXPECT_TRUE(platform::IsInstalledLayout(given));
        EXPECT_EQ(platform::ProgramFilesFolder(given), shared);
        EXPECT_EQ(platform::HelpDocumentPath(given), shared + QStringLiteral("help/velto.html"));
        EXPECT_EQ(platform::SettingsFolder(given), Root() + QStringLiteral("xdg/velto/"));
    }
    EXPECT_TRUE(QFileInfo(Root() + QStringLiteral("xdg/velto")).isDir());
}

TEST_F(InstallPathsTest, InstalledLayoutWithoutDataHomeUsesTheHomeFolder)
{
    const QString appDir = Make(QStringLiteral("prefix/bin"));
    Make(QStringLiteral("prefix/share/velto"));
    const QString home = Make(QStringLiteral("home"));
    const ScopedEnv noDataHome("XDG_DATA_HOME", std::nullopt);
    const ScopedEnv fakeHome("HOME", home.chopped(1).toLocal8Bit());

    EXPECT_EQ(platform::SettingsFolder(appDir), home + QStringLiteral(".local/share/velto/"));
    EXPECT_TRUE(QFileInfo(home + QStringLiteral(".local/share/velto")).isDir());
}

// A data folder that cannot be made is not an error here: the settings read
// as defaults and the write at close reports the path it could not write.
TEST_F(InstallPathsTest, InstalledLayoutWithAnUnusableDataHomeStillAnswers)
{
    const QString appDir = Make(QStringLiteral("usr/bin"));
    Make(QStringLiteral("usr/share/velto"));
    QFile blocker(Root() + QStringLiteral("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ScopedEnv dataHome("XDG_DATA_HOME",
                             (Root() + QStringLiteral("blocker/data")).toLocal8Bit());

    EXPECT_EQ(platform::SettingsFolder(appDir), Root() + QStringLiteral("blocker/data/velto/"));
    EXPECT_FALSE(QFileInfo::exists(Root() + QStringLiteral("blocker/data")));
}

} // namespace
