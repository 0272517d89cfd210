// Two game windows racing each other in one process over the loopback, as
// two players on two machines would: set up through the windows' own
// hosting and joining, raced with the keys on both sides to the end, and
// counted in each window's own race records, apart from the computer's,
// which the settings file keeps at the close.
#include "cardlib/luflightlayer.h"
#include "core/twoseatrace.h"
#include "network/raceserver.h"
#include "platform/random.h"
#include "tests/game/netracetesting.h"

#include <QApplication>
#include <QMessageBox>
#include <QTcpSocket>
#include <QTimer>
#include "tests/support/seams.h"

namespace {

using platform::MsgResult;
using testing_support::ScriptedMessageBoxes;
using testing_support::ScriptedModalDialogs;
using namespace netracetesting;
using namespace network;

class NetRaceWindowTest : public ::testing::TestWithParam<bool> {
protected:
    TPlayer Ann{GetParam()}, Bo{GetParam()};
    // Boxes answer OK (the start boxes, the news) and No (the question to
    // play again), so one deal is raced and the race then ends.
    ScriptedMessageBoxes Boxes;
    ScriptedModalDialogs Modals;

    void SetUp() override { Boxes.SetFallback(MsgResult::Ok); }

    void Connect() { netracetesting::Connect(Ann, Bo, Modals); }

    int MostInAir = 0; // cards in the air at once on one side

