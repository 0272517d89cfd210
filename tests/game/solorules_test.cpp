// The user's moves, the refills through the way stations, the wait signs and
// the stalemates, on tables laid out card by card.
#include "game/solo/solorules.h"
#include "game/table/image.h"
#include "tests/game/gametesting.h"

#include <QMenu>
#include <QTest>

namespace {

using namespace gametesting;

class RaceRulesTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        Open();
        form->show();
    }

    // A mouse click in the middle of a slot, through the card group.
    static void Click(TLuCardGroup* Slot) { QTest::mouseClick(Slot, Qt::LeftButton, {}, QPoint(35, 48)); }

    void Key(QChar key)
    {
        QChar k = key;
        form->FormKeyPress(k);
    }
};

TEST_F(RaceRulesTest, AClickPlaysOntoTheFirstPileThatFitsAndTheSlotIsRefilledFromThePile)
{
    ClearedDeal(Club(7), Diamond(9));
    TMainForm& F = *form;
    PutCard(F.Play1Card2, 0, Heart(8)); // fits both centre piles
    PutCard(F.Play1Pile, 0, Spade(2));
    PutCard(F.Play1Pile, 1, Spade(10)); // the pile's top card: it fits the 9, so nobody is stuck
    const int scoreBefore = F.Score;

    Click(F.Play1Card2);
    EXPECT_EQ(TopID(F.CardTable1), Heart(8));
    EXPECT_EQ(TopID(F.CardTable2), Diamond(9));
    EXPECT_EQ(F.UserPlayed, 1);
    EXPECT_EQ(F.Score, scoreBefore + 1);
    EXPECT_EQ(F.ScoreLabel->text(), QString::number(F.Score));
    EXPECT_EQ(sounds.Names(), QStringList{"PlayCard"});
    EXPECT_EQ(SlotID(F.Play1Card2), -1); // the refill is posted, not run yet

    Drain();
    EXPECT_EQ(SlotID(F.Play1Card2), Spade(10));
    EXPECT_FALSE(F.Play1Card2->CardAt(0)->ShowBack()) << "a refilled card lies face up";
    EXPECT_EQ(CardIDs(F.Play1Pile), std::vector<int>{Spade(2)});
    EXPECT_EQ(TopID(F.TempTable1), -1) << "the way station hands the card on at once";
    EXPECT_EQ(F.Play1Card2->Table(), F.TempTable1);
}

TEST_F(RaceRulesTest, ABusyPileOrAPileThatDoesNotFitIsPassedOver)
{
    ClearedDeal(Club(7), Diamond(9));
    TMainForm& F = *form;
    PutCard(F.Play1Card1, 0, Heart(8));
    F.Pile1Busy = true;
    Click(F.Play1Card1);
    EXPECT_EQ(TopID(F.CardTable2), Heart(8));
    EXPECT_EQ(TopID(F.CardTable1), Club(7));
    F.Pile1Busy = false;

    // A card that fits neither pile stays, without a sound or a count.
    PutCard(F.Play1Card3, 0, Heart(12));
    sounds.Clear();
    Click(F.Play1Card3);
    EXPECT_EQ(SlotID(F.Play1Card3), Heart(12));
    EXPECT_TRUE(sounds.Names().isEmpty());
    EXPECT_EQ(F.UserPlayed, 1);
}

TEST_F(RaceRulesTest, AnEmptySlotDoesNothingEvenWhenItsLastCardWouldFit)
{
    ClearedDeal(Club(7), Diamond(9));
    TMainForm& F = *form;
    PutCard(F.Play1Card4, 0, Heart(8));
    F.Play1Card4->CardAt(0)->SetEmpty(true); // played: the ID stays behind
    Click(F.Play1Card4);
    Key(u'4');
    EXPECT_EQ(TopID(F.CardTable1), Club(7));
    EXPECT_EQ(F.UserPlayed, 0);
    EXPECT_TRUE(sounds.Names().isEmpty());
}

TEST_F(RaceRulesTest, TheKeysOneToFourPlayTheirSlotsAndOtherKeysNothing)
{
    ClearedDeal(Club(14), Diamond(9));
    TMainForm& F = *form;
    PutCard(F.Play1Card3, 0, Heart(2)); // a two on an ace
    PutCard(F.Play1Card4, 0, Spade(10));
    for (const QChar other : {u'5', u'0', u'a', u' ', u'1'})
        Key(other);
    EXPECT_EQ(F.UserPlayed, 0);

    Key(u'3');
    EXPECT_EQ(TopID(F.CardTable1), Heart(2));
    EXPECT_EQ(SlotID(F.Play1Card3), -1) << "the key plays at once";
    Key(u'4');
    EXPECT_EQ(TopID(F.CardTable2), Spade(10));
    EXPECT_EQ(F.UserPlayed, 2);
    EXPECT_EQ(sounds.Names(), (QStringList{"PlayCard", "PlayCard"}));
    EXPECT_FALSE(F.Pile1Busy || F.Pile2Busy);
}

