// Work put off until a window's first frame: it runs once, after the window
// has painted (or after the fallback when it never does), and not at all
// once the window is gone.
#include "platform/firstframe.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class PaintCounter : public QWidget
{
public:
    int Paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++Paints; }
};

TEST(AfterFirstPaint, RunsOnceAfterTheFirstPaintAndNotBefore)
{
    PaintCounter Window;
    Window.resize(60, 40);
    int Runs = 0;
    int PaintsAtRun = -1;
    platform::AfterFirstPaint(Window, [&] {
        ++Runs;
        PaintsAtRun = Window.Paints;
    }, 600000);
    QCoreApplication::processEvents();
    EXPECT_EQ(Runs, 0) << "a window not shown yet has not painted";

    Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Runs > 0; }));
    EXPECT_GE(PaintsAtRun, 1);

    Window.repaint();
    Window.hide();
    Window.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(Runs, 1);
}

TEST(AfterFirstPaint, AWindowThatNeverPaintsGetsItsWorkDoneAfterTheFallback)
{
    QWidget Window;
    int Runs = 0;
    platform::AfterFirstPaint(Window, [&] { ++Runs; }, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Runs > 0; }));
    QTest::qWait(20);
    EXPECT_EQ(Runs, 1);
}

TEST(AfterFirstPaint, NothingRunsForAWindowThatIsGone)
{
    int Runs = 0;
    {
        QWidget Window;
        platform::AfterFirstPaint(Window, [&] { ++Runs; }, 1);
    }
    QTest::qWait(20);
    EXPECT_EQ(Runs, 0);
}

} // namespace
