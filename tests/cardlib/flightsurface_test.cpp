// What a window's surface holds while cards fly over it, read from the
// backing store without repainting. A fresh render of the form redraws
// everything and so cannot see what the layer's partial repaints leave
// behind; the surface can: a trail, a stale shadow, an edge at 175 % scale.
// The screen tests also run in child processes at other device pixel
// ratios (a screen's ratio is fixed when the application starts).
#include "cardlib/lucard.h"
#include "cardlib/lucarditem.h"
#include "tests/cardlib/scaledscreen.h"

#include <QApplication>
#include <QBackingStore>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using scaledscreen::SamePicture;
using scaledscreen::StartedRatio;

constexpr QRgb Felt = 0xFF208040;  // the window's colour
constexpr QRgb Edge = 0xFF0000FF;  // the test image's one-pixel edge
constexpr QRgb Inner = 0xFFFF0000; // and its inside

// An opaque image whose edge differs from its inside, so that a picture one
// pixel off shows.
QImage Framed(QSize Size)
{
    QImage Image(Size, QImage::Format_ARGB32_Premultiplied);
    Image.fill(Edge);
    QPainter(&Image).fillRect(Image.rect().adjusted(1, 1, -1, -1), QColor::fromRgb(Inner));
    return Image;
}

// A window of the game's size with a card lying in a group across the
// flights' path, in manual time.
class FlightScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TLuFlightLayer::SetManualTime(true);
        QPalette Palette = Window.palette();
        Palette.setColor(QPalette::Window, QColor::fromRgb(Felt));
        Window.setPalette(Palette);
        Window.setAutoFillBackground(true);
        Window.resize(572, 448);
        Group = new TLuCardGroup(&Window);
        Group->SetBounds(201, 151, CardWidth, CardHeight);
        Group->CardList().Add()->Card()->SetID(14);
        Window.show();
        QApplication::processEvents();
        QApplication::processEvents();
        Layer = TLuFlightLayer::Of(&Window);
        AcquireCardImages();
        Card = CardFlightPicture(CardImage(27));
    }
    void TearDown() override
    {
        ReleaseCardImages();
        TLuFlightLayer::SetManualTime(false);
    }

    // What the window's surface holds, in device pixels, without repainting.
    QImage Surface()
    {
        auto* Image = dynamic_cast<QImage*>(Window.backingStore()->paintDevice());
        return Image ? Image->copy() : QImage();
    }
    // Time moves on and the window paints what that changed, as between two
    // frames of the timer.
    void Frame(double Milliseconds)
    {
        Layer->Advance(Milliseconds);
        QApplication::processEvents();
    }
    // The surface now must be what a repaint of the whole window draws. At
    // a fractional ratio an image's edge falls inside device pixels, and Qt
    // may sample such a pixel either way in a partial paint and a whole one;
    // so there only the pixels away from what flies now must agree (a trail
    // lies there), and all of them once nothing flies.
    ::testing::AssertionResult SameAsRepaintedWhole()
    {
        QApplication::processEvents();
        const qreal Ratio = Window.devicePixelRatio();
        QRegion Spared;
        if (Ratio != std::floor(Ratio))
            for (const auto Id : Layer->Flights()) {
                constexpr int MostShadow = 5;
                const QRectF Flying =
                    QRectF(QRect(Layer->Position(Id), QSize(CardWidth, CardHeight) + QSize(MostShadow, MostShadow)));
                const QRectF Device(Flying.topLeft() * Ratio, Flying.size() * Ratio);
                Spared += Device.toAlignedRect().adjusted(-1, -1, 1, 1);
            }
        const QImage Now = Surface();
        Window.repaint();
        return SamePicture(Now, Surface(), Spared);
    }

    QWidget Window;
    TLuCardGroup* Group = nullptr;
    TLuFlightLayer* Layer = nullptr;
    QImage Card;
};

// The card group's rectangle on the surface at ratio 1.
QImage GroupOnSurface(const QImage& Surface, const TLuCardGroup& Group)
{
    return Surface.copy(Group.geometry()).convertToFormat(QImage::Format_RGB32);
}

