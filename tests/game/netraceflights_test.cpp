// The cards of a race between two machines in the air, on the game's own
// window with the flights' time moved by the test: the player's card leaves
// at the key, flies on when the host says yes, flies back when the host
// refuses and waits beside the pile on a slow answer; the other side's
// plays and the refills fly; and once every card has landed the screen
// shows the host's table, never anything of its own.
#include "cardlib/luflightlayer.h"
#include "game/netrace/netraceflights.h"
#include "core/twoseatrace.h"
#include "tests/game/gametesting.h"

#include <QDialog>

namespace {

using namespace gametesting;
using core::TRaceEvent;
using core::TRaceSnapshot;
using TKind = TRaceEvent::TKind;

constexpr int Guest = 1;

class RaceFlights : public GameTest {
protected:
    TMainForm* F = nullptr;
    std::unique_ptr<TNetRaceFlights> Flights;
    TRaceSnapshot Host; // the host's table, as the session would hold it
    int Landings = 0;

    void SetUp() override
    {
        GameTest::SetUp();
        TLuFlightLayer::SetManualTime(true);
        F = &Open();
        F->AnimateCards = true;
        Flights = std::make_unique<TNetRaceFlights>(*F, *F, [this] {
            ++Landings;
            Show();
        });
        Host.Decks = 1;
        Host.Target = 26;
        Host.Slots = {{{Club(8), Heart(3), Spade(4), Spade(14)}, {Diamond(6), Club(12), Heart(9), Spade(10)}}};
        Host.PileCount = {17, 12};
        Host.CentreTop = {Club(7), Diamond(5)};
        Host.CentreSize = {1, 1};
        Show();
    }
    void TearDown() override
    {
        Flights.reset();
        TLuFlightLayer::SetManualTime(false);
        GameTest::TearDown();
    }

