// Sprite flights: the stepping of a move, the busy bracket, AfterMove, the
// Esc key, the abort when the program terminates, the property rules, and
// what the form shows while and after an image flies over it.
#include "cardlib/lubusy.h"
#include "cardlib/lusprite.h"
#include "cardlib/luwait.h"
#include "platform/abort.h"

#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <stdexcept>

#include <vector>

namespace {

// Records the sprite's position each time the event loop runs: a flight
// lets pending events run once per step, so this is one record per step.
class StepRecorder : public QObject
{
public:
    explicit StepRecorder(const TLuSprite& sprite) : FSprite(sprite) { Post(); }
    std::vector<QPoint> Positions;
    bool Stopped = false;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        if (!Stopped) {
            Positions.emplace_back(FSprite.X(), FSprite.Y());
            Post();
        }
        return true;
    }

private:
    void Post() { QCoreApplication::postEvent(this, new QEvent(QEvent::User)); }
    const TLuSprite& FSprite;
};

class SpriteTest : public ::testing::Test
{
protected:
    SpriteTest() : image(71, 96, QImage::Format_RGB32)
    {
        form.resize(400, 300);
        image.fill(Qt::red);
    }

    QWidget form;
    QImage image;
};

TEST_F(SpriteTest, NewSpriteHasItsDefaults)
{
    TLuSprite sprite(&form);
    EXPECT_EQ(sprite.Form(), &form);
    EXPECT_EQ(sprite.parent(), &form);
    EXPECT_TRUE(sprite.Enabled());
    EXPECT_FALSE(sprite.Visible());
    EXPECT_EQ(sprite.IncrementX(), 4);
    EXPECT_EQ(sprite.IncrementY(), 4);
    EXPECT_TRUE(sprite.CursorCenter());
    EXPECT_EQ(sprite.DrawOptions().Value(), 175);
    EXPECT_EQ(sprite.DrawOptions(),
              (TLuDrawOptions{doSynchronize, doProcessMessages, doDetectEscKey, doWindowActive,
                              doWindowPreventResize, doAutoErase}));
    EXPECT_TRUE(sprite.Background().isNull());
}

TEST_F(SpriteTest, AFlightToItsStartTakesNoStepButReportsTheMove)
{
    TLuSprite sprite(&form);
    int moves = 0;
    sprite.AfterMove = [&](TLuSprite* sender) {
        EXPECT_EQ(sender, &sprite);
        EXPECT_TRUE(sender->Visible());
        EXPECT_TRUE(Busy()) << "AfterMove runs after EndBusy, but the flight holds none of its own";
        ++moves;
    };
    // The caller's own bracket shows that the move's bracket nests inside it.
    BeginBusy();
    sprite.Fly(30, 40, 30, 40, &image, false);
    EndBusy();
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(sprite.X(), 30);
    EXPECT_EQ(sprite.Y(), 40);
    EXPECT_FALSE(sprite.Visible());
    EXPECT_FALSE(Busy());
    EXPECT_EQ(sprite.Bitmap().size(), QSize(71, 96));
}

TEST_F(SpriteTest, DiagonalFlightStepsEachAxisOnItsOwn)
{
    TLuSprite sprite(&form);
    StepRecorder recorder(sprite);
    sprite.Fly(0, 0, 100, 20, &image, true);
    recorder.Stopped = true;

    ASSERT_EQ(recorder.Positions.size(), 25u) << "one step per pass, ceil(100 / 4) passes";
    for (std::size_t k = 0; k < recorder.Positions.size(); ++k) {
        const QPoint expected(static_cast<int>(4 * k),
                              static_cast<int>(std::min<std::size_t>(4 * k, 20)));
        EXPECT_EQ(recorder.Positions[k], expected) << "before step " << k + 1;
    }
    EXPECT_EQ(QPoint(sprite.X(), sprite.Y()), QPoint(100, 20));
    EXPECT_TRUE(sprite.Visible()) << "KeepVisible leaves the image shown";
    EXPECT_EQ(sprite.HomeX(), 0);
    EXPECT_EQ(sprite.HomeY(), 0);

    sprite.FlyBack();
    EXPECT_EQ(QPoint(sprite.X(), sprite.Y()), QPoint(0, 0));
    EXPECT_FALSE(sprite.Visible());
}