    // Both press 1 to 4 over and over until Stop says so.
    bool RaceUntil(const std::function<bool()>& Stop)
    {
        int Key = 0;
        return WaitFor([&] {
            for (TPlayer* P : {&Ann, &Bo}) {
                if (P->Racing())
                    P->Press(QChar(u'1' + Key));
                MostInAir = std::max(MostInAir, P->Form->NetRace->Flights().Count());
            }
            Key = (Key + 1) % 4;
            return Stop();
        }, 60000);
    }
};

TEST_P(NetRaceWindowTest, ADealRacedToItsEndCountsInEachPlayersOwnRaceRecords)
{
    // Once a side's deal is over, its last cards have landed: the question
    // to play again opens over the table as it ended, since under a modal
    // box no flight moves.
    int Questions = 0;
    Boxes.WhileOpen([&](const ScriptedMessageBoxes::Box& Box) {
        if (!Box.text.contains(QStringLiteral("play again")))
            return;
        ++Questions;
        for (TPlayer* P : {&Ann, &Bo}) {
            if (!P->Form->NetRace->Session()->Running()) {
                EXPECT_TRUE(P->ShowsItsTable());
            }
        }
    });
    Connect();
    ASSERT_TRUE(RaceUntil([&] { return !Ann.Racing() && !Bo.Racing(); }));

    // The first No may reach the other side before its question opens (the
    // boxes here answer at once): then only one shows.
    EXPECT_GE(Questions, 1);
    // Cards flew when the switch is on, and all have landed: each screen
    // shows the table as the host has it.
    EXPECT_EQ(MostInAir > 0, GetParam());
    for (TPlayer* P : {&Ann, &Bo})
        EXPECT_TRUE(P->ShowsItsTable());

    const TNetRaceRecords& A = Ann.Form->RaceRecords;
    const TNetRaceRecords& B = Bo.Form->RaceRecords;
    EXPECT_EQ(A.Statistics(1).Played, 1);
    EXPECT_EQ(B.Statistics(1).Played, 1);
    if (A.Statistics(1).Tied == 1) {
        // Both reached their last card in one stalemate round: a tie on both
        // sides, and nobody's Hall of Fame.
        EXPECT_EQ(B.Statistics(1).Tied, 1);
        EXPECT_EQ(A.Statistics(1).Won + B.Statistics(1).Won, 0);
        EXPECT_FALSE(A.HasEntries() || B.HasEntries());
    } else {
        EXPECT_EQ(B.Statistics(1).Tied, 0);
        EXPECT_EQ(A.Statistics(1).Won + B.Statistics(1).Won, 1); // one winner
        const TNetRaceRecords& Winner = A.Statistics(1).Won ? A : B;
        EXPECT_EQ(Winner.At(1, 1).Name, A.Statistics(1).Won ? QStringLiteral("Ann") : QStringLiteral("Bo"));
        EXPECT_GT(Winner.At(1, 1).Score, 0);
        EXPECT_GT(Winner.Statistics(1).FastestWinMs, 0);
        EXPECT_FALSE((A.Statistics(1).Won ? B : A).HasEntries()); // a loss enters no table
    }
    for (TPlayer* P : {&Ann, &Bo}) {
        // The computer's records are untouched by a race.
        EXPECT_EQ(P->Form->Statistics, TGameStatistics());
        EXPECT_EQ(P->Form->HallOfFame, THallOfFameTable());
    }

    // Kept at the close, in each player's own file.
    const TNetRaceRecords KeptA = A, KeptB = B;
    Ann.Form->close();
    Bo.Form->close();
    EXPECT_EQ(Ann.FileRecords(), KeptA);
    EXPECT_EQ(Bo.FileRecords(), KeptB);
}

TEST_P(NetRaceWindowTest, LeavingMidDealCountsAsLostForTheOneWhoLeaves)
{
    Connect();
    int Presses = 0;
    ASSERT_TRUE(RaceUntil([&] { return ++Presses >= 20; }));
    ASSERT_TRUE(Ann.Racing() && Bo.Racing());

    Bo.Form->NetRace->Leave();
    ASSERT_TRUE(WaitFor([&] { return !Ann.Racing(); }));
    // Whatever was in the air is gone with the race, on both sides.
    for (TPlayer* P : {&Ann, &Bo}) {
        EXPECT_EQ(P->Form->NetRace->Flights().Count(), 0);
        EXPECT_EQ(TLuFlightLayer::Of(P->Form->ClientArea())->Count(), 0);
    }
    EXPECT_EQ(Bo.Form->RaceRecords.Statistics(1).Played, 1);
    EXPECT_EQ(Bo.Form->RaceRecords.Statistics(1).Won, 0);
    // Left on her own, Ann's deal has no winner, so it is not counted.
    EXPECT_EQ(Ann.Form->RaceRecords, TNetRaceRecords());
}

// During a race the window's Deal and close are the race's: each asks first,
// a No races on, a Yes leaves the race (the other player is told).
// The line drops mid-deal (the guest's socket torn down, as a cable pulled
// out would): both tables stop and say whom they wait for, with the time
// left; the guest calls the host back by itself, and the deal goes on to
// its end on both screens, counted once between them.
TEST_P(NetRaceWindowTest, ADealGoesOnAfterItsLineDroppedAndCameBack)
{
    Connect();
    ASSERT_TRUE(RaceUntil([&] { return Ann.Form->NetRace->Session()->Table().Played[0] >= 3; }));
    const auto Sockets = Bo.Form->NetRace->Session()->findChildren<QTcpSocket*>();
    ASSERT_EQ(Sockets.size(), 1);
    Sockets[0]->abort();

    // Both pause; nothing they press moves a card, nor lifts one from its slot.
    ASSERT_TRUE(WaitFor([&] { return Bo.Form->NetRace->Session()->Paused(); }));
    const TRaceSnapshot GuestBefore = Bo.Form->NetRace->Session()->Table();
    int Fits = 0;
    for (int Slot = 0; Slot < core::SlotCount; ++Slot)
        if (netracetable::CentreFor(GuestBefore, core::GuestSeat, Slot)) {
            ++Fits;
            Bo.Press(QChar(u'1' + Slot));
        }
    EXPECT_EQ(Bo.Form->NetRace->Flights().Count(), 0) << Fits << " cards that fit were pressed";
    EXPECT_EQ(Bo.Form->NetRace->Session()->Table(), GuestBefore);
    const QString HostSays = Ann.Form->NetRace->StatusText(), GuestSays = Bo.Form->NetRace->StatusText();
    EXPECT_TRUE(HostSays.isEmpty() || HostSays.startsWith(QStringLiteral("Waiting for Bo to come back… ")))
        << HostSays.toStdString();
    EXPECT_TRUE(GuestSays.isEmpty() || GuestSays.startsWith(QStringLiteral("Waiting for Ann to come back… ")))
        << GuestSays.toStdString();

    // Back by itself, on both sides, the tables the same and no news left.
    ASSERT_TRUE(WaitFor([&] {
        const TNetRaceSession* A = Ann.Form->NetRace->Session();
        const TNetRaceSession* B = Bo.Form->NetRace->Session();
        return !A->Paused() && !B->Paused() && A->Table() == B->Table();
    }, 10000));
    EXPECT_TRUE(Ann.Form->NetRace->StatusText().isEmpty());
    EXPECT_TRUE(Bo.Form->NetRace->StatusText().isEmpty());
    EXPECT_TRUE(Ann.Form->NetRace->PeerText().startsWith(QStringLiteral("Bo|Bo : ")));
    EXPECT_TRUE(Bo.Form->NetRace->PeerText().startsWith(QStringLiteral("Ann|Ann : ")));

    // The deal goes on to its end (No to another); one win between the two.
    ASSERT_TRUE(RaceUntil([&] { return !Ann.Racing() && !Bo.Racing(); }));
    const TNetRaceRecords AnnRecords = Ann.Form->RaceRecords, BoRecords = Bo.Form->RaceRecords;
    EXPECT_EQ(AnnRecords.Statistics(1).Played, 1);
    EXPECT_EQ(BoRecords.Statistics(1).Played, 1);
    EXPECT_EQ(AnnRecords.Statistics(1).Won + BoRecords.Statistics(1).Won + AnnRecords.Statistics(1).Tied, 1);
}

TEST_P(NetRaceWindowTest, DealAndCloseAskBeforeLeavingTheRace)
{
    Connect();
    int Presses = 0;
    ASSERT_TRUE(RaceUntil([&] { return ++Presses >= 8; }));
    Boxes.Answer(MsgResult::No);
    Bo.Form->DealMenuClick();
    EXPECT_EQ(Boxes.Texts().back(), QStringLiteral("Leave the race?"));
    Boxes.Answer(MsgResult::No);
    EXPECT_FALSE(Bo.Form->close());
    EXPECT_EQ(Boxes.Texts().back(), QStringLiteral("Quit game and exit?"));
    EXPECT_TRUE(Bo.Racing() && Bo.Form->NetRace->Session()->Running());
    // Nothing was left in the air under either question.
    EXPECT_EQ(Bo.Form->NetRace->Flights().Count(), 0);

    Boxes.Answer(MsgResult::Yes);
    EXPECT_TRUE(Bo.Form->close());
    EXPECT_FALSE(Bo.Racing());
    ASSERT_TRUE(WaitFor([&] { return Boxes.Texts().contains(QStringLiteral("Bo left the race.")); }))
        << Boxes.Texts().join(u'|').toStdString();
    EXPECT_EQ(Bo.FileRecords().Statistics(1).Played, 1);
    EXPECT_EQ(Bo.FileRecords().Statistics(1).Won, 0);
}

INSTANTIATE_TEST_SUITE_P(FlightsOffAndOn, NetRaceWindowTest, ::testing::Bool());

} // namespace