    void Show() { netracetable::Lay(*F, Flights->Presented(Host), Guest); }
    TLuFlightLayer& Layer() { return *TLuFlightLayer::Of(F->CardTable1->parentWidget()); }
    void Pass(int Ms)
    {
        for (int T = 0; T < Ms; T += 10)
            Layer().Advance(10);
    }
    // The host's change: in its table at once, and to the flights.
    void Change(const TRaceEvent& E)
    {
        const TRaceSnapshot Before = Host;
        ASSERT_TRUE(core::ApplyEvent(Host, E));
        Flights->Event(E, Before, Guest);
        Show();
    }
    // The screen, laid out from the host's table alone: what a still table shows.
    bool ShowsTheHostsTable()
    {
        const int Left = TopID(F->CardTable1), Right = TopID(F->CardTable2);
        const int Slot1 = SlotID(F->Play1Card1);
        netracetable::Lay(*F, Host, Guest);
        return Left == TopID(F->CardTable1) && Right == TopID(F->CardTable2) && Slot1 == SlotID(F->Play1Card1);
    }
};

TEST_F(RaceFlights, TheHostsYesCarriesTheCardOnAndItsRefillFollows)
{
    // The guest's 6 onto the 5, its left pile being centre 1.
    Flights->Request(0, 1, Guest);
    Show();
    EXPECT_TRUE(Flights->Busy(0, Guest)); // its key plays nothing meanwhile
    EXPECT_EQ(SlotID(F->Play1Card1), -1);
    EXPECT_EQ(TopID(F->CardTable1), Diamond(5));
    EXPECT_EQ(Layer().Count(), 1);

    Pass(50);
    Change({TKind::Played, Guest, 0, 1, Diamond(6)});
    Change({TKind::Refilled, Guest, 0, 0, Heart(11)});
    EXPECT_EQ(Layer().Count(), 2); // the same card flew on; the refill took off
    EXPECT_EQ(TopID(F->CardTable1), Diamond(5)); // not landed yet
    EXPECT_EQ(SlotID(F->Play1Card1), -1);

    Pass(200);
    EXPECT_EQ(Flights->Count(), 0);
    EXPECT_EQ(Landings, 2);
    EXPECT_EQ(TopID(F->CardTable1), Diamond(6));
    EXPECT_EQ(SlotID(F->Play1Card1), Heart(11));
    EXPECT_FALSE(Flights->Busy(0, Guest));
    EXPECT_TRUE(ShowsTheHostsTable());
}

TEST_F(RaceFlights, ARefusedCardFliesBackToItsSlot)
{
    // The guest's 6 out for the 5 on its left pile...
    Flights->Request(0, 1, Guest);
    Show();
    Pass(60);
    const QPoint Midway = Layer().Position(Layer().Flights().front());
    // ...but the host's 4 reached the pile first, and the 6 is refused.
    Change({TKind::Played, 0, 2, 1, Spade(4)});
    Flights->Refused(0, Guest);
    Show();
    ASSERT_EQ(Flights->Count(), 2); // the host's card, and ours on its way back
    EXPECT_EQ(Layer().Position(Layer().Flights().back()), Midway); // back from where it was
    EXPECT_TRUE(Flights->Busy(0, Guest));
    EXPECT_EQ(SlotID(F->Play1Card1), -1);
    EXPECT_EQ(TopID(F->CardTable1), Diamond(5)); // the 4 not landed yet

    Pass(200);
    EXPECT_EQ(Flights->Count(), 0);
    EXPECT_EQ(SlotID(F->Play1Card1), Diamond(6)); // home again
    EXPECT_EQ(TopID(F->CardTable1), Spade(4));
    EXPECT_FALSE(Flights->Busy(0, Guest));
    EXPECT_TRUE(ShowsTheHostsTable());
}

TEST_F(RaceFlights, ASlowAnswerFindsTheCardWaitingBesideThePile)
{
    Flights->Request(0, 1, Guest);
    Show();
    Pass(600); // a slow link: the flight is long over
    EXPECT_EQ(Flights->Count(), 1);
    EXPECT_EQ(Layer().Count(), 1); // still drawn, beside the pile
    EXPECT_EQ(Layer().Position(Layer().Flights().front()), F->CardTable1->WindowPlace(TLuCardTable::PosTop));
    EXPECT_EQ(TopID(F->CardTable1), Diamond(5));
    EXPECT_EQ(Landings, 0);

    Change({TKind::Played, Guest, 0, 1, Diamond(6)});
    EXPECT_EQ(Flights->Count(), 0); // it lands at once
    EXPECT_EQ(Layer().Count(), 0);
    EXPECT_EQ(Landings, 1);
    EXPECT_EQ(TopID(F->CardTable1), Diamond(6));
}

TEST_F(RaceFlights, TheOtherSidesPlaysAndStalemateTurnsFlyAndLand)
{
    Change({TKind::Played, 0, 0, 0, Club(8)});       // the host's 8 onto the 7, the guest's right pile
    Change({TKind::Turned, Guest, -1, 1, Spade(9)}); // a stalemate card from the guest's pile
    EXPECT_EQ(Flights->Count(), 2);
    EXPECT_EQ(TopID(F->CardTable2), Club(7));
    EXPECT_EQ(TopID(F->CardTable1), Diamond(5));
    EXPECT_EQ(SlotID(F->Play2Card1), -1); // the host's card left its slot
    Pass(200);
    EXPECT_EQ(TopID(F->CardTable2), Club(8));
    EXPECT_EQ(TopID(F->CardTable1), Spade(9));
    EXPECT_TRUE(ShowsTheHostsTable());

    // A new deal or the race's end: everything in the air goes at once.
    Change({TKind::Refilled, 0, 0, 0, Heart(11)});
    Flights->Clear();
    EXPECT_EQ(Layer().Count(), 0);
    Show();
    EXPECT_TRUE(ShowsTheHostsTable());
}

// Under a box over the table nothing takes off (it would hold still under
// the question): the host's changes show at once, and the player's own
// cards already out on requests are answered all the same, none left out
// with its slot's key dead.
TEST_F(RaceFlights, UnderAModalWindowChangesShowAtOnceAndCardsOutAreStillAnswered)
{
    Flights->Request(0, 1, Guest); // the 6, for the 5
    Flights->Request(2, 0, Guest); // the 9, to be refused
    Show();
    Pass(50);
    QDialog Modal;
    Modal.setModal(true);
    Modal.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &Modal);

    Change({TKind::Played, Guest, 0, 1, Diamond(6)});
    EXPECT_EQ(Flights->Count(), 1);
    EXPECT_FALSE(Flights->Busy(0, Guest));
    EXPECT_EQ(TopID(F->CardTable1), Diamond(6));
    Flights->Refused(2, Guest);
    Show();
    EXPECT_EQ(Flights->Count(), 0);
    EXPECT_FALSE(Flights->Busy(2, Guest));
    EXPECT_EQ(SlotID(F->Play1Card3), Heart(9));
    Change({TKind::Played, 0, 0, 0, Club(8)});
    EXPECT_EQ(Flights->Count(), 0);
    EXPECT_EQ(Layer().Count(), 0);
    EXPECT_EQ(TopID(F->CardTable2), Club(8));
    EXPECT_TRUE(ShowsTheHostsTable());
    Modal.hide();
}

TEST_F(RaceFlights, WithoutAnimationNothingFlies)
{
    F->AnimateCards = false;
    Flights->Request(0, 1, Guest);
    Change({TKind::Played, Guest, 0, 1, Diamond(6)});
    EXPECT_EQ(Flights->Count(), 0);
    EXPECT_FALSE(Flights->Busy(0, Guest));
    EXPECT_EQ(TopID(F->CardTable1), Diamond(6));
}

} // namespace