TEST_F(SpriteTest, LastStepLandsExactlyAndNegativeDirectionsWork)
{
    TLuSprite sprite(&form);
    sprite.SetIncrementX(7);
    sprite.SetIncrementY(3);
    sprite.Fly(50, 50, 10, 45, nullptr, false);
    EXPECT_EQ(QPoint(sprite.X(), sprite.Y()), QPoint(10, 45));
}

TEST_F(SpriteTest, IncrementsBelowOneAreIgnored)
{
    TLuSprite sprite(&form);
    sprite.SetIncrementX(0);
    sprite.SetIncrementY(-3);
    EXPECT_EQ(sprite.IncrementX(), 4);
    EXPECT_EQ(sprite.IncrementY(), 4);
    sprite.SetIncrementX(9);
    EXPECT_EQ(sprite.IncrementX(), 9);
}

TEST_F(SpriteTest, CursorDeltaSwitchesCenteringOffAndCenteringRecomputesIt)
{
    TLuSprite sprite(&form);
    sprite.SetBitmap(image);
    sprite.SetCursorDeltaX(5);
    EXPECT_FALSE(sprite.CursorCenter());
    sprite.SetCursorDeltaY(6);
    EXPECT_EQ(sprite.CursorDeltaX(), 5);
    EXPECT_EQ(sprite.CursorDeltaY(), 6);
    sprite.SetCursorCenter(true);
    EXPECT_EQ(sprite.CursorDeltaX(), 35);
    EXPECT_EQ(sprite.CursorDeltaY(), 48);
}

TEST_F(SpriteTest, DisabledSpriteOrHeldEscSkipsTheFlight)
{
    TLuSprite sprite(&form);
    sprite.BeginLoad();
    sprite.EndLoad(); // hooks the form's keys
    int moves = 0;
    sprite.AfterMove = [&](TLuSprite*) { ++moves; };

    sprite.SetEnabled(false);
    sprite.Fly(0, 0, 40, 40, &image, false);
    EXPECT_EQ(moves, 0);
    EXPECT_EQ(sprite.X(), 0);
    sprite.SetEnabled(true);

    QKeyEvent escDown(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &escDown);
    EXPECT_TRUE(sprite.EscHeld());
    sprite.Fly(0, 0, 40, 40, &image, false);
    EXPECT_EQ(moves, 0);
    EXPECT_EQ(sprite.X(), 0);

    QKeyEvent escUp(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &escUp);
    EXPECT_FALSE(sprite.EscHeld());
    sprite.Fly(0, 0, 40, 40, &image, false);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(sprite.X(), 40);
}

