// Two game windows racing each other in one process over the loopback, as
// two players on two machines would: set up through the windows' own
// hosting and joining, raced with the keys on both sides to the end, and
// counted in each window's own race records, apart from the computer's,
// which the settings file keeps at the close.
#include "game/mainform.h"
#include "game/netracetable.h"
#include "game/netracewindow.h"
#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "cardlib/luflightlayer.h"
#include "cardlib/lusinglecard.h"
#include "dialogs/racewaitform.h"
#include "dialogs/settingsfile.h"
#include "tests/support/modaldialogs.h"
#include "tests/support/seams.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

using platform::MsgResult;
using testing_support::ScriptedMessageBoxes;
using testing_support::ScriptedModalDialogs;

bool WaitFor(const std::function<bool()>& Done, int Ms = 20000)
{
    QElapsedTimer Timer;
    Timer.start();
    while (!Done() && Timer.elapsed() < Ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return Done();
}

quint16 FreePort()
{
    QTcpServer Probe;
    return Probe.listen(QHostAddress::LocalHost, 0) ? Probe.serverPort() : 0;
}

// One player's program: an application folder of its own with its settings.
struct TPlayer {
    QTemporaryDir Dir;
    QString AppDir = Dir.path() + u'/';
    std::unique_ptr<TMainForm> Form;

    explicit TPlayer(bool Animate)
    {
        QDir(Dir.path()).mkdir(QStringLiteral("Data"));
        {
            QFile F(AppDir + QStringLiteral("Data/Config.INI"));
            if (F.open(QIODevice::WriteOnly))
                F.write(QStringLiteral("[Settings]\nDeckSize=1\nPlaySounds=0\nAnimateCards=%1\n").arg(Animate ? 1 : 0).toUtf8());
        }
        Form = std::make_unique<TMainForm>(AppDir);
        Form->show();
    }
    bool Racing() const { return Form->NetRace->Active(); }
    void Press(QChar Key) { Form->FormKeyPress(Key); }
    // Nothing in the air, and the centre piles and the player's own hand on
    // the screen are those of the session's table.
    bool ShowsItsTable() const
    {
        const TNetRaceSession& S = *Form->NetRace->Session();
        if (Form->NetRace->Flights().Count() != 0)
            return false;
        for (int Centre = 0; Centre < network::CentrePiles; ++Centre)
            if (netracetable::CentreTable(*Form, S.OwnSeat(), Centre)->CardTop()->ID()
                != S.Table().CentreTop[static_cast<std::size_t>(Centre)])
                return false;
        const auto Slots = Form->Slots(UserSide);
        for (std::size_t Slot = 0; Slot < Slots.size(); ++Slot) {
            const TLuSingleCard* Card = Slots[Slot]->CardAt(0);
            const int Shown = Card->Empty() ? network::NoCard : Card->ID();
            if (Shown != S.Table().Slots[static_cast<std::size_t>(S.OwnSeat())][Slot])
                return false;
        }
        return true;
    }
    TRaceRecords FileRecords() const { return TSettingsFile(AppDir + QStringLiteral("Data/")).ReadRaceRecords(); }
};

class NetRaceWindowTest : public ::testing::TestWithParam<bool> {
protected:
    TPlayer Ann{GetParam()}, Bo{GetParam()};
    // Boxes answer OK (the start boxes, the news) and No (the question to
    // play again), so one deal is raced and the race then ends.
    ScriptedMessageBoxes Boxes;
    ScriptedModalDialogs Modals;

    void SetUp() override { Boxes.SetFallback(MsgResult::Ok); }

    // Ann hosts from the window; while her waiting window is open, Bo joins.
    void Connect()
    {
        const quint16 Port = FreePort();
        ASSERT_NE(Port, 0);
        auto UntilClosed = [](QDialog& Wait) {
            WaitFor([&] { return Wait.result() != 0; });
            return Wait.result();
        };
        Modals.Then(ScriptedModalDialogs::For<TRaceWaitForm>([&, Port, UntilClosed](TRaceWaitForm& Wait) {
            EXPECT_TRUE(Wait.Text->text().contains(QStringLiteral(":%1").arg(Port)));
            Bo.Form->JoinRace(QStringLiteral("Bo"), QStringLiteral("127.0.0.1:%1").arg(Port));
            return UntilClosed(Wait);
        }));
        Modals.Then(ScriptedModalDialogs::For<TRaceWaitForm>(UntilClosed));
        Ann.Form->HostRace(QStringLiteral("Ann"), Port);
        ASSERT_TRUE(Ann.Racing() && Bo.Racing());
        ASSERT_TRUE(WaitFor([&] { return Ann.Form->NetRace->Session()->Running() && Bo.Form->NetRace->Session()->Running(); }));
    }

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

    const TRaceRecords& A = Ann.Form->RaceRecords;
    const TRaceRecords& B = Bo.Form->RaceRecords;
    EXPECT_EQ(A.Statistics(1).Played, 1);
    EXPECT_EQ(B.Statistics(1).Played, 1);
    EXPECT_EQ(A.Statistics(1).Won + B.Statistics(1).Won, 1); // one winner
    const TRaceRecords& Winner = A.Statistics(1).Won ? A : B;
    EXPECT_EQ(Winner.At(1, 1).Name, A.Statistics(1).Won ? QStringLiteral("Ann") : QStringLiteral("Bo"));
    EXPECT_GT(Winner.At(1, 1).Score, 0);
    EXPECT_GT(Winner.Statistics(1).FastestWinMs, 0);
    EXPECT_FALSE((A.Statistics(1).Won ? B : A).HasEntries()); // a loss enters no table
    for (TPlayer* P : {&Ann, &Bo}) {
        // The computer's records are untouched by a race.
        EXPECT_EQ(P->Form->Statistics, TGameStatistics());
        EXPECT_EQ(P->Form->HallOfFame, THallOfFameTable());
    }

    // Kept at the close, in each player's own file.
    const TRaceRecords KeptA = A, KeptB = B;
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
    EXPECT_EQ(Ann.Form->RaceRecords, TRaceRecords());
}

INSTANTIATE_TEST_SUITE_P(FlightsOffAndOn, NetRaceWindowTest, ::testing::Bool());

} // namespace
