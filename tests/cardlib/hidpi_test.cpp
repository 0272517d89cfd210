// Card controls on screens with more than one device pixel per logical
// pixel. The card art is pixel art: at a whole-number ratio every logical
// pixel of a Buffer becomes a uniform block of its own colour, with no
// smoothing; at a fractional ratio a picture brought to the screen piece by
// piece (one card's rectangle at a time) must be the picture drawn whole,
// with no seam and no stale pixel along the pieces' edges.
//
// A screen's ratio is fixed when the application starts, so the screen tests
// run once more in child processes of this program with QT_SCALE_FACTOR set.
#include "testcardowners.h"
#include "tests/cardlib/scaledscreen.h"

#include <QApplication>
#include <QBackingStore>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using scaledscreen::SamePicture;
using scaledscreen::StartedRatio;

// Every device pixel that shows a logical pixel of Buffer (placed at Origin,
// Ratio device pixels per logical pixel) is the colour of one of the logical
// pixels next to where it lies: no blend of colours, no foreign colour.
::testing::AssertionResult OnlyBufferColours(const QImage& Device, const QImage& Buffer, QPoint Origin, qreal Ratio)
{
    const QImage D = Device.convertToFormat(QImage::Format_RGB32);
    const int Left = static_cast<int>(std::ceil(Origin.x() * Ratio));
    const int Top = static_cast<int>(std::ceil(Origin.y() * Ratio));
    const int Right = static_cast<int>(std::floor((Origin.x() + Buffer.width()) * Ratio));
    const int Bottom = static_cast<int>(std::floor((Origin.y() + Buffer.height()) * Ratio));
    for (int Y = Top; Y < Bottom && Y < D.height(); ++Y) {
        for (int X = Left; X < Right && X < D.width(); ++X) {
            const int LX = static_cast<int>(std::floor((X + 0.5) / Ratio)) - Origin.x();
            const int LY = static_cast<int>(std::floor((Y + 0.5) / Ratio)) - Origin.y();
            bool Found = false;
            for (int NY = std::max(LY - 1, 0); NY <= std::min(LY + 1, Buffer.height() - 1) && !Found; ++NY)
                for (int NX = std::max(LX - 1, 0); NX <= std::min(LX + 1, Buffer.width() - 1) && !Found; ++NX)
                    Found = (Buffer.pixel(NX, NY) & RGB_MASK) == (D.pixel(X, Y) & RGB_MASK);
            if (!Found)
                return ::testing::AssertionFailure() << "device pixel (" << X << ", " << Y << ") is " << std::hex
                                                     << D.pixel(X, Y) << ", not a colour of the logical pixels around ("
                                                     << std::dec << LX << ", " << LY << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

// At a whole-number Ratio each logical pixel of Buffer is a Ratio x Ratio
// block of its colour at Origin * Ratio.
::testing::AssertionResult UniformBlocks(const QImage& Device, const QImage& Buffer, QPoint Origin, int Ratio)
{
    const QImage D = Device.convertToFormat(QImage::Format_RGB32);
    for (int Y = 0; Y < Buffer.height(); ++Y)
        for (int X = 0; X < Buffer.width(); ++X)
            for (int J = 0; J < Ratio; ++J)
                for (int I = 0; I < Ratio; ++I) {
                    const int DX = (Origin.x() + X) * Ratio + I;
                    const int DY = (Origin.y() + Y) * Ratio + J;
                    if ((D.pixel(DX, DY) & RGB_MASK) != (Buffer.pixel(X, Y) & RGB_MASK))
                        return ::testing::AssertionFailure()
                               << "logical pixel (" << X << ", " << Y << ") shows " << std::hex << D.pixel(DX, DY)
                               << " at device pixel (" << std::dec << DX << ", " << DY << "), not "
                               << std::hex << Buffer.pixel(X, Y);
                }
    return ::testing::AssertionSuccess();
}

// A tight cascade on odd coordinates, one card of it negative.
class RenderedGroupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Group.SetBrushColor(Silver);
        Group.Style = csTight;
        Group.Tight = 13;
        Group.AddCards(5);
        Group.Card(2).SetNegative(true);
        Group.SetEmpty(false);
        Group.resize(Group.BufferWidth(), Group.BufferHeight());
    }

    QImage Render(qreal Ratio, const QRegion& Part)
    {
        const QSize Size(static_cast<int>(std::ceil(Group.width() * Ratio)),
                         static_cast<int>(std::ceil(Group.height() * Ratio)));
        QImage Out(Size, QImage::Format_RGB32);
        Out.setDevicePixelRatio(Ratio);
        Out.fill(Qt::green);
        Group.render(&Out, Part.boundingRect().topLeft(), Part, QWidget::RenderFlags());
        return Out;
    }

    TTestGroup Group;
};

TEST_F(RenderedGroupTest, TwiceTheSizeIsTwoByTwoBlocks)
{
    const QImage Whole = Render(2, QRegion(Group.rect()));
    ASSERT_EQ(Whole.size(), QSize(2 * 123, 2 * 96));
    EXPECT_TRUE(UniformBlocks(Whole, Group.Buffer(), QPoint(0, 0), 2));
}

// The paint of a part, as the window asks for it when something over the
// control went away, must sample the Buffer on the grid of the whole.
TEST_F(RenderedGroupTest, PartsPaintedOneByOneMakeTheWholePicture)
{
    for (qreal Ratio : {2.0, 1.5, 1.25, 1.75, 3.0}) {
        SCOPED_TRACE(Ratio);
        const QImage Whole = Render(Ratio, QRegion(Group.rect()));
        EXPECT_TRUE(OnlyBufferColours(Whole, Group.Buffer(), QPoint(0, 0), Ratio));
        QImage Pieces = Whole.copy();
        Pieces.fill(Qt::green);
        // Strips of 13 and 7 logical pixels: edges at odd coordinates, which
        // fall inside device pixels at every fractional ratio here.
        for (int X = 0; X < Group.width(); X += 13)
            for (int Y = 0; Y < Group.height(); Y += 7) {
                const QRect Part = QRect(X, Y, 13, 7).intersected(Group.rect());
                Group.render(&Pieces, Part.topLeft(), QRegion(Part), QWidget::RenderFlags());
            }
        EXPECT_TRUE(SamePicture(Pieces, Whole));
    }
}

// ---------------------------------------------------------------------------
// The screen: a window with a tight cascade, a table and a downward cascade,
// each on odd coordinates, whose cards change one by one; each change reaches
// the screen as one card's rectangle (WMUpdateRect), never as a full repaint.

class ScaledScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Window.resize(260, 290);
        QPalette Palette = Window.palette();
        Palette.setColor(QPalette::Window, QColor(Silver));
        Window.setPalette(Palette);

        Row = new TTestGroup(&Window);
        Row->SetBounds(13, 21, 123, 96);
        Row->Style = csTight;
        Row->Tight = 13;
        Row->AddCards(5);
        Row->SetEmpty(false);

        Table = new TTestTable(&Window);
        Table->SetBounds(7, 121, TableWidth, TableHeight);
        Table->SetEmpty(false);
        for (auto& Card : Table->Cards)
            Card->SetShowBack(false);

        Column = new TTestGroup(&Window);
        Column->SetBounds(151, 3, CardWidth, 200);
        Column->Side = csDown;
        Column->Style = csTight;
        Column->Tight = 7;
        Column->AddCards(9);
        Column->SetEmpty(false);

        Window.show();
        QApplication::processEvents();
        QApplication::processEvents();
    }

    // What the window's surface holds, in device pixels, without repainting.
    QImage Surface()
    {
        auto* Image = dynamic_cast<QImage*>(Window.backingStore()->paintDevice());
        return Image ? Image->copy() : QImage();
    }

    // The surface now must be what a repaint of the whole window draws.
    ::testing::AssertionResult SameAsRepaintedWhole()
    {
        const QImage Now = Surface();
        Window.repaint();
        return SamePicture(Now, Surface());
    }

    QWidget Window;
    TTestGroup* Row = nullptr;
    TTestTable* Table = nullptr;
    TTestGroup* Column = nullptr;
};