// A card flies across a card lying in a group: around the flying card the
// group shows its own Buffer while it passes, under its see-through corners
// too, and all of it again once the card has gone.
TEST_F(FlightScreenTest, ACardLyingUnderThePathShowsAroundTheFlightAndAfterIt)
{
    if (StartedRatio() != 1.0)
        GTEST_SKIP() << "compares logical pixels";
    ASSERT_FALSE(Surface().isNull());
    const QImage Lying = Group->Buffer().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(GroupOnSurface(Surface(), *Group), Lying) << "before";

    Layer->SetEasing(QEasingCurve::Linear);
    const auto Id = Layer->Launch(Card, QPoint(11, 163), QPoint(451, 139), 160);
    int Over = 0;
    for (int T = 0; T < 150; T += 10) {
        Frame(10);
        const QRect Flying(Layer->Position(Id), Card.size());
        const QImage Shown = GroupOnSurface(Surface(), *Group);
        if (Flying.intersects(Group->geometry()))
            ++Over;
        for (int Y = 0; Y < Lying.height(); ++Y)
            for (int X = 0; X < Lying.width(); ++X) {
                const QPoint OnForm = Group->geometry().topLeft() + QPoint(X, Y);
                const QPoint OnCard = OnForm - Flying.topLeft();
                const bool CardShows = Flying.contains(OnForm) && qAlpha(Card.pixel(OnCard)) == 255;
                const QRgb Expected = CardShows ? Card.pixel(OnCard) : Lying.pixel(X, Y);
                ASSERT_EQ(Shown.pixel(X, Y), Expected) << "at " << T + 10 << " ms, pixel " << X << "," << Y;
            }
    }
    EXPECT_GE(Over, 5) << "the card passes over the group";
    Frame(10);
    EXPECT_EQ(Layer->Count(), 0);
    EXPECT_EQ(GroupOnSurface(Surface(), *Group), Lying) << "after";
}

// Each case is a short story of flights; after every step of it the surface
// must be what a full repaint draws: no trail, no stale shadow, no pixel
// kept along a repainted edge at a fractional ratio.
TEST_F(FlightScreenTest, EveryFrameLeavesThePictureOfAFullRepaint)
{
    ASSERT_DOUBLE_EQ(Window.devicePixelRatio(), StartedRatio());
    if (Surface().isNull())
        GTEST_SKIP() << "this platform's window surface is not an image";
    const QImage Plain = Framed({23, 31});
    struct TStep {
        const char* What;
        std::function<void()> Do;
    };
    const std::vector<std::pair<const char*, std::vector<TStep>>> Stories = {
        {"a card with its shadow over the group, in odd frames",
         {{"launch",
           [&] {
               Layer->SetShadowOffset(3);
               Layer->Launch(Card, QPoint(13, 171), QPoint(437, 133), 130);
           }},
          {"7 ms", [&] { Frame(7); }},
          {"11 ms", [&] { Frame(11); }},
          {"16 ms", [&] { Frame(16); }},
          {"17 ms", [&] { Frame(17); }},
          {"33 ms", [&] { Frame(33); }},
          {"16 ms", [&] { Frame(16); }},
          {"landed", [&] { Frame(40); }}}},
        {"two crossing, one delayed",
         {{"launch",
           [&] {
               Layer->SetShadowOffset(3);
               Layer->Launch(Plain, QPoint(5, 201), QPoint(501, 187), 100);
               Layer->Launch(Card, QPoint(477, 181), QPoint(9, 199), 90, {}, 25);
           }},
          {"13 ms", [&] { Frame(13); }},
          {"the second shows", [&] { Frame(19); }},
          {"crossing", [&] { Frame(23); }},
          {"crossed", [&] { Frame(21); }},
          {"the first lands", [&] { Frame(30); }},
          {"the second lands", [&] { Frame(30); }}}},
        {"cancelled, landed early and cancelled all",
         {{"launch",
           [&] {
               Layer->SetShadowOffset(3);
               Layer->Launch(Card, QPoint(3, 5), QPoint(301, 301), 200);
               Layer->Launch(Plain, QPoint(301, 5), QPoint(3, 301), 200);
               Layer->Launch(Card, QPoint(150, 5), QPoint(150, 301), 200);
               Layer->Launch(Plain, QPoint(450, 5), QPoint(450, 301), 200);
           }},
          {"31 ms", [&] { Frame(31); }},
          {"the first cancelled", [&] { Layer->Cancel(Layer->Flights().front()); }},
          {"the second landed", [&] { Layer->Land(Layer->Flights().front()); }},
          {"17 ms", [&] { Frame(17); }},
          {"all cancelled", [&] { Layer->CancelAll(); }}}},
        {"the shadow changed while a card flies",
         {{"launch",
           [&] {
               Layer->SetShadowOffset(5);
               Layer->Launch(Plain, QPoint(21, 21), QPoint(321, 121), 100);
           }},
          {"9 ms", [&] { Frame(9); }},
          {"shadow 2",
           [&] {
               Layer->SetShadowOffset(2);
               QApplication::processEvents();
           }},
          {"9 ms more", [&] { Frame(9); }},
          {"shadow 0 and 9 ms more",
           [&] {
               Layer->SetShadowOffset(0);
               Frame(9);
           }},
          {"landed", [&] { Frame(100); }}}},
        {"the landing hands the card to the group where it lands",
         {{"launch",
           [&] {
               Layer->SetShadowOffset(3);
               auto* Target = new TLuCardGroup(&Window);
               Target->SetBounds(389, 243, CardWidth, CardHeight);
               TLuSingleCard* Lying = Target->CardList().Add()->Card();
               Lying->SetID(27);
               Lying->SetEmpty(true);
               Target->show();
               Layer->Launch(Card, QPoint(13, 17), Target->pos(), 80, [Lying](int) { Lying->SetEmpty(false); });
           }},
          {"16 ms", [&] { Frame(16); }},
          {"32 ms", [&] { Frame(16); }},
          {"48 ms", [&] { Frame(16); }},
          {"64 ms", [&] { Frame(16); }},
          {"landed", [&] { Frame(16); }}}},
    };
    for (const auto& [Story, Steps] : Stories) {
        SCOPED_TRACE(Story);
        for (const TStep& Step : Steps) {
            Step.Do();
            EXPECT_TRUE(SameAsRepaintedWhole()) << Step.What;
        }
        EXPECT_EQ(Layer->Count(), 0);
    }
}

