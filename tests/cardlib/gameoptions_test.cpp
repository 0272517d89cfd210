// A table's rule options, its players and its card points.
#include "cardlib/lugameoptions.h"
#include "cardlib/luplayerlist.h"
#include "cardlib/lupointlist.h"

#include <gtest/gtest.h>

namespace {

TEST(GameOptions, NewOptionsHaveTheTableDefaults)
{
    const TLuGameOptions options;
    EXPECT_FALSE(options.SuitChecking());
    EXPECT_FALSE(options.StrictSuitChecking());
    EXPECT_FALSE(options.TakerPlay());
    EXPECT_EQ(options.TableOpenCards(), 0);
    EXPECT_EQ(options.TableCloseCards(), 0);
    EXPECT_EQ(options.Trump(), stJoker);
    EXPECT_EQ(options.FinishScore(), 0);
    EXPECT_EQ(options.CardsPerTrick(), 1);
    EXPECT_EQ(options.TakeDelay(), 500);
    EXPECT_EQ(options.AutoPosDirection(), tdClockWise);
    EXPECT_FALSE(options.AutoPlay());
}

TEST(GameOptions, AssignCopiesEveryOption)
{
    TLuGameOptions source;
    source.SetSuitChecking(true);
    source.SetStrictSuitChecking(true);
    source.SetTakerPlay(true);
    source.SetTableOpenCards(1);
    source.SetTableCloseCards(2);
    source.SetTrump(stSpade);
    source.SetFinishScore(7);
    source.SetCardsPerTrick(4);
    source.SetTakeDelay(0);
    source.SetAutoPosDirection(tdCounterClockWise);
    source.SetAutoPlay(true);
    TLuGameOptions copy;
    copy.Assign(source);
    EXPECT_TRUE(copy.SuitChecking() && copy.StrictSuitChecking() && copy.TakerPlay() &&
                copy.AutoPlay());
    EXPECT_EQ(copy.TableOpenCards(), 1);
    EXPECT_EQ(copy.TableCloseCards(), 2);
    EXPECT_EQ(copy.Trump(), stSpade);
    EXPECT_EQ(copy.FinishScore(), 7);
    EXPECT_EQ(copy.CardsPerTrick(), 4);
    EXPECT_EQ(copy.TakeDelay(), 0);
    EXPECT_EQ(copy.AutoPosDirection(), tdCounterClockWise);
}

TEST(PointList, NewItemIsOnePointForTheAceOfClubs)
{
    TLuPointList points;
    const TLuPointItem* item = points.Add();
    EXPECT_EQ(item->CardID(), 14);
    EXPECT_EQ(item->Points(), 1);
    EXPECT_EQ(item->Collection(), &points);
    EXPECT_EQ(points.AddPoints(53, 11)->Index(), 1);
    EXPECT_EQ(points.Items(1)->CardID(), 53);
    EXPECT_EQ(points.Items(1)->Points(), 11);
}

// The collection keeps the turn order through every edit, and indices that
// name no item are ignored rather than trusted.
TEST(PlayerList, EditingKeepsTheTurnOrder)
{
    TLuPlayerList players;
    auto* a = reinterpret_cast<TLuCardGroup*>(0x10);
    auto* b = reinterpret_cast<TLuCardGroup*>(0x20);
    auto* c = reinterpret_cast<TLuCardGroup*>(0x30);
    players.AddGroup(a);
    players.AddGroup(nullptr); // a slot without a group still takes its turn
    players.AddGroup(c);
    ASSERT_EQ(players.Count(), 3);
    EXPECT_EQ(players.Items(1)->CardGroup(), nullptr);

    players.Insert(1)->SetCardGroup(b);
    ASSERT_EQ(players.Count(), 4);
    EXPECT_EQ(players.Items(0)->CardGroup(), a);
    EXPECT_EQ(players.Items(1)->CardGroup(), b);
    EXPECT_EQ(players.Items(2)->CardGroup(), nullptr);
    EXPECT_EQ(players.Items(3)->CardGroup(), c);
    EXPECT_EQ(players.Items(3)->Index(), 3);

    players.Items(3)->SetIndex(0);
    EXPECT_EQ(players.Items(0)->CardGroup(), c);
    EXPECT_EQ(players.Items(1)->CardGroup(), a);

    players.Delete(2);
    EXPECT_EQ(players.Count(), 3);
    EXPECT_EQ(players.Items(2)->CardGroup(), nullptr);

    for (int bad : {-1, 3, 100}) {
        EXPECT_EQ(players.Items(bad), nullptr) << bad;
        players.Delete(bad);
        EXPECT_EQ(players.Count(), 3) << bad;
    }
    players.Clear();
    EXPECT_EQ(players.Count(), 0);
    EXPECT_EQ(players.Items(0), nullptr);
}

} // namespace
