// Flights that do not block: where an image is drawn before, during and
// after its flight, what shows under it, several at once, the landing
// callback, cancelling, the owner going away, a failing callback, the frame
// timer, and the hold while a modal window is open.
#include "cardlib/lucardimages.h"
#include "cardlib/luflightlayer.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

constexpr QRgb Table = 0xFF208040;   // the form's own colour
constexpr QRgb Control = 0xFF2040C0; // a control lying under the path

QWidget* Coloured(QWidget* Parent, QRgb Colour)
{
    auto* W = new QWidget(Parent);
    QPalette P = W->palette();
    P.setColor(QPalette::Window, QColor::fromRgb(Colour));
    W->setPalette(P);
    W->setAutoFillBackground(true);
    return W;
}

QImage Filled(QSize Size, QRgb Colour)
{
    QImage Image(Size, QImage::Format_ARGB32_Premultiplied);
    Image.fill(Colour);
    return Image;
}

class FlightLayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TLuFlightLayer::SetManualTime(true);
        form.reset(Coloured(nullptr, Table));
        form->resize(400, 300);
        control = Coloured(form.get(), Control);
        control->setGeometry(150, 100, 60, 60);
        form->show();
        layer = TLuFlightLayer::Of(form.get());
    }
    void TearDown() override { TLuFlightLayer::SetManualTime(false); }

    // The form as it shows, the layer included.
    QImage Shown() const
    {
        QImage Image(form->size(), QImage::Format_RGB32);
        form->render(&Image);
        return Image;
    }
    QRgb At(QPoint P) const { return Shown().pixel(P); }

    std::unique_ptr<QWidget> form;
    QWidget* control = nullptr;
    TLuFlightLayer* layer = nullptr;
    const QImage red = Filled({20, 30}, 0xFFFF0000);
    const QImage yellow = Filled({20, 30}, 0xFFFFFF00);
};

TEST_F(FlightLayerTest, AnImageGoesInAStraightLineAndLandsWhereItWasSent)
{
    const QPoint From(10, 10), To(310, 210);
    QSignalSpy Landed(layer, &TLuFlightLayer::Landed);
    int Calls = 0;
    bool GoneWhenCalled = false;
    const auto Id = layer->Launch(red, From, To, 100, [&](TLuFlightLayer::TFlightId Arrived) {
        ++Calls;
        GoneWhenCalled = !layer->InAir(Arrived) && layer->Count() == 0;
    });
    EXPECT_TRUE(layer->InAir(Id));
    EXPECT_EQ(layer->Position(Id), From);
    EXPECT_EQ(At(From + QPoint(5, 5)), 0xFFFF0000u) << "drawn at once where it starts";

    // On the line from From to To, always further on, never past it.
    int Before = 0;
    for (int T = 10; T < 100; T += 10) {
        layer->Advance(10);
        const QPoint P = layer->Position(Id);
        const QPoint Way = To - From, Gone = P - From;
        EXPECT_LE(std::abs(Way.x() * Gone.y() - Way.y() * Gone.x()), Way.x() + Way.y()) << T;
        EXPECT_GE(Gone.manhattanLength(), Before) << T;
        EXPECT_LE(Gone.manhattanLength(), Way.manhattanLength()) << T;
        Before = Gone.manhattanLength();
        const QImage Now = Shown();
        EXPECT_EQ(Now.pixel(P + QPoint(10, 15)), 0xFFFF0000u) << T;
        if ((P - From).manhattanLength() > 60) {
            EXPECT_EQ(Now.pixel(From + QPoint(5, 5)), Table) << "its old place shows the form again";
        }
    }
    EXPECT_EQ(Calls, 0);
    layer->Advance(10);
    EXPECT_EQ(Calls, 1);
    EXPECT_TRUE(GoneWhenCalled) << "the flight is over when its callback runs";
    EXPECT_EQ(Landed.count(), 1);
    EXPECT_EQ(At(To + QPoint(5, 5)), Table) << "the layer leaves what arrived to its owner";
    EXPECT_FALSE(layer->InAir(Id));
    layer->Advance(100);
    EXPECT_EQ(Calls, 1);
}

TEST_F(FlightLayerTest, WhatLiesUnderAFlightShowsAroundItAndAfterIt)
{
    const auto Id = layer->Launch(red, QPoint(100, 110), QPoint(300, 110), 100);
    layer->Advance(8);
    const QPoint P = layer->Position(Id);
    ASSERT_TRUE(QRect(P, red.size()).intersects(control->geometry()));
    const QImage During = Shown();
    for (int Y = 100; Y < 160; ++Y)
        for (int X = 150; X < 210; ++X)
            ASSERT_EQ(During.pixel(X, Y), QRect(P, red.size()).contains(X, Y) ? 0xFFFF0000u : Control)
                << X << "," << Y;
    layer->Advance(100);
    const QImage After = Shown();
    for (int Y = 100; Y < 160; ++Y)
        for (int X = 150; X < 210; ++X)
            ASSERT_EQ(After.pixel(X, Y), Control) << X << "," << Y;
}