// The last frame shows the image exactly where it lands, as whole device
// pixels at a whole-number ratio: the control that takes it over draws it
// there, so a pixel off would be a jump at the landing.
TEST_F(FlightScreenTest, TheLastFrameIsExactlyWhereTheImageLands)
{
    ASSERT_DOUBLE_EQ(Window.devicePixelRatio(), StartedRatio());
    const qreal Ratio = Window.devicePixelRatio();
    if (Surface().isNull() || Ratio != std::floor(Ratio))
        GTEST_SKIP() << "needs an image surface at a whole-number ratio";
    const int R = static_cast<int>(Ratio);
    const QImage Plain = Framed({23, 31});
    const QPoint To(331, 57);
    const auto Id = Layer->Launch(Plain, QPoint(17, 289), To, 130);
    for (int T = 0; T < 128; T += 16)
        Frame(16);
    ASSERT_TRUE(Layer->InAir(Id));
    ASSERT_EQ(Layer->Position(Id), To);
    const QImage Shown = Surface().convertToFormat(QImage::Format_RGB32);
    for (int Y = -1; Y <= Plain.height(); ++Y)
        for (int X = -1; X <= Plain.width(); ++X) {
            const bool Inside = Plain.rect().contains(X, Y);
            const QRgb Expected = Inside ? Plain.pixel(X, Y) : Felt;
            for (int J = 0; J < R; ++J)
                for (int I = 0; I < R; ++I)
                    ASSERT_EQ(Shown.pixel((To.x() + X) * R + I, (To.y() + Y) * R + J) & RGB_MASK, Expected & RGB_MASK)
                        << "logical pixel " << X << "," << Y << " of the image";
        }
    Frame(16);
    EXPECT_FALSE(Layer->InAir(Id));
    EXPECT_TRUE(SameAsRepaintedWhole());
}

// Runs the screen tests in a child process started at each ratio.
TEST(FlightScreenRunTest, AtTwiceAndAtFractionalRatios)
{
    scaledscreen::RunAtOtherRatios(QStringLiteral("FlightScreenTest.*"), [](const std::string& Output) {
        EXPECT_EQ(Output.find("FAILED"), std::string::npos) << Output;
        EXPECT_NE(Output.find("[       OK ] FlightScreenTest.EveryFrameLeavesThePictureOfAFullRepaint"),
                  std::string::npos)
            << Output;
    });
}

} // namespace
