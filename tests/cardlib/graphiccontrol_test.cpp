// The buffered control: what reaches the screen and when (copies of Buffer
// rectangles only, the update bracket, Empty), the synchronize message, the
// size following the Buffer, and the library-wide busy state.
#include "testcardowners.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(ControlMessagesTest, Numbers)
{
    EXPECT_EQ(WM_SYNCHRONIZE, 0x8001u);
    EXPECT_EQ(WM_UPDATERECT, 0x8002u);
}

TEST(BusyStateTest, NestsAndNeverGoesBelowZero)
{
    ASSERT_EQ(BusyCount(), 0u);
    EndBusy();
    EXPECT_EQ(BusyCount(), 0u);
    EXPECT_FALSE(Busy());
    BeginBusy();
    BeginBusy();
    EXPECT_EQ(BusyCount(), 2u);
    EXPECT_TRUE(Busy());
    EndBusy();
    EXPECT_TRUE(Busy());
    EndBusy();
    EXPECT_FALSE(Busy());
    EndBusy();
    EXPECT_EQ(BusyCount(), 0u);
}

TEST(BusyStateTest, GuardsCloseTheirBracketsOnExceptions)
{
    TTestCardControl Control;
    EXPECT_THROW(
        {
            TLuBusyGuard Busy;
            TLuUpdateGuard Update(Control);
            EXPECT_TRUE(::Busy());
            EXPECT_EQ(Control.UpdateCount(), 1);
            throw std::runtime_error("interrupted");
        },
        std::runtime_error);
    EXPECT_FALSE(Busy());
    EXPECT_EQ(BusyCount(), 0u);
    EXPECT_EQ(Control.UpdateCount(), 0);
}

// Records the paint events of the watched controls and the synchronize
// messages of their window, in order.
class TScreenLog : public QObject {
public:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::Paint)
            Entries.push_back({Watched, static_cast<QPaintEvent*>(Event)->region()});
        else if (Event->type() == LuSynchronizeEventType())
            Entries.push_back({Watched, QRegion()});
        return false;
    }
    struct TEntry {
        QObject* Target;
        QRegion Region; // empty for a synchronize message
    };
    std::vector<TEntry> Entries;
};

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Window.resize(400, 300);
        QPalette Palette = Window.palette();
        Palette.setColor(QPalette::Window, QColor(Silver));
        Window.setPalette(Palette);
        Group = new TTestGroup(&Window);
        Group->SetBounds(10, 20, 223, 96);
        Group->AddCards(3);
        Group->SetEmpty(false);
        Window.show();
        Settle();
        Group->installEventFilter(&Log);
        Window.installEventFilter(&Log);
    }

    // Lets every pending repaint happen, then forgets it.
    void Settle()
    {
        QApplication::processEvents();
        QApplication::processEvents();
        Log.Entries.clear();
    }

    std::vector<QRegion> GroupPaints() const
    {
        std::vector<QRegion> Out;
        for (const auto& Entry : Log.Entries)
            if (Entry.Target == Group && !Entry.Region.isEmpty())
                Out.push_back(Entry.Region);
        return Out;
    }

    // What the (offscreen) screen shows of the group: the window's flushed
    // surface, read without repainting anything.
    QImage Screen(int X, int Y, int W, int H)
    {
        const QImage Shot = Window.screen()->grabWindow(Window.winId()).toImage();
        return Block(Shot, Group->x() + X, Group->y() + Y, W, H);
    }
    QRgb ScreenPixel(int X, int Y) { return Screen(X, Y, 1, 1).pixel(0, 0); }

    QWidget Window;
    TTestGroup* Group = nullptr;
    TScreenLog Log;
};

TEST_F(ScreenTest, FreshControl)
{
    TTestGroup Fresh(&Window);
    EXPECT_TRUE(Fresh.Empty());
    EXPECT_TRUE(Fresh.Buffer().isNull() || Fresh.Buffer().size() == QSize(0, 0));
    EXPECT_EQ(Fresh.UpdateCount(), 0);
    EXPECT_TRUE(Fresh.Enabled());
    EXPECT_TRUE(Fresh.NotifyOwner());
    EXPECT_EQ(Fresh.BrushColor(), QColor(Silver)) << "the window's colour";
}

TEST_F(ScreenTest, ACardChangeRepaintsOnlyFromTheCardToTheFarCorner)
{
    Group->Card(1).SetID(40);
    ASSERT_EQ(GroupPaints().size(), 1u);
    EXPECT_EQ(GroupPaints()[0], QRegion(76, 0, 147, 96));
    // The window heard of it first.
    ASSERT_GE(Log.Entries.size(), 2u);
    EXPECT_EQ(Log.Entries[0].Target, &Window);
    EXPECT_TRUE(Log.Entries[0].Region.isEmpty());
    // On the screen at once, without a trip through the event loop.
    for (int X : {80, 111, 146})
        EXPECT_EQ(ScreenPixel(X, 48), Group->Buffer().pixel(X, 48)) << X;
    Log.Entries.clear();

    // The last card: its own rectangle only.
    Group->Card(2).SetEmpty(true);
    ASSERT_EQ(GroupPaints().size(), 1u);
    EXPECT_EQ(GroupPaints()[0], QRegion(152, 0, 71, 96));
}