TEST_F(FlightLayerTest, ADelayedFlightIsNotDrawnUntilItsTimeHasCome)
{
    const auto Id = layer->Launch(red, QPoint(10, 10), QPoint(300, 10), 50, {}, 40);
    EXPECT_FALSE(layer->Shown(Id));
    EXPECT_EQ(At({15, 15}), Table);
    layer->Advance(39);
    EXPECT_FALSE(layer->Shown(Id));
    EXPECT_EQ(layer->Position(Id), QPoint(10, 10));
    layer->Advance(1);
    EXPECT_TRUE(layer->Shown(Id));
    EXPECT_EQ(At({15, 15}), 0xFFFF0000u);
}

TEST_F(FlightLayerTest, TwoFlightsAtOnceTheLaterOverTheEarlierLandingInTheirOrder)
{
    std::vector<int> Order;
    layer->SetEasing(QEasingCurve::Linear);
    const auto A = layer->Launch(red, QPoint(0, 50), QPoint(200, 50), 100, [&](int Id) { Order.push_back(Id); });
    const auto B = layer->Launch(yellow, QPoint(200, 50), QPoint(0, 50), 80, [&](int Id) { Order.push_back(Id); });
    layer->Advance(45);
    const QRect RA(layer->Position(A), red.size()), RB(layer->Position(B), yellow.size());
    const QRect Both = RA.intersected(RB);
    ASSERT_FALSE(Both.isEmpty()) << "they cross";
    const QImage Now = Shown();
    EXPECT_EQ(Now.pixel(Both.center()), 0xFFFFFF00u) << "the later one is drawn over";
    const QPoint OnlyA = RA.left() < RB.left() ? QPoint(RA.left() + 1, RA.center().y())
                                               : QPoint(RA.right() - 1, RA.center().y());
    ASSERT_FALSE(RB.contains(OnlyA));
    EXPECT_EQ(Now.pixel(OnlyA), 0xFFFF0000u);
    layer->Advance(35);
    EXPECT_EQ(Order, std::vector<int>{B});
    layer->Advance(20);
    EXPECT_EQ(Order, (std::vector<int>{B, A}));
}

TEST_F(FlightLayerTest, ALandingCallbackMayLaunchAndCancelOthers)
{
    std::vector<int> Landed;
    TLuFlightLayer::TFlightId Second = 0, Third = 0;
    layer->Launch(red, QPoint(0, 0), QPoint(100, 0), 50, [&](int Id) {
        Landed.push_back(Id);
        layer->Cancel(Second);
        Third = layer->Launch(yellow, QPoint(100, 0), QPoint(100, 100), 50, [&](int Id2) { Landed.push_back(Id2); });
    });
    Second = layer->Launch(red, QPoint(0, 100), QPoint(100, 100), 80, [&](int Id) { Landed.push_back(Id); });
    layer->Advance(50);
    EXPECT_FALSE(layer->InAir(Second));
    EXPECT_TRUE(layer->InAir(Third));
    layer->Advance(100);
    ASSERT_EQ(Landed.size(), 2u);
    EXPECT_EQ(Landed[1], Third);
    EXPECT_EQ(layer->Count(), 0);
}

TEST_F(FlightLayerTest, CancelledFlightsVanishAtOnceAndLandAllLandsInLaunchOrder)
{
    int Cancelled = 0;
    const auto A = layer->Launch(red, QPoint(10, 10), QPoint(300, 10), 100, [&](int) { ++Cancelled; });
    layer->Launch(red, QPoint(10, 200), QPoint(300, 200), 100, [&](int) { ++Cancelled; });
    layer->Advance(10);
    layer->Cancel(A);
    EXPECT_EQ(At(layer->Position(A) + QPoint(5, 5)), Table);
    layer->CancelAll();
    EXPECT_EQ(Shown().pixel(15, 205), Table);
    layer->Advance(200);
    EXPECT_EQ(Cancelled, 0);
    EXPECT_FALSE(layer->Ticking());

    std::vector<int> Order;
    const auto C = layer->Launch(red, QPoint(0, 0), QPoint(50, 0), 300, [&](int Id) { Order.push_back(Id); });
    const auto D = layer->Launch(red, QPoint(0, 0), QPoint(50, 0), 10, [&](int Id) { Order.push_back(Id); }, 50);
    layer->LandAll();
    EXPECT_EQ(Order, (std::vector<int>{C, D}));
    EXPECT_EQ(layer->Count(), 0);
}

