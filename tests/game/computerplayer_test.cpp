// The computer's choice of move, its waiting, its last card, and its pace.
#include "game/solo/computerplayer.h"
#include "tests/game/gametesting.h"

namespace {

using namespace gametesting;

class ComputerTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        Open();
    }
};

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
        ClearedDeal(c.centre1, c.centre2);
        TMainForm& F = *form;
        for (int n = 1; n <= 4; ++n)
            if (c.slots[n - 1] > 0)
                PutCard(F.Slot(ComputerSide, n), 0, c.slots[n - 1]);
        F.TimerTimer();
        TLuCardTable* pile = c.ontoOwnPile ? F.CardTable2 : F.CardTable1;
        EXPECT_EQ(TopID(pile), c.slots[c.playedSlot - 1]) << "slot " << c.playedSlot;
        EXPECT_EQ(SlotID(F.Slot(ComputerSide, c.playedSlot)), -1);
        EXPECT_EQ(F.ComputerPlayed, 1);
        EXPECT_EQ(F.UserPlayed, 0) << "no point for a computer move";
        EXPECT_TRUE(sounds.Names().isEmpty()) << "and no sound";
        EXPECT_FALSE(F.Pile1Busy || F.Pile2Busy);
        Drain();
    }
}

TEST_F(ComputerTest, ABusyPileIsPassedOver)
{
    ClearedDeal(Club(7), Diamond(7));
    TMainForm& F = *form;
    PutCard(F.Play2Card1, 0, Heart(8));
    F.Pile2Busy = true;
    F.TimerTimer();
    EXPECT_EQ(TopID(F.CardTable1), Heart(8));
    F.Pile2Busy = false;
}

TEST_F(ComputerTest, WhenOnlyTheUserCanPlayTicksWaitForTheUser)
{
    ClearedDeal(Club(7), Diamond(4));
    TMainForm& F = *form;
    PutCard(F.Play2Card1, 0, Heart(9)); // fits neither the 7 nor the 4
    PutCard(F.Play1Card1, 0, Heart(8));
    PutCard(F.Play1Card2, 0, Spade(3));
    F.ComputerStuck = true;
    for (int i = 0; i < 5; ++i)
        F.TimerTimer();
    EXPECT_EQ(F.ComputerPlayed, 0);
    EXPECT_EQ(SlotID(F.Play2Card1), Heart(9));

    // The user's 8 on the 7 gives the computer's 9 a place.
    QChar key = u'1';
    F.FormKeyPress(key);
    Drain();
    EXPECT_FALSE(F.ComputerStuck);
    F.TimerTimer();
    EXPECT_EQ(TopID(F.CardTable1), Heart(9));
    EXPECT_EQ(F.ComputerPlayed, 1);
}

TEST_F(ComputerTest, ATickAfterAWinMovesNothing)
{
    ClearedDeal(Club(7), Diamond(9));
    TMainForm& F = *form;
    PutCard(F.Play2Card1, 0, Heart(8));
    for (bool* flag : {&F.UserWon, &F.ComputerWon}) {
        *flag = true;
        F.TimerTimer();
        EXPECT_EQ(SlotID(F.Play2Card1), Heart(8));
        *flag = false;
    }
}

TEST_F(ComputerTest, ItsLastCardEndsTheDealAtOnceWithoutARefill)
{
    ClearedDeal(Club(7), Diamond(9));
    TMainForm& F = *form;
    PutCard(F.Play2Card1, 0, Heart(8));
    PutCard(F.Play2Pile, 0, Heart(4));
    F.ComputerPlayed = F.TargetCount - 1;
    F.TimerTimer();
    EXPECT_TRUE(F.ComputerWon);
    EXPECT_EQ(sounds.Names(), QStringList{"YouLost"});
    boxes.Answer(MsgResult::No);
    Drain();
    EXPECT_EQ(SlotID(F.Play2Card1), -1);
    EXPECT_EQ(CardIDs(F.Play2Pile), std::vector<int>{Heart(4)});
    EXPECT_FALSE(F.Timer->isActive());
    EXPECT_EQ(boxes.Texts(), (QStringList{"Click Ok when Ready to Start!", "The Computer Won, Do you want to play again?"}));
}

TEST_F(ComputerTest, SoundsStayQuietWhenTurnedOff)
{
    ClearedDeal(Club(7), Diamond(9));
    TMainForm& F = *form;
    F.SoundsOn = false;
    PutCard(F.Play2Card1, 0, Heart(8));
    PutCard(F.Play1Card1, 0, Heart(10));
    F.ComputerPlayed = F.TargetCount - 1;
    QChar key = u'1';
    F.FormKeyPress(key);
    F.TimerTimer();
    EXPECT_TRUE(sounds.Names().isEmpty());
    boxes.Answer(MsgResult::No);
    Drain();
}

} // namespace