TEST_F(ScreenTest, NothingReachesTheScreenWhileUpdating)
{
    {
        TLuUpdateGuard Update(*Group, false);
        Group->Card(0).SetID(30);
        Group->Card(1).SetID(31);
        EXPECT_TRUE(GroupPaints().empty());
        // A repaint meanwhile shows nothing of the Buffer either.
        QImage Out(223, 96, QImage::Format_RGB32);
        Out.fill(Qt::green);
        Group->render(&Out, QPoint(), QRegion(), QWidget::RenderFlags());
        EXPECT_TRUE(AllPixels(Out, {0, 0, 223, 96}, 0xFF00FF00));
        EXPECT_NE(Screen(0, 0, 71, 96), Block(Group->Buffer(), 0, 0, 71, 96)) << "the screen shows the old card";
        Log.Entries.clear();
    }
    EXPECT_EQ(Group->UpdateCount(), 0);
    EXPECT_TRUE(GroupPaints().empty()) << "EndUpdate does not repaint";
    Group->BeginUpdate();
    Group->FlushBuffer();
    ASSERT_EQ(GroupPaints().size(), 1u) << "a flush ignores the bracket";
    EXPECT_EQ(GroupPaints()[0], QRegion(0, 0, 223, 96));
    Group->EndUpdate();
    EXPECT_EQ(Screen(0, 0, 223, 96), Block(Group->Buffer(), 0, 0, 223, 96));
}

TEST_F(ScreenTest, AnInvisibleControlIgnoresUpdates)
{
    Group->hide();
    Settle();
    Group->Card(1).SetID(40);
    EXPECT_TRUE(Log.Entries.empty()) << "no paint, not even the synchronize message";
}

TEST_F(ScreenTest, EmptyControlShowsNothingButFillsOutsideItsBuffer)
{
    Group->SetBounds(10, 20, 260, 120); // wider and higher than its Buffer
    Group->SetBrushColor(Qt::blue);
    Group->SetEmpty(true);
    Settle();
    QImage Out(260, 120, QImage::Format_RGB32);
    Out.fill(Qt::green);
    Group->render(&Out, QPoint(), QRegion(), QWidget::RenderFlags());
    EXPECT_TRUE(AllPixels(Out, {0, 0, 260, 120}, 0xFF00FF00)) << "Paint copies nothing";
    Log.Entries.clear();

    Group->Card(2).SetEmpty(true);
    ASSERT_EQ(GroupPaints().size(), 1u);
    EXPECT_EQ(GroupPaints()[0], QRegion(152, 0, 71, 96) + QRegion(223, 0, 37, 120) + QRegion(0, 96, 260, 24));
    EXPECT_EQ(ScreenPixel(250, 50), 0xFF0000FFu);
    EXPECT_EQ(ScreenPixel(100, 110), 0xFF0000FFu);
    EXPECT_EQ(ScreenPixel(160, 50), Silver) << "the window's background shows through";
}

TEST_F(ScreenTest, WritingEmptyInvalidatesOnlyWhileEnabled)
{
    Group->SetEnabled(false);
    Group->SetEmpty(true);
    QApplication::processEvents();
    EXPECT_TRUE(GroupPaints().empty());
    EXPECT_TRUE(Group->Empty());
    Group->SetEnabled(true);
    Group->SetEmpty(true);
    QApplication::processEvents();
    EXPECT_FALSE(GroupPaints().empty()) << "same value, still invalidated";
}

TEST_F(ScreenTest, PaintCopiesTheAskedAreaOfTheBuffer)
{
    QImage Out(223, 96, QImage::Format_RGB32);
    Out.fill(Qt::green);
    // The region (10, 10)-(30, 30) is rendered at the image's corner.
    Group->render(&Out, QPoint(), QRegion(10, 10, 20, 20), QWidget::RenderFlags());
    EXPECT_EQ(Out.pixel(5, 5), Group->Buffer().pixel(15, 15));
    EXPECT_EQ(Out.pixel(19, 19), Group->Buffer().pixel(29, 29));
    EXPECT_EQ(Out.pixel(25, 25), 0xFF00FF00u);
}

TEST_F(ScreenTest, AutoSizeFollowsTheBuffer)
{
    int Resizes = 0;
    Group->OnResize = [&Resizes](TLuCustomGraphicControl*) { ++Resizes; };
    Group->SetAutoSize(true);
    EXPECT_EQ(Group->size(), QSize(223, 96));
    Group->SetBounds(10, 20, 300, 200);
    EXPECT_EQ(Group->size(), QSize(223, 96)) << "snaps back";
    EXPECT_GT(Resizes, 0);
    Group->AddCards(1);
    EXPECT_EQ(Group->size(), QSize(299, 96)) << "grows with its Buffer";

    Group->BeginLoad();
    Group->SetBounds(10, 20, 300, 200);
    EXPECT_EQ(Group->size(), QSize(300, 200)) << "the stored size stays while loading";
    Group->EndLoad();
}

TEST_F(ScreenTest, BufferChangedFillsTheStripsOutsideTheBuffer)
{
    Group->SetBounds(10, 20, 260, 120);
    Settle();
    Group->SetBufferSize(100, 50);
    std::vector<QRegion> Paints = GroupPaints();
    ASSERT_FALSE(Paints.empty());
    EXPECT_EQ(Paints.back(), QRegion(0, 50, 260, 70) + QRegion(100, 0, 160, 120));
    Settle();
    EXPECT_EQ(ScreenPixel(150, 100), Silver);
}

} // namespace
