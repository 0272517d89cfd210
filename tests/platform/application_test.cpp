#include "platform/abort.h"
#include "platform/application.h"
#include "platform/windowmessages.h"
#include "tests/support/seams.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProxyStyle>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

using platform::Application;
using platform::MsgButtons;
using platform::MsgType;
using testing_support::ScriptedMessageBoxes;

namespace {

enum class Throw
{
    Nothing,
    Abort,
    StdException,
    Other
};

// Throws from its event handler, as a game handler does when it aborts.
class Thrower : public QObject
{
public:
    Throw what = Throw::Nothing;
    int handled = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != platform::PostedMessageEvent::EventType())
            return QObject::event(event);
        ++handled;
        switch (what) {
        case Throw::Nothing:
            break;
        case Throw::Abort:
            platform::Abort();
        case Throw::StdException:
            throw std::runtime_error("Card list index out of bounds (7)");
        case Throw::Other:
            throw 42;
        }
        return true;
    }
};

TEST(Application, TheTestsRunOnTheGamesApplicationObject)
{
    ASSERT_NE(Application::instance(), nullptr);
    EXPECT_FALSE(Application::Terminated());
}

TEST(Application, AbortThrowsTheSilentAbort)
{
    EXPECT_THROW(platform::Abort(), platform::EAbort);
    EXPECT_STREQ(platform::EAbort().what(), "Operation aborted");
}

TEST(Application, ExceptionsNeverLeaveTheEventDispatch)
{
    const struct
    {
        Throw what;
        const char* boxText; // nullptr: no box at all
    } cases[] = {
        {Throw::Nothing, nullptr},
        {Throw::Abort, nullptr},
        {Throw::StdException, "Card list index out of bounds (7)"},
        {Throw::Other, "Unexpected error"},
    };
    for (const auto& c : cases) {
        ScriptedMessageBoxes boxes;
        boxes.SetFallback(platform::MsgResult::Ok);
        Thrower thrower;
        thrower.what = c.what;
        platform::PostMessage(&thrower, platform::WM_USER + 1);
        EXPECT_NO_THROW(QCoreApplication::sendPostedEvents());
        EXPECT_EQ(thrower.handled, 1);
        platform::PostedMessageEvent direct(platform::Message{platform::WM_USER + 2, 0, 0});
        EXPECT_NO_THROW(QCoreApplication::sendEvent(&thrower, &direct));
        EXPECT_EQ(thrower.handled, 2);
        if (c.boxText) {
            ASSERT_EQ(boxes.Boxes().size(), 2u);
            for (const auto& box : boxes.Boxes()) {
                EXPECT_EQ(box.text.toStdString(), c.boxText);
                EXPECT_EQ(box.type, MsgType::Error);
                EXPECT_EQ(box.buttons, MsgButtons::Ok);
            }
        } else {
            EXPECT_TRUE(boxes.Boxes().empty());
        }
    }
}

// An aborted timer handler ends only that tick; the loop and the timer go on.
TEST(Application, TheProgramGoesOnAfterAnAbortedHandler)
{
    ScriptedMessageBoxes boxes{platform::MsgResult::Ok};
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(1);
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        if (ticks == 1)
            platform::Abort();
        if (ticks == 2)
            throw std::runtime_error("Unable to write to /nowhere/Config.INI");
        if (ticks == 3) {
            timer.stop();
            loop.quit();
        }
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    timer.start();
    loop.exec();
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Unable to write to /nowhere/Config.INI")});
}

TEST(Application, ProcessMessagesRunsWhatIsPending)
{
    Thrower receiver;
    platform::PostMessage(&receiver, platform::WM_USER + 3);
    EXPECT_EQ(receiver.handled, 0);
    Application::ProcessMessages();
    EXPECT_EQ(receiver.handled, 1);
}

TEST(Application, ExecutableNameAndFolder)
{
    const QString dir = Application::ExeDir();
    const QString exe = Application::ExeName();
    EXPECT_TRUE(dir.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(exe.startsWith(dir));
    EXPECT_EQ(QFileInfo(exe).absolutePath() + QLatin1Char('/'), dir);
    EXPECT_TRUE(QFileInfo(exe).isExecutable());
}

TEST(Application, TitleAndHelpFile)
{
    Application* app = Application::instance();
    const QString oldTitle = app->Title();
    app->SetTitle(QStringLiteral("Velto"));
    EXPECT_EQ(app->Title(), QStringLiteral("Velto"));
    app->SetHelpFile(Application::ExeDir() + QStringLiteral("Velto.HLP"));
    EXPECT_EQ(app->HelpFile(), Application::ExeDir() + QStringLiteral("Velto.HLP"));
    app->SetTitle(oldTitle);
}

TEST(Application, HintPauseIsTheToolTipDelay)
{
    Application* app = Application::instance();
    const int old = app->HintPause();
    const auto* earlierProxy = qobject_cast<QProxyStyle*>(app->style());
    const QString styleName = (earlierProxy ? earlierProxy->baseStyle() : app->style())->name();
    QWidget widget;
    for (int pause : {0, 700, 0}) {
        app->SetHintPause(pause);
        EXPECT_EQ(app->HintPause(), pause);
        EXPECT_EQ(app->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), pause);
        EXPECT_EQ(widget.style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), pause);
    }
    // The look stays as it was: the proxy sits over the same kind of style.
    auto* proxy = qobject_cast<QProxyStyle*>(app->style());
    ASSERT_NE(proxy, nullptr);
    EXPECT_EQ(proxy->baseStyle()->name().compare(styleName, Qt::CaseInsensitive), 0);
    app->SetHintPause(-5);
    EXPECT_EQ(app->HintPause(), 0);
    app->SetHintPause(old);
}

// Quitting sets the terminating state for the rest of the process, so it
// runs in a child process of its own.
TEST(ApplicationDeathTest, TerminateSetsTheTerminatingState)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Application::Terminate();
            std::exit(Application::Terminated() ? 3 : 4);
        },
        ::testing::ExitedWithCode(3), "");
    // Quitting by any other way (the main window closing) counts as well.
    EXPECT_EXIT(
        {
            QTimer::singleShot(0, [] { QCoreApplication::quit(); });
            QCoreApplication::exec();
            std::exit(Application::Terminated() ? 3 : 4);
        },
        ::testing::ExitedWithCode(3), "");
}

} // namespace
