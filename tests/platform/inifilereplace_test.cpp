// Replacing the file: failures that leave it as it was, the temporary
// file beside it, and a file name that is a symbolic link.
#include "platform/inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "tests/platform/inifilefixture.h"
#include "tests/support/qtprinters.h"

#include <csignal>
#include <gtest/gtest.h>
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

// Names in the folder, in order; folders marked with a '/'.
QStringList Entries(const QString& path)
{
    QStringList names;
    for (const QFileInfo& entry : QDir(path).entryInfoList(
             QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        names << entry.fileName() +
                     (entry.isDir() && !entry.isSymLink() ? QStringLiteral("/") : QString());
    return names;
}

// A process killed right at the rename leaves its complete temporary beside
// the file: "Config.INI", a dot and six random letters. The next write that
// gets through removes those once they are a minute old, and nothing that
// only looks like them: not a copy a person named with a six-letter word.
TEST_F(IniFileTest, SuccessfulWriteRemovesOurStaleTemporaries)
{
    const QStringList ours = {"Config.INI.QzHVLA", "Config.INI.abcDef", "Config.INI.ZZZZZz"};
    QStringList others = {
        "Config.INI.backup", "Config.INI.BACKUP",  "Config.INI.Backup", "Config.INI.ZZZZZZ",
        "Config.INI.bak",    "Config.INI.abcde",   "Config.INI.abcdefg",
        "Config.INI.abc1ef", "Config.INI.abc-ef",  "Config.INI.abcd\u00e9f",
        "Config.INI-abcdef", "Config.INIabcdef",   "config.ini.abcdef",
        "Other.INI.abcdef",  ".Config.INI.abcdef", "Config.INI.abcdef.bak",
    };
    const QByteArray original = "[Settings]\nScoring=1\n";
    Store(original);
    for (const QString& name : ours + others)
        StoreOld("[Settings]\nScoring=0\n", name);
    // One of ours from this very minute may be another copy's write in progress.
    Store("[Settings]\nScoring=0\n", QStringLiteral("Config.INI.NowXyz"));
    others.append(QStringLiteral("Config.INI.NowXyz"));
    // A folder and a link with our temporaries' names are not files of ours.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Config.INI.Folder")));
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("Config.INI.bak")),
                            Path(QStringLiteral("Config.INI.LinkTo"))));
    QStringList kept = others;
    kept += QStringList{"Config.INI", "Config.INI.Folder/", "Config.INI.LinkTo"};
    kept.sort();
    QStringList all = kept + ours;
    all.sort();

    IniFile ini(Path());
    {
        // A write that fails removes nothing.
        FileSizeLimit limit;
        EXPECT_FALSE(ini.WriteString(QStringLiteral("Settings"), QStringLiteral("Name"),
                                     QString(200, QLatin1Char('x'))));
        EXPECT_FALSE(ini.WriteStrings({{"Settings", "Name", QString(200, QLatin1Char('x'))}}));
    }
    EXPECT_FALSE(
        ini.WriteString(QStringLiteral("Settings"), QStringLiteral("a=b"), QStringLiteral("1")));
    EXPECT_EQ(Entries(m_dir.path()), all);
    EXPECT_EQ(Stored(), original);

    EXPECT_TRUE(ini.WriteInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), 2));
    EXPECT_EQ(Entries(m_dir.path()), kept);
    EXPECT_EQ(Stored(), QByteArray("[Settings]\nScoring=2\n"));

    // The batch too.
    for (const QString& name : ours)
        StoreOld("[Settings]\nScoring=0\n", name);
    EXPECT_TRUE(ini.WriteStrings({{"Settings", "Scoring", "3"}}));
    EXPECT_EQ(Entries(m_dir.path()), kept);
}

