// The Avahi library's loop on Qt's: a watched file wakes its callback from
// the event loop with what happened, a timeout fires at the wall-clock
// moment it was given and not before, and the library may free either from
// inside its own callback. Without a system bus, or without a daemon on it,
// the client says NoDaemon, not a failure of another kind.
#include "network/avahiqtpoll.h"
#include "network/discoveryclient.h"
#include "network/racebrowser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <avahi-common/timeval.h>
#include <avahi-common/watch.h>
#include <gtest/gtest.h>

#include <sys/time.h>
#include <unistd.h>

namespace {

using namespace network;

struct TSeen {
    int Calls = 0;
    int Events = 0;
    const AvahiPoll* Api = nullptr;
    bool FreeInside = false;
    qint64 AtMs = -1;
    QElapsedTimer Clock;
};

TEST(AvahiQtPoll, AWatchWakesFromTheEventLoopAndMayFreeItself)
{
    TAvahiQtPoll Poll;
    const AvahiPoll* Api = Poll.Api();
    int Pipe[2];
    ASSERT_EQ(pipe(Pipe), 0);
    TSeen Seen;
    Seen.Api = Api;
    Seen.FreeInside = true;
    AvahiWatch* W = Api->watch_new(
        Api, Pipe[0], AVAHI_WATCH_IN,
        [](AvahiWatch* Self, int Fd, AvahiWatchEvent Event, void* Data) {
            auto* S = static_cast<TSeen*>(Data);
            ++S->Calls;
            S->Events = S->Api->watch_get_events(Self);
            EXPECT_EQ(S->Events, Event);
            char C;
            EXPECT_EQ(read(Fd, &C, 1), 1);
            if (S->FreeInside)
                S->Api->watch_free(Self);
        },
        &Seen);
    ASSERT_NE(W, nullptr);
    EXPECT_EQ(Poll.Watches(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(Seen.Calls, 0); // nothing to read yet

    ASSERT_EQ(write(Pipe[1], "ab", 2), 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Seen.Calls > 0; }, 2000));
    EXPECT_EQ(Seen.Events, AVAHI_WATCH_IN);
    EXPECT_EQ(Poll.Watches(), 0);
    // Freed inside its callback, it never wakes again, though a byte waits.
    QTest::qWait(50);
    EXPECT_EQ(Seen.Calls, 1);
    close(Pipe[0]);
    close(Pipe[1]);
}

TEST(AvahiQtPoll, AWatchFollowsTheEventsItIsUpdatedTo)
{
    TAvahiQtPoll Poll;
    const AvahiPoll* Api = Poll.Api();
    int Pipe[2];
    ASSERT_EQ(pipe(Pipe), 0);
    TSeen Seen;
    Seen.Api = Api;
    // Nothing asked for: the writable end does not wake it.
    AvahiWatch* W = Api->watch_new(
        Api, Pipe[1], AvahiWatchEvent(0),
        [](AvahiWatch* Self, int, AvahiWatchEvent Event, void* Data) {
            auto* S = static_cast<TSeen*>(Data);
            ++S->Calls;
            S->Events = Event;
            S->Api->watch_update(Self, AvahiWatchEvent(0));
        },
        &Seen);
    QTest::qWait(30);
    EXPECT_EQ(Seen.Calls, 0);
    Api->watch_update(W, AVAHI_WATCH_OUT);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Seen.Calls > 0; }, 2000));
    EXPECT_EQ(Seen.Events, AVAHI_WATCH_OUT);
    QTest::qWait(30);
    EXPECT_EQ(Seen.Calls, 1); // switched off again inside its callback
    Api->watch_free(W);
    close(Pipe[0]);
    close(Pipe[1]);
}

TEST(AvahiQtPoll, ATimeoutFiresAtItsMomentOnceAndCanBeMovedOrStopped)
{
    TAvahiQtPoll Poll;
    const AvahiPoll* Api = Poll.Api();
    const auto Callback = [](AvahiTimeout*, void* Data) {
        auto* S = static_cast<TSeen*>(Data);
        ++S->Calls;
        S->AtMs = S->Clock.elapsed();
    };
    struct timeval When;
    TSeen Soon, Stopped, Moved, Never;
    for (TSeen* S : {&Soon, &Stopped, &Moved, &Never})
        S->Clock.start();
    avahi_elapse_time(&When, 60, 0);
    Api->timeout_new(Api, &When, Callback, &Soon);
    AvahiTimeout* ToStop = Api->timeout_new(Api, &When, Callback, &Stopped);
    AvahiTimeout* ToMove = Api->timeout_new(Api, &When, Callback, &Moved);
    Api->timeout_new(Api, nullptr, Callback, &Never);
    EXPECT_EQ(Poll.Timeouts(), 4);
    Api->timeout_update(ToStop, nullptr);
    avahi_elapse_time(&When, 150, 0);
    Api->timeout_update(ToMove, &When);

    EXPECT_TRUE(QTest::qWaitFor([&] { return Moved.Calls > 0; }, 3000));
    QTest::qWait(100);
    EXPECT_EQ(Soon.Calls, 1);
    EXPECT_GE(Soon.AtMs, 59); // the clocks' rounding aside, never early
    EXPECT_EQ(Moved.Calls, 1);
    EXPECT_GE(Moved.AtMs, 149);
    EXPECT_EQ(Stopped.Calls, 0);
    EXPECT_EQ(Never.Calls, 0);

    // A timeout freed in its own callback.
    TSeen Self;
    Self.Api = Api;
    avahi_elapse_time(&When, 0, 0);
    Api->timeout_new(Api, &When, [](AvahiTimeout* T, void* Data) {
        auto* S = static_cast<TSeen*>(Data);
        ++S->Calls;
        S->Api->timeout_free(T);
    }, &Self);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Self.Calls > 0; }, 2000));
    QCoreApplication::processEvents();
    EXPECT_EQ(Poll.Timeouts(), 4);
}

// A bus address where no bus is, and a bus where no Avahi daemon is: the
// latter needs a dbus-daemon, which the namespace test starts.
TEST(DiscoveryClient, WithoutABusTheDaemonIsMissingAndNothingIsListed)
{
    QTemporaryDir Dir;
    const QByteArray Old = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + Dir.filePath(QStringLiteral("no-bus")).toUtf8());
    {
        TDiscoveryClient Client;
        EXPECT_EQ(Client.Status(), TDiscoveryStatus::NoDaemon) << Client.Error().toStdString();
        EXPECT_EQ(Client.Client(), nullptr);
        TRaceBrowser Browser;
        QCoreApplication::processEvents();
        EXPECT_EQ(Browser.Status(), TDiscoveryStatus::NoDaemon);
        EXPECT_TRUE(Browser.Races().empty());
    }
    if (Old.isNull())
        qunsetenv("DBUS_SYSTEM_BUS_ADDRESS");
    else
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", Old);
}

} // namespace
