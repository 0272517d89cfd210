// The promise a landing makes to its owner: a cancelled flight's callback
// never runs, even when its image arrived in the same frame as the flight
// whose callback cancels it (an owner cancels its flights as it goes away,
// and its callbacks must not run after that). And in real time, a modal window opened over
// the form (a real one, with its own event loop) holds every flight still.
#include "cardlib/luflightlayer.h"

#include <QApplication>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

QImage Square()
{
    QImage Image(QSize(10, 10), QImage::Format_ARGB32_Premultiplied);
    Image.fill(Qt::red);
    return Image;
}

class FlightLandingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TLuFlightLayer::SetManualTime(true);
        Form.resize(300, 200);
        Layer = TLuFlightLayer::Of(&Form);
    }
    void TearDown() override { TLuFlightLayer::SetManualTime(false); }

    // Three flights that all arrive in the next 20 ms frame; each records
    // its landing.
    std::vector<TLuFlightLayer::TFlightId> ThreeArrivingTogether(std::function<void(int)> FirstAlso)
    {
        std::vector<TLuFlightLayer::TFlightId> Ids;
        Ids.push_back(Layer->Launch(Square(), {0, 0}, {50, 0}, 20, [this, FirstAlso](int Id) {
            Landings.push_back(Id);
            FirstAlso(Id);
        }));
        for (int I = 0; I < 2; ++I)
            Ids.push_back(Layer->Launch(Square(), {0, 50}, {50, 50}, 20, [this](int Id) { Landings.push_back(Id); }));
        return Ids;
    }

    QWidget Form;
    TLuFlightLayer* Layer = nullptr;
    std::vector<int> Landings;
};

TEST_F(FlightLandingTest, AFlightCancelledByALandingOfTheSameFrameNeverCallsBack)
{
    struct TCase {
        const char* What;
        std::function<void(TLuFlightLayer&, const std::vector<TLuFlightLayer::TFlightId>&)> Cancel;
        std::vector<int> Landed; // by position in the launch order
    };
    const std::vector<TCase> Cases = {
        {"the next one", [](TLuFlightLayer& L, const auto& Ids) { L.Cancel(Ids[1]); }, {0, 2}},
        {"the last one", [](TLuFlightLayer& L, const auto& Ids) { L.Cancel(Ids[2]); }, {0, 1}},
        {"all", [](TLuFlightLayer& L, const auto&) { L.CancelAll(); }, {0}},
        {"itself, already landed", [](TLuFlightLayer& L, const auto& Ids) { L.Cancel(Ids[0]); }, {0, 1, 2}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.What);
        Landings.clear();
        std::vector<TLuFlightLayer::TFlightId> Ids;
        QSignalSpy Signalled(Layer, &TLuFlightLayer::Landed);
        Ids = ThreeArrivingTogether([&](int) { Case.Cancel(*Layer, Ids); });
        Layer->Advance(20);
        std::vector<int> Expected;
        for (const int Index : Case.Landed)
            Expected.push_back(Ids[static_cast<std::size_t>(Index)]);
        EXPECT_EQ(Landings, Expected);
        EXPECT_EQ(Signalled.count(), static_cast<int>(Expected.size())) << "no signal for a cancelled flight";
        EXPECT_EQ(Layer->Count(), 0);
    }
}

// An owner of flights that cancels them as it goes away, as the game's
// flights do: going away in one landing must not bring its other landings
// of the same frame back to it (ASan reports the use of a freed owner).
TEST_F(FlightLandingTest, AnOwnerGoneInALandingHearsNoMoreOfItsFlights)
{
    struct TOwner {
        TLuFlightLayer& Layer;
        std::vector<TLuFlightLayer::TFlightId> Ids;
        std::vector<int>& Heard;
        std::function<void()> OnFirst;
        ~TOwner()
        {
            for (const auto Id : Ids)
                Layer.Cancel(Id);
        }
        void Landed(int Id)
        {
            Heard.push_back(Id);
            if (Id == Ids.front() && OnFirst)
                OnFirst();
        }
    };
    std::vector<int> Heard;
    std::unique_ptr<TOwner> Owner(new TOwner{*Layer, {}, Heard, {}});
    Owner->OnFirst = [&Owner] { Owner.reset(); };
    for (int I = 0; I < 3; ++I)
        Owner->Ids.push_back(
            Layer->Launch(Square(), {0, 0}, {50, 0}, 20, [Self = Owner.get()](int Id) { Self->Landed(Id); }));
    const auto First = Owner->Ids.front();
    Layer->Advance(20);
    EXPECT_EQ(Owner, nullptr);
    EXPECT_EQ(Heard, std::vector<int>{First});
}

// ---------------------------------------------------------------------------
// A real modal dialog, in real time. The form is the window itself, or a
// child of it (as a game's table lies in its main window); the flight takes
// off before the dialog opens or while it is open. It must not move until
// the dialog has closed, and then it lands through the frame timer.

TEST(FlightHoldTest, AModalDialogOverTheFormHoldsTheFlightsStill)
{
    struct TCase {
        const char* What;
        bool FormIsWindow;
        bool LaunchWhileOpen;
    };
    const std::vector<TCase> Cases = {
        {"the window, launched before", true, false},
        {"the window, launched under the dialog", true, true},
        {"a child, launched before", false, false},
        {"a child, launched under the dialog", false, true},
    };
    ASSERT_FALSE(TLuFlightLayer::ManualTime());
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.What);
        QWidget Window;
        Window.resize(300, 200);
        QWidget* Form = Case.FormIsWindow ? &Window : new QWidget(&Window);
        Form->resize(300, 200);
        Window.show();
        TLuFlightLayer* Layer = TLuFlightLayer::Of(Form);
        bool Landed = false;
        TLuFlightLayer::TFlightId Id = 0;
        const auto Launch = [&] { Id = Layer->Launch(Square(), {0, 0}, {200, 100}, 50, [&](int) { Landed = true; }); };
        if (!Case.LaunchWhileOpen)
            Launch();

        QDialog Question(&Window);
        std::vector<QPoint> Seen;
        bool HeldSeen = true;
        QTimer Watch;
        QObject::connect(&Watch, &QTimer::timeout, [&] {
            if (Id == 0)
                Launch();
            Seen.push_back(Layer->Position(Id));
            HeldSeen = HeldSeen && Layer->Held();
        });
        QTimer::singleShot(0, &Question, [&] { Watch.start(20); });
        QTimer::singleShot(250, &Question, &QDialog::reject);
        Question.exec();
        Watch.stop();

        ASSERT_GE(Seen.size(), 3u);
        EXPECT_TRUE(HeldSeen);
        for (const QPoint& P : Seen)
            EXPECT_EQ(P, QPoint(0, 0)) << "moved under the dialog";
        EXPECT_FALSE(Landed);
        EXPECT_FALSE(Layer->Held());
        EXPECT_TRUE(QTest::qWaitFor([&] { return Landed; }, 5000)) << "lands once the dialog has closed";
        EXPECT_FALSE(Layer->Ticking());
    }
}

} // namespace
