// The race on a stand-in host, with no window: the paths where what the race
// asks of its host, and in which order, is the point.
#include "core/scoring.h"
#include "tests/game/fakehost.h"
#include "tests/game/gametesting.h"

#include <stdexcept>

namespace {

using namespace gametesting;

using RaceOnFakeHost = RaceGameTest;

TEST_F(RaceOnFakeHost, ATickWithBothSidesStuckTurnsNewCentreCardsAndThenStillMovesTheComputer)
{
    ClearedDeal(Club(7), Diamond(7));
    PutCard(Cards.Play1Card1, 0, Heart(3));   // fits no 7
    PutCard(Cards.Play1Pile, 0, Club(10));    // turned onto the left pile
    PutCard(Cards.Play2Card1, 0, Spade(9));   // fits no 7, but the 10
    PutCard(Cards.Play2Pile, 0, Diamond(2));  // turned onto the right pile: the user's 3 fits it
    State.UserStuck = State.ComputerStuck = true;

    Game->Computer.Tick();
    EXPECT_EQ(TopID(Cards.CardTable2), Diamond(2));
    EXPECT_EQ(TopID(Cards.CardTable1), Spade(9)) << "the same tick plays the 9 onto the 10";
    EXPECT_EQ(SlotID(Cards.Play2Card1), -1);
    EXPECT_EQ(State.UserPlayed, 1);     // the pass
    EXPECT_EQ(State.ComputerPlayed, 2); // the pass and the 9
    EXPECT_EQ(Host.Sounds, QStringList{"NoPlay"});
    EXPECT_TRUE(Host.Running);
    ASSERT_EQ(Host.Posted.size(), 1u);
    EXPECT_EQ(Host.Posted.front(), std::make_pair(MsgRefillComputer, 1));
}

TEST_F(RaceOnFakeHost, APlayThatThrowsLeavesItsPileFree)
{
    ClearedDeal(Club(7), Diamond(9));
    PutCard(Cards.Play1Card1, 0, Heart(8)); // fits the left pile first
    Host.OnSound = [](const char*) { throw std::runtime_error("no sound device"); };
    EXPECT_THROW(Key(u'1'), std::runtime_error);
    EXPECT_FALSE(State.Pile1Busy);
    EXPECT_FALSE(State.Pile2Busy);

    // The pile still takes the card once the play goes through.
    Host.OnSound = nullptr;
    Key(u'1');
    EXPECT_EQ(TopID(Cards.CardTable1), Heart(8));
    EXPECT_EQ(State.UserPlayed, 1);
}

TEST_F(RaceOnFakeHost, AfterAStalemateEndsTheDealTheUsersRefillStillComesFromThePileIntoTheSlot)
{
    ClearedDeal(Club(7), Diamond(7));
    PutCard(Cards.Play1Card1, 0, Heart(3));
    PutCard(Cards.Play1Pile, 0, Spade(9));  // left for the refill
    PutCard(Cards.Play1Pile, 1, Club(4));   // turned: the user's 3 fits it
    PutCard(Cards.Play2Card1, 0, Spade(3));
    PutCard(Cards.Play2Pile, 0, Diamond(12));
    State.UserStuck = State.ComputerStuck = true;
    State.ComputerPlayed = State.TargetCount - 1; // the pass is its last count
    Host.Running = true;

    Game->Rules.Stalemate();
    EXPECT_TRUE(State.ComputerWon);
    EXPECT_FALSE(Host.Running);
    EXPECT_EQ(Cards.Play1Pile->Table(), Cards.TempTable1);
    EXPECT_EQ(Cards.Play2Pile->Table(), Cards.TempTable2);
    Host.Answers = {false}; // no new deal
    Drain();
    ASSERT_EQ(Host.Boxes.size(), 1u);
    EXPECT_EQ(Host.Boxes[0].Text, "The Computer Won, Do you want to play again?");
    EXPECT_FALSE(State.InGame);

    Key(u'1'); // the 3 onto the 4, after the deal
    Drain();
    EXPECT_EQ(SlotID(Cards.Play1Card1), Spade(9)) << "the refill reaches the slot";
    EXPECT_FALSE(Cards.Play1Card1->CardAt(0)->ShowBack());
    EXPECT_TRUE(CardIDs(Cards.Play1Pile).empty());
    const std::vector<std::int32_t>& Laid = Cards.CardTable1->PlayedCards();
    ASSERT_GE(Laid.size(), 3u);
    EXPECT_EQ(std::vector<std::int32_t>(Laid.end() - 3, Laid.end()), (std::vector<std::int32_t>{Club(7), Club(4), Heart(3)}))
        << "nothing of the pile lands on a centre pile";
    EXPECT_EQ(TopID(Cards.CardTable2), Diamond(12));
    EXPECT_EQ(TopID(Cards.TempTable1), -1);
    EXPECT_FALSE(Host.Running);
}

// One stalemate round can bring both sides to their target at once: the
// user's cards count first, so the deal is the user's, scored and counted
// as a win with nothing left of the computer's.
TEST_F(RaceOnFakeHost, BothSidesReachingTheTargetInOneStalemateIsTheUsersWin)
{
    ClearedDeal(Club(7), Diamond(7));
    PutCard(Cards.Play1Pile, 0, Heart(3)); // each side's last card, turned
    PutCard(Cards.Play2Pile, 0, Spade(3));
    State.UserPlayed = State.ComputerPlayed = State.TargetCount - 1;
    State.UserStuck = State.ComputerStuck = true;
    const std::int32_t ScoreBefore = State.Score;
    const TStatisticsRecord Before = State.Statistics.At(State.Decks, State.Level + 1);

    Game->Rules.Stalemate();
    EXPECT_TRUE(State.UserWon);
    EXPECT_TRUE(State.ComputerWon);
    EXPECT_EQ(Host.Sounds, (QStringList{"NoPlay", "YouWon"}));

    Host.Answers = {false};
    Drain();
    ASSERT_EQ(Host.Boxes.size(), 1u);
    EXPECT_EQ(Host.Boxes[0].Text, "You Won, Do you want to play again?");
    // The pass, the level's bonus with no card of the computer's left, and
    // the win's own point.
    EXPECT_EQ(State.Score, ScoreBefore + 1 + core::LevelBonus(State.Level) + 1);
    EXPECT_EQ(Host.HallOfFameOffers, 1);
    const TStatisticsRecord& After = State.Statistics.At(State.Decks, State.Level + 1);
    EXPECT_EQ(After.Played, Before.Played + 1);
    EXPECT_EQ(After.Won, Before.Won + 1);
    EXPECT_FALSE(State.InGame);
    EXPECT_FALSE(State.UserWon || State.ComputerWon);
}

// A clock starting at 13:00:00.022 deals two hands that fit neither centre
// card: the deal opens with a stalemate pass (found by trying start times).
TEST_F(RaceOnFakeHost, ADealThatLeavesBothSidesStuckOpensWithAStalemate)
{
    testing_support::SteppingClock Clock{QDateTime(QDate(2026, 12, 10), QTime(13, 0, 0, 22), Qt::UTC)};
    Game->Flow.Deal();
    ASSERT_EQ(Host.Boxes.size(), 1u);
    EXPECT_EQ(Host.Boxes[0].Text, "Click Ok when Ready to Start!");
    EXPECT_FALSE(Host.Boxes[0].ComputerRunning);
    EXPECT_EQ(Host.Sounds, QStringList{"NoPlay"});
    EXPECT_EQ(State.UserPlayed, 1);
    EXPECT_EQ(State.ComputerPlayed, 1);
    EXPECT_EQ(TopID(Cards.CardTable1), Club(9));
    EXPECT_EQ(TopID(Cards.CardTable2), Club(14));
    EXPECT_FALSE(State.UserStuck && State.ComputerStuck);
    EXPECT_EQ(State.Score, 1) << "normal scoring: the deal's 0 and the pass";
    EXPECT_EQ(Host.ShownScore, 1);
    EXPECT_EQ(Cards.Play1Pile->Table(), Cards.TempTable1);
    EXPECT_EQ(Cards.Play2Pile->Table(), Cards.TempTable2);
    EXPECT_TRUE(State.InGame);
    EXPECT_TRUE(Host.Running);
    EXPECT_TRUE(Host.PauseButtonVisible);
    EXPECT_FALSE(Host.HelpMenuEnabled);
}

} // namespace