TEST_F(RaceRulesTest, TheUsersLastCardWinsAndPostsTheEndInsteadOfARefill)
{
    ClearedDeal(Club(7), Diamond(9));
    TMainForm& F = *form;
    PutCard(F.Play1Card1, 0, Heart(6));
    PutCard(F.Play1Pile, 0, Spade(4));
    F.UserPlayed = F.TargetCount - 1;
    boxes.Answer(MsgResult::No); // "You Won, ..."
    DismissNextDialog();          // no name wanted
    Key(u'1');
    EXPECT_TRUE(F.UserWon);
    EXPECT_EQ(sounds.Names(), (QStringList{"PlayCard", "YouWon"}));
    Drain();
    EXPECT_EQ(SlotID(F.Play1Card1), -1) << "no refill follows the winning card";
    EXPECT_EQ(boxes.Texts().back(), "You Won, Do you want to play again?");
}

TEST_F(RaceRulesTest, WaitSignsShowWhoCannotPlay)
{
    ClearedDeal(Club(7), Diamond(9));
    TMainForm& F = *form;
    PutCard(F.Play1Card4, 0, Heart(10)); // fits the 9
    PutCard(F.Play2Card2, 0, Heart(4));  // fits nothing
    EXPECT_TRUE(F.SideCanPlay(UserSide));
    EXPECT_FALSE(F.WaitSign1->isVisible());
    EXPECT_FALSE(F.SideCanPlay(ComputerSide));
    EXPECT_TRUE(F.WaitSign2->isVisible());
    PutCard(F.Play2Card3, 0, Club(13)); // a king on nothing, but an ace...
    PutTop(F.CardTable1, Diamond(14));
    EXPECT_TRUE(F.SideCanPlay(ComputerSide));
    EXPECT_FALSE(F.WaitSign2->isVisible());
}

TEST_F(RaceRulesTest, ARefillThatLeavesBothStuckTurnsNewCentreCards)
{
    ClearedDeal(Club(7), Diamond(9));
    TMainForm& F = *form;
    PutCard(F.Play1Card1, 0, Heart(8));
    PutCard(F.Play1Pile, 0, Spade(5)); // turned onto CardTable1 by the stalemate
    PutCard(F.Play1Pile, 1, Club(13)); // refills slot 1: fits nothing after the 8
    PutCard(F.Play2Card1, 0, Heart(2));
    PutCard(F.Play2Pile, 0, Diamond(12)); // turned onto CardTable2: the king fits it
    Key(u'1');
    sounds.Clear();
    Drain();
    EXPECT_EQ(SlotID(F.Play1Card1), Club(13));
    EXPECT_EQ(TopID(F.CardTable1), Spade(5));
    EXPECT_EQ(TopID(F.CardTable2), Diamond(12));
    EXPECT_EQ(sounds.Names(), QStringList{"NoPlay"});
    EXPECT_EQ(F.UserPlayed, 2);     // the card and the pass
    EXPECT_EQ(F.ComputerPlayed, 1); // the pass
    EXPECT_FALSE(F.UserStuck);
    EXPECT_TRUE(F.ComputerStuck);
    EXPECT_TRUE(F.WaitSign2->isVisible());
    EXPECT_FALSE(F.WaitSign1->isVisible());
    EXPECT_EQ(F.Play1Pile->Table(), F.TempTable1);
    EXPECT_EQ(F.Play2Pile->Table(), F.TempTable2);
    EXPECT_TRUE(F.Timer->isActive());
}

TEST_F(RaceRulesTest, AStalemateTurnsHandCardsFromAnEmptyPileAndCountsASideWithNothing)
{
    ClearedDeal(Club(7), Diamond(9));
    TMainForm& F = *form;
    // The user has only a hand card in slot 3; the computer has nothing at all.
    PutCard(F.Play1Card3, 0, Heart(11));
    PutCard(F.Play1Card4, 0, Heart(12));
    F.Timer->start();
    F.Stalemate();
    EXPECT_EQ(TopID(F.CardTable1), Heart(11)) << "the first slot holding a card turns";
    EXPECT_EQ(SlotID(F.Play1Card3), -1);
    EXPECT_EQ(SlotID(F.Play1Card4), Heart(12)) << "it fits the jack now, so the loop ends";
    EXPECT_EQ(TopID(F.CardTable2), Diamond(9));
    EXPECT_EQ(F.UserPlayed, 1);
    EXPECT_EQ(F.ComputerPlayed, 1);
    EXPECT_FALSE(F.UserStuck);
    EXPECT_TRUE(F.ComputerStuck);
    EXPECT_TRUE(F.Timer->isActive());
}

