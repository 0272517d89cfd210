// The shell, clock, font and component pieces of the platform layer.
#include "platform/component.h"
#include "platform/fonts.h"
#include "platform/shell.h"
#include "platform/systemclock.h"
#include "tests/support/seams.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Shell, TargetsAreUrlsOrFilesInTheCurrentFolder)
{
    // A known current folder, so that the file addresses can be written out.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral("/")));
    const struct
    {
        const char* target;
        const char* url; // fully encoded; empty for no address
    } cases[] = {
        {"Velto.chm", "file:///Velto.chm"},
        {"docs/My Help.chm", "file:///docs/My%20Help.chm"},
        {"  docs/x.html  ", "file:///docs/x.html"},
        {"/tmp/x.chm", "file:///tmp/x.chm"},
        {"https://example.org/?Velto", "https://example.org/?Velto"},
        {"http://example.org/ContactUs.htm", "http://example.org/ContactUs.htm"},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            platform::ShellTargetUrl(QString::fromUtf8(c.target)).toString(QUrl::FullyEncoded),
            QString::fromUtf8(c.url))
            << c.target;
    QDir::setCurrent(before);
}

TEST(Shell, RecorderTakesTheRequests)
{
    testing_support::ShellRecorder shell;
    platform::ShellExecute(QStringLiteral("Open"), QStringLiteral("Velto.chm"));
    platform::ShellExecute(QStringLiteral("Open"), QStringLiteral("https://example.org/?Velto"));
    ASSERT_EQ(shell.Requests().size(), 2u);
    EXPECT_EQ(shell.Requests()[0].verb, QStringLiteral("Open"));
    EXPECT_EQ(shell.Targets(), (QStringList{QStringLiteral("Velto.chm"),
                                            QStringLiteral("https://example.org/?Velto")}));
}

TEST(SystemClock, FixedClockStandsInAndGoesAway)
{
    const QDateTime at(QDate(2024, 2, 29), QTime(23, 59, 58, 765), Qt::UTC);
    {
        testing_support::FixedClock clock(at);
        const platform::SystemTime t = platform::GetSystemTime();
        EXPECT_EQ(t.Year, 2024);
        EXPECT_EQ(t.Month, 2);
        EXPECT_EQ(t.Day, 29);
        EXPECT_EQ(t.DayOfWeek, 4); // a Thursday, counted from Sunday = 0
        EXPECT_EQ(t.Hour, 23);
        EXPECT_EQ(t.Minute, 59);
        EXPECT_EQ(t.Second, 58);
        EXPECT_EQ(t.Milliseconds, 765);
        clock.Set(QDateTime(QDate(2023, 1, 1), QTime(0, 0), Qt::UTC));
        EXPECT_EQ(platform::GetSystemTime().DayOfWeek, 0); // Sunday
        EXPECT_EQ(platform::GetSystemTime().Year, 2023);
    }
    const QDateTime before = QDateTime::currentDateTimeUtc();
    const platform::SystemTime now = platform::GetSystemTime();
    const QDateTime after = QDateTime::currentDateTimeUtc();
    const QDateTime read(QDate(now.Year, now.Month, now.Day),
                         QTime(now.Hour, now.Minute, now.Second, now.Milliseconds), Qt::UTC);
    EXPECT_LE(before, read);
    EXPECT_LE(read, after);
}

TEST(Fonts, LayoutFamiliesMapToInstalledFonts)
{
    // The application object has installed them already; again changes nothing.
    const QStringList before = QFont::substitutes(QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(before.size(), 2);
    platform::InstallFontSubstitutions();
    EXPECT_EQ(QFont::substitutes(QStringLiteral("MS Sans Serif")), before);
    const struct
    {
        const char* family;
        const char* installed;
    } cases[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Comic Sans MS", "Comic Neue"},
        {"Courier New", "Liberation Mono"},
    };
    const QStringList families = QFontDatabase::families();
    for (const auto& c : cases) {
        const QString installed = QString::fromUtf8(c.installed);
        if (!families.contains(installed)) {
            ADD_FAILURE() << c.installed << " is not installed (scripts/deps.sh installs it)";
            continue;
        }
        EXPECT_EQ(QFont::substitutes(QString::fromUtf8(c.family))
                      .value(0)
                      .compare(installed, Qt::CaseInsensitive),
                  0);
        const QFont font = platform::MakeFont(QString::fromUtf8(c.family), 16, true);
        EXPECT_EQ(font.pixelSize(), 16);
        EXPECT_TRUE(font.bold());
        EXPECT_FALSE(font.italic());
        EXPECT_EQ(QFontInfo(font).family(), installed) << c.family;
    }
    EXPECT_TRUE(platform::MakeFont(QStringLiteral("MS Sans Serif"), 11, false, true).italic());
}

class Recorded : public platform::Component
{
public:
    Recorded(std::vector<std::string>& log, std::string name) : m_log(log), m_name(std::move(name))
    {}

protected:
    void Loaded() override
    {
        Component::Loaded();
        m_log.push_back(m_name + (IsLoading() ? " loading" : " loaded"));
    }

private:
    std::vector<std::string>& m_log;
    std::string m_name;
};

TEST(Component, EndLoadAllRunsLoadedInTheOrderGiven)
{
    std::vector<std::string> log;
    Recorded a(log, "a"), b(log, "b"), c(log, "c");
    for (Recorded* r : {&a, &b, &c}) {
        EXPECT_FALSE(r->IsLoading());
        r->BeginLoad();
        EXPECT_TRUE(r->IsLoading());
    }
    platform::EndLoadAll({&c, nullptr, &a, &b});
    EXPECT_EQ(log, (std::vector<std::string>{"c loaded", "a loaded", "b loaded"}));
    EXPECT_FALSE(a.IsLoading());
}

} // namespace