TEST_F(SpriteTest, EscIsNotDetectedWithoutItsOptionOrWhileDisabled)
{
    TLuSprite sprite(&form);
    sprite.BeginLoad();
    sprite.EndLoad();
    QKeyEvent escDown(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    TLuDrawOptions options = sprite.DrawOptions();
    options.Exclude(doDetectEscKey);
    sprite.SetDrawOptions(options);
    QCoreApplication::sendEvent(&form, &escDown);
    EXPECT_FALSE(sprite.EscHeld());
    sprite.SetDrawOptions(DefaultDrawOptions);
    sprite.SetEnabled(false);
    QCoreApplication::sendEvent(&form, &escDown);
    EXPECT_FALSE(sprite.EscHeld());
}

TEST_F(SpriteTest, TerminationAbandonsTheMoveWithTheSilentAbort)
{
    TLuSprite sprite(&form);
    bool terminated = false;
    const TLuTerminatedQuery previous = SetTerminatedQuery([&] { return terminated; });
    int moves = 0;
    sprite.AfterMove = [&](TLuSprite*) { ++moves; };
    StepRecorder recorder(sprite);
    // Terminate once the image is part of the way.
    sprite.SetIncrementX(1);
    QObject stopper;
    QMetaObject::invokeMethod(
        &stopper, [&] { terminated = true; }, Qt::QueuedConnection);
    EXPECT_THROW(sprite.Fly(0, 0, 1000, 0, &image, false), platform::EAbort);
    recorder.Stopped = true;
    SetTerminatedQuery(previous);

    EXPECT_EQ(moves, 1) << "AfterMove still runs";
    EXPECT_FALSE(Busy()) << "the busy bracket is closed";
    EXPECT_LT(sprite.X(), 1000);
}

TEST_F(SpriteTest, AnAfterMoveHandlerThatThrowsEndsTheFlightNotTheProgram)
{
    TLuSprite sprite(&form);
    sprite.AfterMove = [](TLuSprite*) { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(sprite.Fly(0, 0, 40, 0, &image, false), std::runtime_error);
    EXPECT_FALSE(Busy()) << "the busy bracket closed before the handler ran";
    EXPECT_EQ(sprite.X(), 40);
}

} // namespace

namespace {

constexpr QRgb Green = 0xFF008000;

// Flights on a shown form, read back from what the form shows (its
// controls and the sprite's image over them).
class SpriteDrawingTest : public ::testing::Test
{
protected:
    SpriteDrawingTest() : image(71, 96, QImage::Format_RGB32)
    {
        QPalette palette = form.palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(Green));
        form.setPalette(palette);
        form.setAutoFillBackground(true);
        form.resize(400, 300);
        // Something under the flight path that is not plain background.
        control = new QWidget(&form);
        control->setAutoFillBackground(true);
        QPalette blue = control->palette();
        blue.setColor(QPalette::Window, Qt::blue);
        control->setPalette(blue);
        control->setGeometry(60, 40, 50, 200);
        image.fill(Qt::red);
        for (int y = 0; y < 96; ++y)
            image.setPixel(y % 71, y, 0xFFFFFF00);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        before = Screen();
    }

    QImage Screen() { return form.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The form as it was, with the image at (x, y).
    QImage WithImageAt(int x, int y) const
    {
        QImage expected = before.copy();
        QPainter painter(&expected);
        painter.drawImage(x, y, image);
        return expected;
    }

    static int Differences(const QImage& a, const QImage& b)
    {
        int count = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                count += a.pixel(x, y) != b.pixel(x, y);
        return count;
    }

    QWidget form;
    QWidget* control = nullptr;
    QImage image;
    QImage before;
};

TEST_F(SpriteDrawingTest, ImageShowsAtTheDestinationAndLeavesNoTrace)
{
    TLuSprite sprite(&form);
    sprite.Fly(10, 20, 150, 60, &image, true);
    EXPECT_EQ(Differences(Screen(), WithImageAt(150, 60)), 0);
    EXPECT_EQ(sprite.Background(), before.copy(150, 60, 71, 96))
        << "the form's pixels under the image";

    sprite.SetVisible(false);
    EXPECT_EQ(Differences(Screen(), before), 0);
    EXPECT_TRUE(sprite.Background().isNull());
}

TEST_F(SpriteDrawingTest, EveryStepShowsTheImageOnlyWhereItIs)
{
    TLuSprite sprite(&form);
    // Steps over the blue control in all four directions, in strips.
    struct Leg
    {
        int X, Y;
    };
    sprite.SetIncrementX(7);
    sprite.SetIncrementY(5);
    sprite.Fly(0, 0, 0, 0, &image, true);
    for (const Leg& leg : {Leg{90, 30}, Leg{40, 100}, Leg{41, 101}, Leg{5, 3}}) {
        sprite.SetDestX(leg.X);
        sprite.SetDestY(leg.Y);
        sprite.MoveToDest();
        EXPECT_EQ(Differences(Screen(), WithImageAt(leg.X, leg.Y)), 0) << leg.X << ", " << leg.Y;
    }
    sprite.SetVisible(false);
    EXPECT_EQ(Differences(Screen(), before), 0);
}

TEST_F(SpriteDrawingTest, AJumpOfMoreThanTheImageRestoresAllAndSavesAfresh)
{
    TLuSprite sprite(&form);
    sprite.Fly(20, 50, 20, 50, &image, true);
    sprite.SetX(120);
    EXPECT_EQ(Differences(Screen(), WithImageAt(120, 50)), 0);
    EXPECT_EQ(sprite.Background(), before.copy(120, 50, 71, 96));
}

TEST_F(SpriteDrawingTest, WithoutAutoEraseTheImageLeavesATrail)
{
    TLuSprite sprite(&form);
    TLuDrawOptions options = DefaultDrawOptions;
    options.Exclude(doAutoErase);
    sprite.SetDrawOptions(options);
    sprite.Fly(10, 10, 30, 10, &image, false);
    const QImage screen = Screen();
    // Every place the image stopped at left a copy; the last one is gone.
    const QRgb red = QColor(Qt::red).rgb();
    EXPECT_EQ(screen.pixel(10, 50), red);
    EXPECT_EQ(screen.pixel(25, 50), red);
    EXPECT_EQ(screen.pixel(30 + 71 - 1, 50), before.pixel(30 + 71 - 1, 50));
}

TEST_F(SpriteDrawingTest, AnInactiveWindowSeesNothingButTheFlightStillArrives)
{
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ASSERT_FALSE(form.isActiveWindow());

    TLuSprite sprite(&form);
    sprite.Fly(10, 10, 100, 10, &image, true);
    EXPECT_EQ(QPoint(sprite.X(), sprite.Y()), QPoint(100, 10));
    EXPECT_TRUE(sprite.Background().isNull());
    EXPECT_EQ(Differences(Screen(), before), 0);
}

TEST_F(SpriteDrawingTest, WhatTheFormDrawsAfterTheFlightIsNotCoveredByOldPixels)
{
    TLuSprite sprite(&form);
    sprite.Fly(40, 40, 40, 40, &image, false);
    QPalette yellow = control->palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    control->setPalette(yellow);
    control->repaint();
    EXPECT_EQ(Screen().pixel(70, 60), QColor(Qt::yellow).rgb());
}

TEST_F(SpriteDrawingTest, TheFormKeepsItsSizeDuringAMoveOnly)
{
    TLuSprite sprite(&form);
    QSize during;
    QMetaObject::invokeMethod(
        &form,
        [&] {
            form.resize(500, 350);
            during = form.size();
        },
        Qt::QueuedConnection);
    sprite.Fly(0, 0, 40, 0, &image, false);
    EXPECT_EQ(during, QSize(400, 300));
    form.resize(500, 350);
    EXPECT_EQ(form.size(), QSize(500, 350));
}

} // namespace

namespace {

TEST_F(SpriteDrawingTest, FollowingThePointerJumpsAndReportsLeavingTheForm)
{
    TLuSprite sprite(&form);
    sprite.SetBitmap(image);
    int outside = 0;
    sprite.OnOutClient = [&](TLuSprite*) { ++outside; };

    QCursor::setPos(form.mapToGlobal(QPoint(-20, -20)));
    sprite.SetSnapToCursor(true);
    EXPECT_EQ(outside, 1);
    EXPECT_FALSE(sprite.Visible());
    sprite.FollowCursor();
    EXPECT_EQ(outside, 2) << "every tick while the pointer stays outside";

    QCursor::setPos(form.mapToGlobal(QPoint(200, 150)));
    if (form.mapFromGlobal(QCursor::pos()) != QPoint(200, 150))
        GTEST_SKIP() << "this platform cannot move the pointer";
    sprite.FollowCursor();
    // The first snap inside takes the offsets (0, 0) it had; centring
    // applies from the next tick on.
    EXPECT_EQ(QPoint(sprite.X(), sprite.Y()), QPoint(200, 150));
    EXPECT_TRUE(sprite.Visible());
    EXPECT_EQ(sprite.CursorDeltaX(), 35);
    EXPECT_EQ(sprite.CursorDeltaY(), 48);
    QCursor::setPos(form.mapToGlobal(QPoint(210, 160)));
    sprite.FollowCursor();
    EXPECT_EQ(QPoint(sprite.X(), sprite.Y()), QPoint(210 - 35, 160 - 48));
    EXPECT_EQ(Differences(Screen(), WithImageAt(175, 112)), 0);

    sprite.SetSnapToCursor(false);
    EXPECT_FALSE(sprite.Visible());
    EXPECT_EQ(sprite.IncrementX(), 4) << "the increments of before come back";
    EXPECT_EQ(Differences(Screen(), before), 0);
}

} // namespace