namespace {

// With the real boxes: a host that leaves while the guest's start box is
// open takes the box with it, and the news shows on a table with no box
// left for a race that no longer exists.
TEST(NetRaceWindowBoxes, TheStartBoxClosesWithTheRaceItServed)
{
    TPlayer Bo(false);
    TRaceServer Server(QStringLiteral("Ann"), TRaceConnection::TTimings{50, 2000});
    ASSERT_TRUE(Server.Listen(0));
    TRaceConnection* HostEnd = nullptr;
    QObject::connect(&Server, &TRaceServer::Joined, &Server, [&](TRaceConnection* C) { HostEnd = C; });
    ScriptedModalDialogs Modals;
    Modals.Then(ScriptedModalDialogs::For<TRaceWaitForm>([](TRaceWaitForm& Wait) {
        WaitFor([&] { return Wait.result() != 0; });
        return Wait.result();
    }));
    Bo.Form->JoinRace(QStringLiteral("Bo"), QStringLiteral("127.0.0.1:%1").arg(Server.Port()));
    ASSERT_TRUE(WaitFor([&] { return HostEnd != nullptr; }));

    const QString StartBox = QStringLiteral("Click Ok when Ready to Start!");
    QStringList Seen;
    bool StartBoxLeftUnderTheNews = false;
    QTimer Watch;
    QObject::connect(&Watch, &QTimer::timeout, [&] {
        auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!Box || Seen.contains(Box->text()))
            return;
        Seen << Box->text();
        if (Box->text() == StartBox) {
            HostEnd->Close(); // the host leaves before OK
            return;
        }
        for (QWidget* W : QApplication::topLevelWidgets())
            if (auto* Other = qobject_cast<QMessageBox*>(W); Other && Other->isVisible() && Other->text() == StartBox)
                StartBoxLeftUnderTheNews = true;
        Box->accept();
    });
    Watch.start(5);
    core::TTwoSeatRace Race;
    Race.Deal(1, [](int N) { return N / 2; });
    HostEnd->Send(TDealt{Race.Snapshot()});
    ASSERT_TRUE(WaitFor([&] { return Seen.size() == 2 && !QApplication::activeModalWidget(); }, 10000))
        << Seen.join(u'|').toStdString();
    EXPECT_EQ(Seen, (QStringList{StartBox, QStringLiteral("Ann left the race.")}));
    EXPECT_FALSE(StartBoxLeftUnderTheNews);
    EXPECT_FALSE(Bo.Racing());
}

} // namespace

namespace {

// The race deals from a generator of its own: the process-wide one, which
// the game against the computer shuffles with, is neither drawn from nor
// seeded anew when a race begins and deals.
TEST(NetRaceWindowDeals, TheRaceLeavesTheComputerGamesGeneratorAlone)
{
    TPlayer Ann(false), Bo(false);
    ScriptedMessageBoxes Boxes;
    Boxes.SetFallback(MsgResult::Ok);
    ScriptedModalDialogs Modals;
    constexpr std::uint32_t Seed = 20261210;
    platform::SetRandSeed(Seed);
    Connect(Ann, Bo, Modals);
    EXPECT_EQ(platform::RandSeed(), Seed);
    Ann.Form->NetRace->Leave();
    EXPECT_TRUE(WaitFor([&] { return !Bo.Racing(); }));
}

} // namespace
