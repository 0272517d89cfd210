// The computer's choice of move on the table, its waiting, its last card,
// and its sounds, on the stand-in host: none of it needs a window. Which
// move comes first is the rules' (tests/core/moves_test.cpp); here the move
// is made on the cards, counted and followed by what it leads to.
#include "game/solo/computerplayer.h"
#include "tests/game/fakehost.h"

namespace {

using namespace gametesting;

using ComputerTest = RaceGameTest;

TEST_F(ComputerTest, ItPrefersItsOwnPileWithAnySlotBeforeTheUsersPile)
{
    const struct {
        int centre1, centre2;
        int slots[4];
        int playedSlot; // 1..4
        bool ontoOwnPile;
    } cases[] = {
        // 9 on its own pile, 4 on the user's: the 10 in slot 4 beats the 5 in slot 1.
        {Club(4), Club(9), {Heart(5), Heart(12), Spade(12), Heart(10)}, 4, true},
        // Both piles fit only slot 2: its own pile.
        {Club(7), Diamond(7), {Heart(2), Heart(8), Spade(12), Heart(11)}, 2, true},
        // Nothing fits its own pile: the first slot that fits the user's.
        {Club(14), Diamond(5), {Heart(9), Heart(13), Spade(2), Heart(10)}, 2, false},
        // Empty slots are passed over.
        {Club(3), Diamond(10), {-1, -1, Spade(9), Heart(4)}, 3, true},
    };
    for (const auto& c : cases) {
        if (&c != &cases[0])
            Host.Answers = {true}; // "Quit game and re-deal?"
        ClearedDeal(c.centre1, c.centre2);
        for (int n = 1; n <= 4; ++n)
            if (c.slots[n - 1] > 0)
                PutCard(Cards.Slot(ComputerSide, n), 0, c.slots[n - 1]);
        Game->Computer.Tick();
        TLuCardTable* pile = c.ontoOwnPile ? Cards.CardTable2 : Cards.CardTable1;
        EXPECT_EQ(TopID(pile), c.slots[c.playedSlot - 1]) << "slot " << c.playedSlot;
        EXPECT_EQ(SlotID(Cards.Slot(ComputerSide, c.playedSlot)), -1);
        EXPECT_EQ(State.ComputerPlayed, 1);
        EXPECT_EQ(State.UserPlayed, 0) << "no point for a computer move";
        EXPECT_TRUE(Host.Sounds.isEmpty()) << "and no sound";
        EXPECT_FALSE(State.Pile1Busy || State.Pile2Busy);
        ASSERT_EQ(Host.Posted.size(), 1u);
        EXPECT_EQ(Host.Posted.front(), std::make_pair(MsgRefillComputer, c.playedSlot));
        Drain();
    }
}

TEST_F(ComputerTest, ABusyPileIsPassedOver)
{
    ClearedDeal(Club(7), Diamond(7));
    PutCard(Cards.Play2Card1, 0, Heart(8));
    State.Pile2Busy = true;
    Game->Computer.Tick();
    EXPECT_EQ(TopID(Cards.CardTable1), Heart(8));
    State.Pile2Busy = false;
}

TEST_F(ComputerTest, WhenOnlyTheUserCanPlayTicksWaitForTheUser)
{
    ClearedDeal(Club(7), Diamond(4));
    PutCard(Cards.Play2Card1, 0, Heart(9)); // fits neither the 7 nor the 4
    PutCard(Cards.Play1Card1, 0, Heart(8));
    PutCard(Cards.Play1Card2, 0, Spade(3));
    State.ComputerStuck = true;
    for (int i = 0; i < 5; ++i)
        Game->Computer.Tick();
    EXPECT_EQ(State.ComputerPlayed, 0);
    EXPECT_EQ(SlotID(Cards.Play2Card1), Heart(9));

    // The user's 8 on the 7 gives the computer's 9 a place.
    Key(u'1');
    Drain();
    EXPECT_FALSE(State.ComputerStuck);
    EXPECT_FALSE(Host.WaitSign[ComputerSide]);
    Game->Computer.Tick();
    EXPECT_EQ(TopID(Cards.CardTable1), Heart(9));
    EXPECT_EQ(State.ComputerPlayed, 1);
}

TEST_F(ComputerTest, ATickAfterAWinMovesNothing)
{
    ClearedDeal(Club(7), Diamond(9));
    PutCard(Cards.Play2Card1, 0, Heart(8));
    for (bool* flag : {&State.UserWon, &State.ComputerWon}) {
        *flag = true;
        Game->Computer.Tick();
        EXPECT_EQ(SlotID(Cards.Play2Card1), Heart(8));
        *flag = false;
    }
}

TEST_F(ComputerTest, ItsLastCardEndsTheDealAtOnceWithoutARefill)
{
    ClearedDeal(Club(7), Diamond(9));
    PutCard(Cards.Play2Card1, 0, Heart(8));
    PutCard(Cards.Play2Pile, 0, Heart(4));
    State.ComputerPlayed = State.TargetCount - 1;
    Host.Running = true;
    Game->Computer.Tick();
    EXPECT_TRUE(State.ComputerWon);
    EXPECT_EQ(Host.Sounds, QStringList{"YouLost"});
    Host.Answers = {false};
    Drain();
    EXPECT_EQ(SlotID(Cards.Play2Card1), -1);
    EXPECT_EQ(CardIDs(Cards.Play2Pile), std::vector<int>{Heart(4)});
    EXPECT_FALSE(Host.Running);
    ASSERT_EQ(Host.Boxes.size(), 1u);
    EXPECT_EQ(Host.Boxes[0].Text, "The Computer Won, Do you want to play again?");
}

TEST_F(ComputerTest, SoundsStayQuietWhenTurnedOff)
{
    ClearedDeal(Club(7), Diamond(9));
    State.SoundsOn = false;
    PutCard(Cards.Play2Card1, 0, Heart(8));
    PutCard(Cards.Play1Card1, 0, Heart(10));
    State.ComputerPlayed = State.TargetCount - 1;
    Key(u'1');
    Game->Computer.Tick();
    EXPECT_TRUE(State.ComputerWon);
    EXPECT_TRUE(Host.Sounds.isEmpty());
    Host.Answers = {false};
    Drain();
}

} // namespace
