// The race with its cards in the air: what holds between a card's take-off
// and its landing, on a stand-in host with the flights' time moved by the
// test.
#include "cardlib/luflightlayer.h"
#include "tests/game/flyingrace.h"

#include <QImage>

namespace {

using namespace gametesting;

TEST_F(FlyingRace, APlayedCardIsInTheAirUntilItLandsAndOnlyThenCountsAndRefills)
{
    ClearedDeal(Club(7), Diamond(9));
    PutCard(Cards.Play1Card2, 0, Heart(8));
    PutCard(Cards.Play1Pile, 0, Spade(5));
    PutCard(Cards.Play2Card1, 0, Spade(10)); // the computer can play: no stalemate

    Key(u'2');
    // Take-off: the slot is empty, the card is the flight's, the pile is busy
    // and shows its old top; the sound is the key's, the count waits.
    EXPECT_EQ(SlotID(Cards.Play1Card2), -1);
    EXPECT_EQ(TopID(Cards.CardTable1), Club(7));
    EXPECT_TRUE(State.Pile1Busy);
    EXPECT_FALSE(State.Pile2Busy);
    ASSERT_EQ(Game->Flights.CardsInAir().size(), 1u);
    EXPECT_EQ(Game->Flights.CardsInAir()[0].ID, Heart(8));
    EXPECT_EQ(Host.Sounds, QStringList{"PlayCard"});
    EXPECT_EQ(State.UserPlayed, 0);
    EXPECT_TRUE(Host.Posted.empty());

    Pass(TFlightPace::PlayMs - 1);
    EXPECT_TRUE(State.Pile1Busy) << "still on its way";
    Pass(1);
    // Landing: on the pile, the flag free, counted, its refill asked for.
    EXPECT_EQ(TopID(Cards.CardTable1), Heart(8));
    EXPECT_FALSE(State.Pile1Busy);
    EXPECT_EQ(State.UserPlayed, 1);
    EXPECT_EQ(Host.ShownScore, State.Score);

    // The refill is in the air: the slot takes no key until it lands.
    ASSERT_TRUE(Game->Flights.Bound(Cards.Play1Card2));
    EXPECT_EQ(SlotID(Cards.Play1Card2), -1);
    EXPECT_EQ(CardIDs(Cards.Play1Pile), std::vector<int>{});
    Key(u'2');
    EXPECT_EQ(Game->Flights.Count(), 1);
    Pass(TFlightPace::RefillMs);
    EXPECT_EQ(SlotID(Cards.Play1Card2), Spade(5));
    EXPECT_FALSE(Game->Flights.InAir());
    EXPECT_FALSE(Layer().Ticking());
}

TEST_F(FlyingRace, BothSidesFlyAtOnceOntoDifferentPilesAndABusyPileWaits)
{
    ClearedDeal(Club(7), Diamond(9));
    PutCard(Cards.Play1Card1, 0, Heart(8)); // fits both: goes left
    PutCard(Cards.Play2Card1, 0, Spade(6)); // fits only the left pile
    PutCard(Cards.Play2Card2, 0, Spade(10)); // fits the right pile
    PutCard(Cards.Play1Card2, 0, Club(9));   // keeps the user playable: no stalemate

    Key(u'1');
    ASSERT_TRUE(State.Pile1Busy);
    // Its own pile (the right) first: the 10 goes while the 8 is in the air.
    Game->Computer.Tick();
    EXPECT_TRUE(State.Pile2Busy);
    EXPECT_EQ(Game->Flights.Count(), 2);
    // Nothing is left that fits a free pile: the next tick waits.
    Game->Computer.Tick();
    EXPECT_EQ(Game->Flights.Count(), 2);
    EXPECT_EQ(SlotID(Cards.Play2Card1), Spade(6));

    Pass(TFlightPace::PlayMs);
    EXPECT_EQ(TopID(Cards.CardTable1), Heart(8));
    EXPECT_EQ(TopID(Cards.CardTable2), Spade(10));
    EXPECT_FALSE(State.Pile1Busy || State.Pile2Busy);
    EXPECT_EQ(State.UserPlayed, 1);
    EXPECT_EQ(State.ComputerPlayed, 1);
}

TEST_F(FlyingRace, TheDealEndsOnlyWhenItsLastCardHasLanded)
{
    ClearedDeal(Club(7), Diamond(9));
    PutCard(Cards.Play1Card1, 0, Heart(8));
    PutCard(Cards.Play2Card1, 0, Spade(10));
    PutCard(Cards.Play2Card2, 0, Spade(3));
    State.UserPlayed = State.TargetCount - 1;
    State.ComputerPlayed = State.TargetCount - 1;
    Host.Running = true;

    Game->Computer.Tick(); // the computer's last card leaves first...
    Pass(TFlightPace::PlayMs / 2);
    Key(u'1'); // ...and the user's last one after it
    Pass(TFlightPace::PlayMs / 2);
    // The computer's card lands first and wins; the user's is still in the air.
    EXPECT_TRUE(State.ComputerWon);
    ASSERT_TRUE(Game->Flights.InAir());
    EXPECT_TRUE(Host.Boxes.empty()) << "no question while a card is in the air";
    EXPECT_TRUE(State.InGame);

    Host.Answers = {false};
    Pass(TFlightPace::PlayMs);
    ASSERT_EQ(Host.Boxes.size(), 1u);
    EXPECT_EQ(Host.Boxes[0].Text, "The Computer Won, Do you want to play again?");
    EXPECT_FALSE(State.InGame);
    EXPECT_EQ(TopID(Cards.CardTable1), Heart(8)) << "the user's last card landed and was counted";
    EXPECT_EQ(State.UserPlayed, State.TargetCount);
}

TEST_F(FlyingRace, AStalemateFliesRoundByRoundWithBothPilesBusyAndTheComputerStopped)
{
    ClearedDeal(Club(7), Diamond(7));
    PutCard(Cards.Play1Card1, 0, Heart(3));
    PutCard(Cards.Play1Pile, 0, Club(4));   // second round: the user's 3 fits
    PutCard(Cards.Play1Pile, 1, Club(12));  // first round: fits nothing
    PutCard(Cards.Play2Card1, 0, Spade(3));
    PutCard(Cards.Play2Pile, 0, Diamond(10));
    PutCard(Cards.Play2Pile, 1, Diamond(12));
    State.UserStuck = State.ComputerStuck = true;
    Host.Running = true;

    Game->Computer.Tick();
    EXPECT_FALSE(Host.Running);
    EXPECT_TRUE(State.Pile1Busy && State.Pile2Busy);
    EXPECT_EQ(Game->Flights.Count(), 2);
    Key(u'1'); // plays nothing: both piles are busy
    EXPECT_EQ(SlotID(Cards.Play1Card1), Heart(3));

    Pass(TFlightPace::TurnMs);
    EXPECT_EQ(TopID(Cards.CardTable1), Club(12));
    EXPECT_EQ(State.UserPlayed, 1);
    EXPECT_EQ(Game->Flights.Count(), 2) << "both still stuck: the next round is in the air";
    EXPECT_FALSE(Host.Running);

    Pass(TFlightPace::TurnMs);
    EXPECT_EQ(TopID(Cards.CardTable1), Club(4));
    EXPECT_EQ(TopID(Cards.CardTable2), Diamond(10));
    EXPECT_EQ(State.UserPlayed, 2);
    EXPECT_EQ(State.ComputerPlayed, 2);
    EXPECT_FALSE(State.UserStuck);
    EXPECT_FALSE(Game->Flights.InAir());
    EXPECT_TRUE(Host.Running);
}

TEST_F(FlyingRace, TheDealsCardsArriveFromTheDeckBeforeTheStartBox)
{
    Game->Flow.Deal();
    // Every dealt place shows empty; the cards are the flights'.
    for (const int Side : {UserSide, ComputerSide}) {
        EXPECT_TRUE(CardIDs(Cards.Pile(Side)).empty());
        for (TLuCardGroup* Slot : Cards.Slots(Side))
            EXPECT_EQ(SlotID(Slot), -1);
    }
    EXPECT_EQ(static_cast<int>(Game->Flights.CardsInAir().size()), 2 * State.TargetCount);
    EXPECT_TRUE(Host.Boxes.empty());
    EXPECT_FALSE(Host.Running);

    // Hand cards that have landed wait for the start box.
    int Elapsed = 0;
    while (SlotID(Cards.Play1Card1) == -1 && Elapsed < 2000) {
        Pass(8);
        Elapsed += 8;
    }
    ASSERT_TRUE(Game->Flights.InAir());
    Key(u'1');
    EXPECT_EQ(State.UserPlayed, 0);
    EXPECT_FALSE(State.Pile1Busy || State.Pile2Busy);

    while (Game->Flights.InAir() && Elapsed < 2000) {
        Pass(8);
        Elapsed += 8;
    }
    EXPECT_LT(Elapsed, 1000) << "the whole deal well under a second";
    ASSERT_EQ(Host.Boxes.size(), 1u);
    EXPECT_EQ(Host.Boxes[0].Text, "Click Ok when Ready to Start!");
    EXPECT_TRUE(State.InGame);
    EXPECT_TRUE(Host.Running);
    for (const int Side : {UserSide, ComputerSide}) {
        EXPECT_EQ(static_cast<int>(CardIDs(Cards.Pile(Side)).size()) + 4, State.TargetCount);
        EXPECT_EQ(Cards.Pile(Side)->Table(), Cards.TempTable(Side));
    }
}

// The deal found to open with both sides stuck: its stalemate flies after
// the start box, and the computer starts only once the stalemate's cards lie.
TEST_F(FlyingRace, ADealThatOpensStuckStartsTheComputerOnlyAfterItsStalemate)
{
    testing_support::SteppingClock Clock{QDateTime(QDate(2026, 12, 10), QTime(13, 0, 0, 22), Qt::UTC)};
    Game->Flow.Deal();
    for (int I = 0; I < 100 && Host.Boxes.empty(); ++I)
        Pass(16);
    ASSERT_EQ(Host.Boxes.size(), 1u);
    EXPECT_EQ(Host.Sounds, QStringList{"NoPlay"});
    EXPECT_TRUE(State.Pile1Busy && State.Pile2Busy);
    EXPECT_FALSE(Host.Running) << "no tick while the stalemate's cards fly";
    Pass(TFlightPace::TurnMs);
    EXPECT_EQ(TopID(Cards.CardTable1), Club(9));
    EXPECT_EQ(TopID(Cards.CardTable2), Club(14));
    EXPECT_EQ(State.UserPlayed, 1);
    EXPECT_TRUE(Host.Running);
    EXPECT_TRUE(Host.PauseButtonVisible);
}

// A new deal or the window's close while cards are in the air: each card
// lies where it was going, no continuation runs, nothing stays on the layer.
TEST_F(FlyingRace, ANewDealOrACloseWhileCardsAreInTheAirSettlesThem)
{
    for (const bool Close : {false, true}) {
        SCOPED_TRACE(Close ? "close" : "new deal");
        ClearedDeal(Club(7), Diamond(9));
        PutCard(Cards.Play1Card1, 0, Heart(8));
        PutCard(Cards.Play2Card1, 0, Spade(10));
        Key(u'1');
        Game->Computer.Tick();
        ASSERT_EQ(Game->Flights.Count(), 2);
        const int Played = State.UserPlayed;

        Host.Answers = {true};
        if (Close) {
            EXPECT_TRUE(Game->Flow.CloseQuery());
        } else {
            Game->Flow.Deal();
        }
        if (Close) {
            EXPECT_FALSE(Game->Flights.InAir());
            EXPECT_EQ(TopID(Cards.CardTable1), Heart(8));
            EXPECT_EQ(TopID(Cards.CardTable2), Spade(10));
            EXPECT_EQ(State.UserPlayed, Played) << "a settled card is not counted";
            EXPECT_TRUE(Host.Posted.empty());
        } else {
            // Only the new deal's cards are in the air.
            for (const auto& Card : Game->Flights.CardsInAir())
                EXPECT_EQ(Card.From, nullptr);
        }
        EXPECT_FALSE(State.Pile1Busy || State.Pile2Busy);
        Pass(1000);
        Host.Boxes.clear();
        Host.Answers.clear();
    }
    // The flights of the layer are the game's, and none is left.
    Game->Flights.Settle();
    EXPECT_EQ(Layer().Count(), 0);
}

TEST_F(FlyingRace, WithTheSwitchOffNothingFliesAndNoTimerRuns)
{
    State.AnimateCards = false;
    Game->Flow.Deal();
    Drain();
    EXPECT_TRUE(State.InGame);
    ClearTable(State, Cards, Club(7), Diamond(9));
    PutCard(Cards.Play1Card1, 0, Heart(8));
    Key(u'1');
    EXPECT_EQ(TopID(Cards.CardTable1), Heart(8));
    EXPECT_FALSE(Game->Flights.InAir());
    EXPECT_EQ(Cards.CardTable1->parentWidget()->findChild<TLuFlightLayer*>(), nullptr)
        << "no layer is even made";
}

// What the table shows while a card passes: the card in the air over the
// controls, its slot already empty, the pile's old top still there.
TEST_F(FlyingRace, ACardInTheAirIsDrawnOverTheTableAndLandsExactlyInItsPlace)
{
    ClearedDeal(Club(7), Diamond(9));
    PutCard(Cards.Play1Card1, 0, Heart(8));
    table.show();
    const auto Shown = [this] {
        QImage Image(table.size(), QImage::Format_ARGB32_Premultiplied);
        Image.fill(Qt::black);
        table.render(&Image);
        return Image;
    };
    const QImage Before = Shown();
    const QPoint Slot = Cards.Play1Card1->CardAt(0)->ParentPos();
    const QPoint Pile = Cards.CardTable1->WindowPlace(TLuCardTable::PosTop);

    Key(u'1');
    Pass(TFlightPace::PlayMs / 2);
    const QPoint At = Layer().Position(Layer().Flights().front());
    // Part-way, on the straight line between the two places.
    EXPECT_GT((At - Slot).manhattanLength(), 0);
    EXPECT_GT((Pile - At).manhattanLength(), 0);
    const QPoint Way = Pile - Slot;
    const QPoint Gone = At - Slot;
    EXPECT_LE(std::abs(Way.x() * Gone.y() - Way.y() * Gone.x()), std::abs(Way.x()) + std::abs(Way.y()));
    const QImage During = Shown();
    // The card's middle is drawn where the flight is, as it looks in the slot.
    const QPoint Middle(35, 48);
    EXPECT_EQ(During.pixel(At + Middle), Before.pixel(Slot + Middle));
    // The slot shows empty (the table's colour under it is not the card's).
    EXPECT_NE(During.pixel(Slot + QPoint(5, 5)), Before.pixel(Slot + QPoint(5, 5)));

    Pass(TFlightPace::PlayMs);
    const QImage After = Shown();
    EXPECT_EQ(After.copy(QRect(Pile, QSize(71, 96))), Before.copy(QRect(Slot, QSize(71, 96))))
        << "the landed card shows exactly as it did in the slot";
}

} // namespace