TEST_F(RaceRulesTest, StalematePassesGoOnPastTheTargetAndCanMakeBothSidesWin)
{
    ClearedDeal(Club(7), Diamond(7));
    TMainForm& F = *form;
    // Piles whose cards never fit the hands: every pass leaves both stuck.
    for (int i = 0; i < 4; ++i) {
        PutCard(F.Play1Pile, i, Club(12));
        PutCard(F.Play2Pile, i, Diamond(12));
    }
    PutCard(F.Play1Card1, 0, Heart(3));
    PutCard(F.Play2Card1, 0, Spade(3));
    F.UserPlayed = F.TargetCount - 2;
    F.ComputerPlayed = F.TargetCount - 1;
    F.Timer->start();
    F.Stalemate();
    EXPECT_EQ(F.UserPlayed, F.TargetCount + 2) << "four passes, until the piles ran out";
    EXPECT_EQ(F.ComputerPlayed, F.TargetCount + 3);
    EXPECT_TRUE(F.UserWon);
    EXPECT_TRUE(F.ComputerWon);
    EXPECT_FALSE(F.Timer->isActive());
    EXPECT_EQ(sounds.Names(), (QStringList{"NoPlay", "YouWon"}));
    EXPECT_EQ(F.Play1Pile->Table(), F.TempTable1) << "a won deal still leaves the piles refilling the hands";
    EXPECT_EQ(F.Play2Pile->Table(), F.TempTable2);

    // Both flags: the user is the winner, with a bonus term of zero or less.
    const int before = F.Score;
    boxes.Answer(MsgResult::No);
    DismissNextDialog();
    Drain();
    EXPECT_EQ(boxes.Texts().at(boxes.Texts().size() - 1).left(8), "You Won,");
    EXPECT_EQ(F.Score, before + 300 + 100 * (F.TargetCount - (F.TargetCount + 3)) + 1);
    EXPECT_FALSE(F.UserWon || F.ComputerWon);
}

TEST_F(RaceRulesTest, BothPilesEmptyAndBothStuckTurnOneHandCardPerTick)
{
    ClearedDeal(Club(7), Diamond(7));
    TMainForm& F = *form;
    PutCard(F.Play1Card1, 0, Heart(3));
    PutCard(F.Play1Card2, 0, Heart(4));
    PutCard(F.Play2Card1, 0, Spade(3));
    F.Stalemate(); // one pass turns a hand card each: 3 on 7 and 3 on 7, then 4 fits 3
    EXPECT_EQ(TopID(F.CardTable1), Heart(3));
    EXPECT_EQ(TopID(F.CardTable2), Spade(3));
    EXPECT_FALSE(F.UserStuck);
    EXPECT_TRUE(F.Timer->isActive());
}

TEST_F(RaceRulesTest, AfterALostDealTheRemainingCardsStillPlayAndScoreButDecideNothing)
{
    ClearedDeal(Club(7), Diamond(9));
    TMainForm& F = *form;
    PutCard(F.Play1Card1, 0, Heart(8));
    PutCard(F.Play1Card2, 0, Heart(9));
    PutCard(F.Play2Card1, 0, Spade(10));
    F.ComputerPlayed = F.TargetCount - 1;
    F.UserPlayed = F.TargetCount - 1;
    F.TimerTimer(); // the computer's last card
    EXPECT_TRUE(F.ComputerWon);
    boxes.Answer(MsgResult::No); // "The Computer Won, ..." : no new deal
    Drain();
    EXPECT_EQ(boxes.Texts().back(), "The Computer Won, Do you want to play again?");
    EXPECT_FALSE(F.InGame);
    EXPECT_TRUE(F.HelpMenu->menuAction()->isEnabled());

    const int before = F.Score;
    Key(u'1');
    Drain();
    EXPECT_EQ(TopID(F.CardTable1), Heart(8));
    EXPECT_EQ(F.Score, before + 1);
    EXPECT_FALSE(F.UserWon) << "the deal already has its winner";
    EXPECT_FALSE(F.Timer->isActive());
    Key(u'2');
    Drain();
    EXPECT_EQ(F.UserPlayed, F.TargetCount + 1);
    EXPECT_FALSE(F.Timer->isActive()) << "a finished deal does not start the computer again";
}

} // namespace