TEST_F(FlightLayerTest, TheFormGoingAwayInTheAirOrInACallbackEndsEverythingQuietly)
{
    int Calls = 0;
    layer->Launch(red, QPoint(0, 0), QPoint(50, 0), 100, [&](int) { ++Calls; });
    layer->Advance(10);
    form.reset();
    EXPECT_EQ(Calls, 0);

    SetUp();
    layer->Launch(red, QPoint(0, 0), QPoint(50, 0), 20, [&](int) {
        ++Calls;
        form.reset();
    });
    layer->Launch(red, QPoint(0, 0), QPoint(50, 0), 20, [&](int) { ++Calls; });
    layer->Advance(20);
    EXPECT_EQ(Calls, 1) << "the rest of the frame stops with the layer";
}

TEST_F(FlightLayerTest, ACallbackThatFailsDoesNotKeepTheOthersOfItsFrameFromLanding)
{
    int Calls = 0;
    layer->Launch(red, QPoint(0, 0), QPoint(50, 0), 20, [](int) { throw std::runtime_error("landing failed"); });
    layer->Launch(red, QPoint(0, 0), QPoint(50, 0), 20, [&](int) { ++Calls; });
    EXPECT_THROW(layer->Advance(20), std::runtime_error);
    EXPECT_EQ(Calls, 1);
    EXPECT_EQ(layer->Count(), 0);
}

TEST_F(FlightLayerTest, TheShadowFollowsTheImageAndGoesWithIt)
{
    for (const int Offset : {0, 3}) {
        SCOPED_TRACE(Offset);
        layer->SetShadowOffset(Offset);
        const QPoint From(50, 50);
        const auto Id = layer->Launch(red, From, QPoint(300, 50), 100);
        const QPoint Corner = From + QPoint(red.width() + 1, red.height() + 1);
        const QRgb Under = At(Corner);
        if (Offset == 0) {
            EXPECT_EQ(Under, Table);
        } else {
            EXPECT_LT(qGreen(Under), qGreen(Table));
            EXPECT_GT(qGreen(Under), 0) << "the table shows through the shadow";
        }
        layer->Land(Id);
        EXPECT_EQ(At(Corner), Table);
    }
}

// In real time: the frame timer runs only while something is in the air,
// and a modal window over the form holds every flight still.
TEST_F(FlightLayerTest, TheFrameTimerRunsOnlyWhileSomethingFliesAndHoldsForAModalWindow)
{
    TLuFlightLayer::SetManualTime(false);
    EXPECT_FALSE(layer->Ticking());
    bool Landed = false;
    const auto Id = layer->Launch(red, QPoint(0, 0), QPoint(100, 0), 60, [&](int) { Landed = true; });
    EXPECT_TRUE(layer->Ticking());
    EXPECT_GE(layer->FrameInterval(), 4);
    EXPECT_LE(layer->FrameInterval(), 40);

    QEvent Blocked(QEvent::WindowBlocked);
    QApplication::sendEvent(form.get(), &Blocked);
    EXPECT_TRUE(layer->Held());
    QTest::qWait(150);
    EXPECT_FALSE(Landed);
    EXPECT_EQ(layer->Position(Id), QPoint(0, 0));

    QEvent Unblocked(QEvent::WindowUnblocked);
    QApplication::sendEvent(form.get(), &Unblocked);
    EXPECT_FALSE(layer->Held());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Landed; }, 5000));
    EXPECT_FALSE(layer->Ticking());
}

TEST(CardFlightPictureTest, TheCardsCornersAreSeeThroughAndItsFaceIsItsOwn)
{
    AcquireCardImages();
    const TLuCardImage* Card = CardImage(14);
    ASSERT_NE(Card, nullptr);
    const QImage Picture = CardFlightPicture(Card);
    ASSERT_EQ(Picture.size(), Card->Picture.size());
    EXPECT_EQ(qAlpha(Picture.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(Picture.pixel(Picture.width() - 1, Picture.height() - 1)), 0);
    const QPoint Middle(Picture.width() / 2, Picture.height() / 2);
    EXPECT_EQ(Picture.pixel(Middle), Card->Picture.pixel(Middle) | 0xFF000000u);
    EXPECT_TRUE(CardFlightPicture(nullptr).isNull());
    ReleaseCardImages();
}

} // namespace