TEST_F(ScaledScreenTest, CardChangesLeaveThePictureOfAFullRepaint)
{
    ASSERT_DOUBLE_EQ(Window.devicePixelRatio(), StartedRatio());
    if (Surface().isNull())
        GTEST_SKIP() << "this platform's window surface is not an image";
    struct TStep {
        const char* What;
        std::function<void()> Change;
    };
    const std::vector<TStep> Steps = {
        {"row card 1", [this] { Row->Card(1).SetID(40); }},
        {"row card 3", [this] { Row->Card(3).SetID(44); }},
        {"row card 2 negative", [this] { Row->Card(2).SetNegative(true); }},
        {"row card 1 negative", [this] { Row->Card(1).SetNegative(true); }},
        {"row card 4 empty", [this] { Row->Card(4).SetEmpty(true); }},
        {"table bottom", [this] { Table->Cards[0]->SetID(20); }},
        {"table left", [this] { Table->Cards[1]->SetID(21); }},
        {"table top", [this] { Table->Cards[2]->SetID(22); }},
        {"table right", [this] { Table->Cards[3]->SetID(23); }},
        {"table left negative", [this] { Table->Cards[1]->SetNegative(true); }},
        {"table top empty", [this] { Table->Cards[2]->SetEmpty(true); }},
        {"table bottom again", [this] { Table->Cards[0]->SetID(33); }},
        {"column card 0", [this] { Column->Card(0).SetID(30); }},
        {"column card 5", [this] { Column->Card(5).SetID(35); }},
        {"column card 8 empty", [this] { Column->Card(8).SetEmpty(true); }},
        {"column card 6 empty", [this] { Column->Card(6).SetEmpty(true); }},
    };
    ASSERT_TRUE(SameAsRepaintedWhole()) << "at the start";
    for (const TStep& Step : Steps) {
        Step.Change();
        EXPECT_TRUE(SameAsRepaintedWhole()) << Step.What;
    }
}

