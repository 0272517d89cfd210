#include "platform/windowmessages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using platform::PostedMessageEvent;
using platform::PostMessage;

namespace {

// Three messages like those a game window posts to itself (the logs below
// show them by number: 1025, 1026 and 1027).
constexpr unsigned MsgRefillUser = platform::WM_USER + 1;
constexpr unsigned MsgRefillComputer = platform::WM_USER + 2;
constexpr unsigned MsgGameOver = platform::WM_USER + 3;

// Stands in for the game window: logs every message it receives and, like
// the refill handler, may post a further message while handling one.
class Window : public QObject
{
public:
    std::vector<std::string> log;
    bool postGameOverFromRefill = false;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != PostedMessageEvent::EventType())
            return QObject::event(event);
        const platform::Message& message = static_cast<PostedMessageEvent*>(event)->message();
        log.push_back("msg " + std::to_string(message.Msg) + ":" + std::to_string(message.WParam) +
                      ":" + std::to_string(message.LParam));
        if (postGameOverFromRefill && message.Msg == MsgRefillUser) {
            postGameOverFromRefill = false;
            PostMessage(this, MsgGameOver);
        }
        return true;
    }
};

// A message arrives as it was posted, every bit of each of its numbers: a
// handler reads a slot, or a pointer, from them.
TEST(WindowMessages, NumbersArriveWhole)
{
    struct Case {
        unsigned Msg;
        std::uintptr_t WParam;
        std::intptr_t LParam;
    };
    const Case Cases[] = {
        {platform::WM_USER, 0, 0},
        {platform::WM_USER + 1, 1, -1},
        {std::numeric_limits<unsigned>::max(), std::numeric_limits<std::uintptr_t>::max(),
         std::numeric_limits<std::intptr_t>::min()},
        {0x80000001u, std::uintptr_t{1} << (8 * sizeof(std::uintptr_t) - 1), std::numeric_limits<std::intptr_t>::max()},
    };
    Window window;
    std::vector<std::string> expected;
    for (const Case& c : Cases) {
        PostMessage(&window, c.Msg, c.WParam, c.LParam);
        expected.push_back("msg " + std::to_string(c.Msg) + ":" + std::to_string(c.WParam) + ":" +
                           std::to_string(c.LParam));
    }
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window.log, expected);
}

TEST(WindowMessages, PostingNeverSends)
{
    Window window;
    PostMessage(&window, platform::WM_USER + 1, 3, -7);
    EXPECT_TRUE(window.log.empty());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window.log, std::vector<std::string>{"msg 1025:3:-7"});
    PostMessage(nullptr, MsgGameOver); // nowhere to go: dropped
}

// The order the game relies on: a timer tick posts messages; they all run
// after the tick's handler has returned, in posting order (one posted from a
// message handler after those already waiting), and before the next tick,
// even when the handler ran so long that the next tick is already overdue.
TEST(WindowMessages, PostedMessagesRunAfterTheHandlerInOrderBeforeTheNextTick)
{
    Window window;
    window.postGameOverFromRefill = true;
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(5);
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        window.log.push_back("tick " + std::to_string(ticks));
        if (ticks == 1) {
            PostMessage(&window, MsgRefillUser, 1);
            PostMessage(&window, MsgRefillComputer, 2);
            PostMessage(&window, MsgRefillUser, 3);
            QThread::msleep(30); // the next tick falls due while this handler still runs
            window.log.push_back("tick 1 returns");
        } else if (ticks == 2) {
            PostMessage(&window, MsgRefillComputer, 4);
        } else {
            timer.stop();
            loop.quit();
        }
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    timer.start();
    loop.exec();

    const std::vector<std::string> expected = {
        "tick 1",       "tick 1 returns", "msg 1025:1:0", "msg 1026:2:0", "msg 1025:3:0",
        "msg 1027:0:0", "tick 2",         "msg 1026:4:0", "tick 3",
    };
    EXPECT_EQ(window.log, expected);
}

TEST(WindowMessages, OneQueueForAllReceiversAndNoneForTheDeparted)
{
    std::vector<std::string> log;
    Window first;
    auto* second = new Window;
    Window third;
    PostMessage(&first, MsgRefillUser, 1);
    PostMessage(second, MsgRefillUser, 2);
    PostMessage(&third, MsgRefillUser, 3);
    PostMessage(&first, MsgGameOver, 4);
    delete second;
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(first.log, (std::vector<std::string>{"msg 1025:1:0", "msg 1027:4:0"}));
    EXPECT_EQ(third.log, std::vector<std::string>{"msg 1025:3:0"});
}

// A handler that opens a modal box runs a nested loop; what is posted while
// the box is up is delivered by that loop, not held until the box closes.
TEST(WindowMessages, NestedLoopsDeliverMessagesPostedInsideThem)
{
    class ModalWindow : public Window
    {
    protected:
        bool event(QEvent* event) override
        {
            const bool handled = Window::event(event);
            if (event->type() == PostedMessageEvent::EventType() && log.size() == 1) {
                QEventLoop modal;
                PostMessage(this, MsgRefillComputer, 9);
                QTimer::singleShot(20, &modal, &QEventLoop::quit);
                modal.exec();
                log.push_back("modal closed");
            }
            return handled;
        }
    } window;
    PostMessage(&window, MsgGameOver);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window.log,
              (std::vector<std::string>{"msg 1027:0:0", "msg 1026:9:0", "modal closed"}));
}

} // namespace
