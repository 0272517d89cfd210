// The library's one pause: it lets the event loop run, ends after its time
// or when the program terminates, and a wait inside a wait ends both.
#include "cardlib/luwait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class WaitTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous = SetTerminatedQuery([this] { return terminated; });
    }
    void TearDown() override
    {
        SetTerminatedQuery(previous);
        // A wait that ended early leaves the shared timer armed.
        if (WaitTimerInstance)
            WaitTimerInstance->SetEnabled(false);
    }

    bool terminated = false;
    TLuTerminatedQuery previous;
};

TEST_F(WaitTest, TheTimerExistsWithTheApplicationAndIsIdle)
{
    ASSERT_NE(WaitTimerInstance, nullptr);
    EXPECT_FALSE(WaitTimerInstance->Enabled());
}

TEST_F(WaitTest, LastsAtLeastItsTimeAndHandlesEventsMeanwhile)
{
    int ticks = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] { ++ticks; });
    other.start(20);
    bool posted = false;
    QMetaObject::invokeMethod(
        qApp, [&] { posted = true; }, Qt::QueuedConnection);

    QElapsedTimer clock;
    clock.start();
    Wait(300);
    const qint64 elapsed = clock.elapsed();

    EXPECT_GE(elapsed, 300);
    EXPECT_LT(elapsed, 2000);
    EXPECT_TRUE(posted);
    EXPECT_GE(ticks, 5);
    EXPECT_FALSE(WaitTimerInstance->Enabled());
}

TEST_F(WaitTest, EndsAtOnceWhenTheProgramTerminates)
{
    QTimer::singleShot(50, [&] { terminated = true; });
    Wait(5000);
    EXPECT_TRUE(terminated);
    EXPECT_TRUE(WaitTimerInstance->Enabled()) << "the wait's own time was not up";
}

TEST_F(WaitTest, AlreadyTerminatingStillReturns)
{
    terminated = true;
    Wait(5000);
    EXPECT_TRUE(WaitTimerInstance->Enabled()) << "the wait's own time was not up";
}

TEST_F(WaitTest, AShortWaitInsideALongOneEndsBoth)
{
    QElapsedTimer clock;
    qint64 innerEnded = -1;
    QTimer::singleShot(20, [&] {
        Wait(100);
        innerEnded = clock.elapsed();
    });
    clock.start();
    Wait(1000);
    const qint64 outerEnded = clock.elapsed();

    ASSERT_GE(innerEnded, 0) << "the inner wait never ran";
    EXPECT_GE(innerEnded, 120);
    EXPECT_LT(outerEnded, 600) << "the outer wait went on after the shared timer's tick";
    EXPECT_GE(outerEnded, innerEnded);
}

TEST_F(WaitTest, ZeroAndNegativeDelaysReturnAtOnceWithoutArmingTheTimer)
{
    for (int delay : {0, -1, -500}) {
        bool posted = false;
        QMetaObject::invokeMethod(
            qApp, [&] { posted = true; }, Qt::QueuedConnection);
        Wait(delay);
        EXPECT_FALSE(posted) << delay << ": the event loop did not run";
        EXPECT_FALSE(WaitTimerInstance->Enabled()) << delay;
        QCoreApplication::sendPostedEvents();
        EXPECT_TRUE(posted);
    }
}

} // namespace
