// How the race window uses the local network's discovery: the host's race
// is announced, by its name and port, only while the host waits for a
// guest, and withdrawn when the race begins or the host cancels; the join
// window lists the races it is given and lets them go when it closes. In
// this test program nothing is announced on the machine's real network: a
// stand-in discovery is in place for every test.
#include "dialogs/racesetupform.h"
#include "game/netrace/racediscovery.h"
#include "tests/dialogs/fakeracelist.h"
#include "tests/game/netracetesting.h"
#include "tests/support/seams.h"

#include <QPushButton>
#include <QTreeWidget>

namespace {

using namespace netracetesting;
using testing_support::ScriptedMessageBoxes;
using testing_support::ScriptedModalDialogs;

// For the whole program: a list that finds nothing, an announcement that
// goes nowhere.
class TQuietDiscovery : public ::testing::Environment {
public:
    void SetUp() override
    {
        FBefore = SetRaceDiscovery({
            [] { return std::unique_ptr<TRaceList>(std::make_unique<TFakeRaceList>()); },
            [](const QString&, quint16) { return std::make_unique<QObject>(); },
        });
    }
    void TearDown() override { SetRaceDiscovery(std::move(FBefore)); }

private:
    TRaceDiscovery FBefore;
};
[[maybe_unused]] ::testing::Environment* const Quiet = ::testing::AddGlobalTestEnvironment(new TQuietDiscovery);

// Records what is announced and whether it still is.
struct TRecordingDiscovery {
    QString Name;
    int Port = -1;
    int Live = 0;     // announcements not withdrawn
    int Lists = 0;    // lists not yet let go
    int Browsed = 0;  // lists asked for
    TRaceDiscovery Before;

    TRecordingDiscovery()
    {
        Before = SetRaceDiscovery({
            [this] {
                auto List = std::make_unique<TFakeRaceList>();
                List->Now = TRaceList::TState::Ready;
                List->Listed = {{QStringLiteral("Ann"), QStringLiteral("192.168.1.20:47251")}};
                ++Lists;
                ++Browsed;
                QObject::connect(List.get(), &QObject::destroyed, [this] { --Lists; });
                return std::unique_ptr<TRaceList>(std::move(List));
            },
            [this](const QString& AnnouncedName, quint16 AnnouncedPort) {
                Name = AnnouncedName;
                Port = AnnouncedPort;
                auto Announcement = std::make_unique<QObject>();
                ++Live;
                QObject::connect(Announcement.get(), &QObject::destroyed, [this] { --Live; });
                return Announcement;
            },
        });
    }
    ~TRecordingDiscovery() { SetRaceDiscovery(std::move(Before)); }
};

TEST(RaceDiscoveryWiring, TheHostIsAnnouncedOnlyWhileItWaits)
{
    TRecordingDiscovery Discovery;
    ScriptedMessageBoxes Boxes;
    Boxes.SetFallback(platform::MsgResult::Ok);
    ScriptedModalDialogs Modals;

    // Cancelled while waiting.
    TPlayer Ann(false), Bo(false);
    const quint16 Port = FreePort();
    Modals.Then(ScriptedModalDialogs::For<TRaceWaitForm>([&](TRaceWaitForm&) {
        EXPECT_EQ(Discovery.Live, 1);
        EXPECT_EQ(Discovery.Name, QStringLiteral("Ann"));
        EXPECT_EQ(Discovery.Port, Port);
        return static_cast<int>(QDialog::Rejected);
    }));
    Ann.Form->HostRace(QStringLiteral("Ann"), Port);
    EXPECT_EQ(Discovery.Live, 0);
    EXPECT_FALSE(Ann.Racing());

    // Joined: withdrawn as the race begins.
    Connect(Ann, Bo, Modals);
    EXPECT_EQ(Discovery.Live, 0);
    EXPECT_EQ(Modals.Unused(), 0u);
}

TEST(RaceDiscoveryWiring, TheJoinWindowListsTheRacesWhileItIsOpen)
{
    TRecordingDiscovery Discovery;
    ScriptedMessageBoxes Boxes;
    Boxes.SetFallback(platform::MsgResult::Ok);
    ScriptedModalDialogs Modals;
    TPlayer Bo(false);
    Modals.Then(ScriptedModalDialogs::For<TRaceSetupForm>([&](TRaceSetupForm& Form) {
        EXPECT_EQ(Discovery.Lists, 1);
        EXPECT_NE(Form.RacesView, nullptr);
        if (!Form.RacesView)
            return static_cast<int>(QDialog::Rejected);
        EXPECT_EQ(Form.RacesView->topLevelItemCount(), 1);
        Form.RacesView->setCurrentItem(Form.RacesView->topLevelItem(0));
        EXPECT_EQ(Form.Where(), QStringLiteral("192.168.1.20:47251"));
        return testing_support::Press(Form, Form.CancelBtn);
    }));
    Bo.Form->NetRace->JoinRace(true, QStringLiteral("Bo"), QString());
    EXPECT_EQ(Discovery.Lists, 0);
    EXPECT_EQ(Modals.Unused(), 0u);
    // Joined by the command line, nothing is looked for.
    Bo.Form->NetRace->JoinRace(false, QStringLiteral("Bo"), QStringLiteral("not an address"));
    EXPECT_EQ(Discovery.Browsed, 1);
}

} // namespace