TEST_F(IniFileTest, AnotherUsersTemporaryIsKept)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only the superuser can give a file away";
    Store("[Settings]\nScoring=1\n");
    StoreOld("left by another user", QStringLiteral("Config.INI.AbCdEf"));
    const QByteArray name = QFile::encodeName(Path(QStringLiteral("Config.INI.AbCdEf")));
    ASSERT_EQ(::chown(name.constData(), 65534, 65534), 0);
    IniFile ini(Path());
    EXPECT_TRUE(ini.WriteInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), 2));
    EXPECT_EQ(Entries(m_dir.path()),
              (QStringList{QStringLiteral("Config.INI"), QStringLiteral("Config.INI.AbCdEf")}));
}

// The file name may be a link: the link stays, and the file it leads to is
// the one replaced, or made when it is not there yet (one-key writes and
// the batch alike). Its stale temporaries are beside that file.
TEST_F(IniFileTest, LinkedFileIsWrittenThroughTheLink)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Real")));
    const struct
    {
        const char* what;
        QString target;
        bool exists;
        bool batch;
    } cases[] = {
        {"existing file", QStringLiteral("Real/Config.INI"), true, false},
        {"existing file, batch", QStringLiteral("Real/Config.INI"), true, true},
        {"no file yet", QStringLiteral("Real/Config.INI"), false, false},
        {"no file yet, batch", QStringLiteral("Real/Config.INI"), false, true},
        {"no file yet, absolute link", Path(QStringLiteral("Real/Config.INI")), false, false},
        {"no file yet, beside the link", QStringLiteral("Target.INI"), false, true},
    };
    for (const auto& c : cases) {
        QFile::remove(Path());
        QFile::remove(Path(QStringLiteral("Real/Config.INI")));
        QFile::remove(Path(QStringLiteral("Target.INI")));
        ASSERT_TRUE(QFile::link(c.target, Path()));
        const QString target = QFileInfo(Path()).symLinkTarget();
        if (c.exists)
            Store("[Keep]\nMe=1\n", QStringLiteral("Real/Config.INI"));
        const QString stale = target + QStringLiteral(".QzHVLA");
        StoreOld("[Settings]\nScoring=0\n", QFileInfo(stale).filePath().mid(m_dir.path().size() + 1));

        IniFile ini(Path());
        EXPECT_TRUE(
            c.batch ? ini.WriteStrings({{"Settings", "Scoring", "1"}})
                    : ini.WriteInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), 1))
            << c.what;
        EXPECT_TRUE(QFileInfo(Path()).isSymLink()) << c.what;
        EXPECT_EQ(QFile::symLinkTarget(Path()), target) << c.what;
        QFile written(target);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << c.what;
        EXPECT_EQ(written.readAll(), QByteArray(c.exists ? "[Keep]\nMe=1\n\n[Settings]\nScoring=1\n"
                                                         : "[Settings]\nScoring=1\n"))
            << c.what;
        EXPECT_FALSE(QFileInfo::exists(stale)) << c.what;
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), -1), 1);
    }
}

// A link to a file in a folder that is missing, or that nobody may create
// files in, or a link that leads back to itself, fails as a missing folder
// does, and the link stays as it was.
TEST_F(IniFileTest, LinkThatLeadsNowhereWritableFails)
{
    const QString targets[] = {
        QStringLiteral("NoSuchFolder/Config.INI"),
        QStringLiteral("/proc/velto-Config.INI"),
        QStringLiteral("Config.INI"),
    };
    for (const QString& target : targets) {
        QFile::remove(Path());
        ASSERT_TRUE(QFile::link(target, Path()));
        IniFile ini(Path());
        EXPECT_FALSE(ini.WriteInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), 1))
            << target.toStdString();
        EXPECT_FALSE(ini.WriteStrings({{"Settings", "Scoring", "1"}})) << target.toStdString();
        EXPECT_TRUE(QFileInfo(Path()).isSymLink()) << target.toStdString();
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), -1), -1);
        EXPECT_EQ(Entries(m_dir.path()), QStringList{QStringLiteral("Config.INI")})
            << target.toStdString();
    }
}

} // namespace