TEST_F(ScaledScreenTest, EachLogicalPixelShowsAsItsOwnColour)
{
    ASSERT_DOUBLE_EQ(Window.devicePixelRatio(), StartedRatio());
    if (Surface().isNull())
        GTEST_SKIP() << "this platform's window surface is not an image";
    Row->Card(1).SetID(40);
    Table->Cards[1]->SetID(21);
    Column->Card(5).SetNegative(true);
    const qreal Ratio = Window.devicePixelRatio();
    const QImage Shown = Surface();
    for (TLuCustomGraphicControl* Control : std::vector<TLuCustomGraphicControl*>{Row, Table, Column}) {
        SCOPED_TRACE(Control == Row ? "row" : Control == Table ? "table" : "column");
        if (Ratio == std::floor(Ratio))
            EXPECT_TRUE(UniformBlocks(Shown, Control->Buffer(), Control->pos(), static_cast<int>(Ratio)));
        else
            EXPECT_TRUE(OnlyBufferColours(Shown, Control->Buffer(), Control->pos(), Ratio));
    }
}

// A card flies over the three controls in odd steps and away again: the
// pixels it saves are the window's logical pixels, and it leaves no trail.
TEST_F(ScaledScreenTest, AFlightOverTheCardsLeavesNoTrail)
{
    ASSERT_DOUBLE_EQ(Window.devicePixelRatio(), StartedRatio());
    if (Surface().isNull())
        GTEST_SKIP() << "this platform's window surface is not an image";
    Window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
    QImage Logical(Window.size(), QImage::Format_RGB32);
    Window.render(&Logical);

    TLuSprite Sprite(&Window);
    Sprite.SetIncrementX(3);
    Sprite.SetIncrementY(5);
    const QImage Picture = CardImage(20)->Picture;
    Sprite.Fly(3, 7, 131, 151, &Picture, true);
    EXPECT_EQ(Sprite.Background(), Logical.copy(131, 151, CardWidth, CardHeight));
    Sprite.SetVisible(false);
    EXPECT_TRUE(SameAsRepaintedWhole());
}

// Runs the screen tests in a child process started at each ratio.
TEST(ScaledScreenRunTest, AtTwiceAndAtFractionalRatios)
{
    scaledscreen::RunAtOtherRatios(QStringLiteral("ScaledScreenTest.*"), [](const std::string& Output) {
        EXPECT_NE(Output.find("[  PASSED  ] 3 tests."), std::string::npos) << Output;
        EXPECT_EQ(Output.find("SKIPPED"), std::string::npos) << Output;
    });
}

} // namespace
