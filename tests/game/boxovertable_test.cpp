// A box or window opened over the table while cards are in the air: the
// cards land first (under a modal box the flights hold still, and a card
// would hang half-landed under the question), what their landings start
// waits for the answer, and goes on when the deal does.
#include "cardlib/luflightlayer.h"
#include "tests/game/flyingrace.h"

#include <QDialog>

namespace {

using namespace gametesting;

class BoxOverTheTable : public FlyingRace {
protected:
    // A deal in progress with the user's 8 and the computer's 10 in the air,
    // each with a card left in its pile to refill its slot.
    void TwoCardsInTheAir()
    {
        ASSERT_NO_FATAL_FAILURE(ClearedDeal(Club(7), Diamond(9)));
        PutCard(Cards.Play1Card1, 0, Heart(8));
        PutCard(Cards.Play1Pile, 0, Spade(9));
        PutCard(Cards.Play2Card1, 0, Spade(10));
        PutCard(Cards.Play2Pile, 0, Spade(11));
        Key(u'1');
        Game->Computer.Tick();
        ASSERT_EQ(Game->Flights.Count(), 2);
        Pass(TFlightPace::PlayMs / 2); // half-way
        ASSERT_EQ(Game->Flights.Count(), 2);
    }

    // While the box is open: both cards lie on their piles, nothing flies,
    // nothing has counted them yet.
    void ExpectLandedAndWaiting()
    {
        EXPECT_FALSE(Game->Flights.InAir());
        EXPECT_EQ(Layer().Count(), 0);
        EXPECT_EQ(TopID(Cards.CardTable1), Heart(8));
        EXPECT_EQ(TopID(Cards.CardTable2), Spade(10));
        EXPECT_FALSE(State.Pile1Busy || State.Pile2Busy);
        EXPECT_EQ(State.UserPlayed, 0);
        EXPECT_EQ(State.ComputerPlayed, 0);
        EXPECT_FALSE(Host.Running);
    }
};

TEST_F(BoxOverTheTable, CardsInTheAirLandBeforeTheBoxAndTheDealGoesOnAfterIt)
{
    struct Case {
        const char* What;
        std::function<void(TSoloGame&)> Open;
    };
    const Case Cases[] = {
        {"Quit game and re-deal? No", [](TSoloGame& G) { G.Flow.Deal(); }},
        {"Quit game and exit? No", [](TSoloGame& G) { EXPECT_FALSE(G.Flow.CloseQuery()); }},
        {"Quit game and race? No", [](TSoloGame& G) { EXPECT_FALSE(G.Flow.AskToLeave(QStringLiteral("Quit game and race?"))); }},
        {"a window over the table", [this](TSoloGame& G) {
             Host.StopComputer();
             G.Flow.OverTheTable([this] { ExpectLandedAndWaiting(); });
             Host.StartComputer();
         }},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        TwoCardsInTheAir();
        int Opened = 0;
        Host.WhileOpen = [&](const QString&) {
            ++Opened;
            ExpectLandedAndWaiting();
        };
        Host.Answers.push_back(false);
        C.Open(*Game);
        Host.WhileOpen = nullptr;
        // After the answer: each landing counted, each refill on its way.
        EXPECT_EQ(State.UserPlayed, 1);
        EXPECT_EQ(State.ComputerPlayed, 1);
        EXPECT_TRUE(Host.Running);
        Drain();
        Pass(1000);
        EXPECT_EQ(SlotID(Cards.Play1Card1), Spade(9));
        EXPECT_EQ(SlotID(Cards.Play2Card1), Spade(11));
        EXPECT_FALSE(Game->Flights.InAir());
        Host.Answers.clear();
    }
}

// Yes: the landings' continuations are dropped with the deal.
TEST_F(BoxOverTheTable, AYesDropsWhatTheLandingsWouldHaveStarted)
{
    TwoCardsInTheAir();
    Host.WhileOpen = [this](const QString&) { ExpectLandedAndWaiting(); };
    Host.Answers.push_back(true);
    EXPECT_TRUE(Game->Flow.AskToLeave(QStringLiteral("Quit game and race?")));
    Game->Flow.Abandon();
    Host.WhileOpen = nullptr;
    EXPECT_FALSE(State.InGame);
    EXPECT_EQ(State.UserPlayed, 0);
    EXPECT_TRUE(Host.Posted.empty());
    Game->Flow.Resume(); // nothing left to resume
    EXPECT_FALSE(Host.Running);
    EXPECT_TRUE(Host.Posted.empty());
    EXPECT_TRUE(Host.HelpMenuEnabled);
    EXPECT_FALSE(Host.PauseButtonVisible);
    EXPECT_EQ(State.Statistics.At(1, State.Level + 1).Played, 1);
    EXPECT_EQ(State.Statistics.At(1, State.Level + 1).Won, 0);
}

// A card that moves while a modal window is up jumps to its place: a
// flight launched under it would hold still until it closes.
TEST_F(BoxOverTheTable, UnderAModalWindowACardJumpsInsteadOfFlying)
{
    TwoCardsInTheAir();
    for (int I = 0; I < 10 && Game->Flights.InAir(); ++I)
        Pass(1000);
    ASSERT_FALSE(Game->Flights.InAir());
    PutCard(Cards.Play1Card2, 0, Heart(9));
    QDialog Modal;
    Modal.setModal(true);
    Modal.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &Modal);
    Key(u'2');
    EXPECT_FALSE(Game->Flights.InAir());
    EXPECT_EQ(TopID(Cards.CardTable1), Heart(9));
    Modal.hide();
}

} // namespace
