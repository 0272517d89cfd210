// Sprite flights as far as they are built: the stepping of a move, the busy
// bracket, AfterMove, the Esc key, the abort when the program terminates and
// the property rules. Nothing is drawn on the form yet.
#include "cardlib/lubusy.h"
#include "cardlib/lusprite.h"
#include "cardlib/luwait.h"
#include "platform/abort.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

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

} // namespace
