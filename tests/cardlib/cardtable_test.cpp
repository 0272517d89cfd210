// The card table's positions and rules: its four positions and their
// pictures, where cards land, what it announces, its suit and trump rules
// with BeforeAddCard, and refused cards going home. Play is in
// cardtableplay_test.cpp.
#include "tabletesting.h"

#include "cardlib/luwait.h"
#include "platform/abort.h"
#include "platform/random.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>

using namespace table_testing;

namespace {

// ---------------------------------------------------------------------------
// A new table

TEST_F(TableTest, NewTableShowsFourFaceUpAcesAtTheirPlaces)
{
    TLuCardTable Fresh(&Form);
    EXPECT_EQ(Fresh.size(), QSize(131, 156));
    EXPECT_EQ(Fresh.Buffer().size(), QSize(131, 156));
    EXPECT_FALSE(Fresh.Empty());
    EXPECT_EQ(Fresh.TopCardPos(), -1);
    EXPECT_EQ(Fresh.TopCardID(), -1);
    EXPECT_EQ(Fresh.PrevCardID(), -2);
    EXPECT_EQ(Fresh.LandingPos(), 0);
    EXPECT_EQ(Fresh.PlayedCardsCount(), 0);
    EXPECT_EQ(Fresh.CardsLeft(), 0);
    EXPECT_EQ(Fresh.TrickCardCount(), 0);
    EXPECT_EQ(Fresh.CurrentPlayer(), 0);
    EXPECT_EQ(Fresh.LeadSuit(), stJoker);
    EXPECT_FALSE(Fresh.TrumpPlayed());
    EXPECT_EQ(Fresh.VirtualDeck(), nullptr);
    EXPECT_EQ(Fresh.Sprite(), nullptr);
    EXPECT_EQ(Fresh.PlayerCount(), 0);
    EXPECT_EQ(Fresh.PointList().Count(), 0);
    EXPECT_EQ(Fresh.GameOptions().TakeDelay(), 500);
    EXPECT_EQ(Fresh.GameOptions().CardsPerTrick(), 1);

    TLuSingleCard* const Cards[] = {Fresh.CardBottom(), Fresh.CardLeft(), Fresh.CardTop(), Fresh.CardRight()};
    for (int Pos = 0; Pos < 4; ++Pos) {
        SCOPED_TRACE(Pos);
        EXPECT_EQ(Fresh.PositionCard(Pos), Cards[Pos]);
        EXPECT_EQ(Cards[Pos]->Index(), Pos);
        EXPECT_EQ(Cards[Pos]->ID(), 14);
        EXPECT_FALSE(Cards[Pos]->ShowBack());
        EXPECT_FALSE(Cards[Pos]->Empty());
    }
    for (int Outside : {-1, 4, 100})
        EXPECT_EQ(Fresh.PositionCard(Outside), nullptr);
    // Created bottom, left, top, right: each covers the ones before it.
    EXPECT_EQ(Fresh.Buffer().convertToFormat(QImage::Format_RGB32),
              ExpectedTable({{0, 14}, {1, 14}, {2, 14}, {3, 14}}));
}

// ---------------------------------------------------------------------------
// Laying cards: where they land and what is announced

TEST_F(TableTest, LandingOrder)
{
    struct Row {
        const char* What;
        TLuTableDir Direction;
        int Start; // -1: straight after ClearTable
        std::vector<int> Lands;
        int LandingAfter;
    } const Rows[] = {
        {"clockwise from the bottom", tdClockWise, 0, {0, 1, 2, 3, 0}, 1},
        {"counter-clockwise from the bottom", tdCounterClockWise, 0, {0, 3, 2, 1, 0}, 3},
        {"clockwise after clearing", tdClockWise, -1, {3, 0, 1}, 2},
        {"counter-clockwise after clearing", tdCounterClockWise, -1, {3, 2}, 1},
        {"clockwise from the top", tdClockWise, 2, {2, 3, 0}, 1},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.What);
        Table->ClearTable(false);
        Table->GameOptions().SetAutoPosDirection(R.Direction);
        if (R.Start >= 0)
            Table->SetLandingPosition(R.Start);
        std::vector<int> Landed;
        for (std::size_t K = 0; K < R.Lands.size(); ++K) {
            Table->PlaceCard(2 + static_cast<int>(K), false, nullptr);
            Landed.push_back(Table->TopCardPos());
            EXPECT_EQ(Table->PositionCard(Table->TopCardPos())->ID(), 2 + static_cast<int>(K));
        }
        EXPECT_EQ(Landed, R.Lands);
        EXPECT_EQ(Table->LandingPos(), R.LandingAfter);
        EXPECT_EQ(Table->PlayedCardsCount(), static_cast<int>(R.Lands.size()));
    }
}

TEST_F(TableTest, LandingOnTheTopEveryTimeKeepsTheLastCardOnTop)
{
    Table->ClearTable(false);
    for (int ID : {20, 33, 7}) {
        Table->SetLandingPosition(2);
        Table->PlaceCard(ID, false, nullptr);
        EXPECT_EQ(Table->TopCardPos(), 2);
        EXPECT_EQ(Table->CardTop()->ID(), ID);
        EXPECT_EQ(Table->LandingPos(), 3);
    }
    EXPECT_EQ(Table->PlayedCards(), (std::vector<std::int32_t>{20, 33, 7}));
    EXPECT_EQ(TableImage(), ExpectedTable({{2, 7}}));
}

TEST_F(TableTest, SetLandingPositionIgnoresPositionsOutsideTheTable)
{
    Table->SetLandingPosition(2);
    for (int Outside : {-1, 4, 99})
        Table->SetLandingPosition(Outside);
    EXPECT_EQ(Table->LandingPos(), 2);
}

TEST_F(TableTest, AfterAddCardReportsThePreviousCardSequence)
{
    RecordTableEvents();
    Table->ClearTable(false);
    Table->PlaceCard(30, false, nullptr);
    TLuCardGroup* Group = MakePlayer({5});
    Table->PlaceCard(41, true, Group);
    Table->PlaceCard(12, false, nullptr);
    EXPECT_EQ(Log, (QStringList{"Add count 1 pos 3 top 30 prev -1 owned 0",
                                "Add count 2 pos 0 top 41 prev 30 owned 1",
                                "Add count 3 pos 1 top 12 prev 41 owned 0"}));
    EXPECT_TRUE(Table->CardBottom()->ShowBack());
    EXPECT_EQ(Table->TopCardID(), 12);
    EXPECT_EQ(Table->PrevCardID(), 41);
    // Every laid card counts down the party.
    EXPECT_EQ(Table->CardsLeft(), -3);
}

TEST_F(TableTest, PlaceCardLeavesTheBusyStateBeforeAnnouncing)
{
    bool BusyInside = true;
    Table->AfterAddCard = [&](TLuCardTable*, int, int, TLuSingleCard*, int, int, bool) { BusyInside = Busy(); };
    Table->PlaceCard(9, false, nullptr);
    EXPECT_FALSE(BusyInside);
}

TEST_F(TableTest, PlaceCardIgnoresNumbersThatAreNoCard)
{
    RecordTableEvents();
    Table->ClearTable(false);
    for (int NoCard : {-1, 0, 1, 56, 1000})
        Table->PlaceCard(NoCard, false, nullptr);
    EXPECT_TRUE(Log.isEmpty());
    EXPECT_EQ(Table->PlayedCardsCount(), 0);
    EXPECT_EQ(Table->TopCardPos(), -1);
    EXPECT_EQ(Table->LandingPos(), 3);
    EXPECT_EQ(Table->CardsLeft(), 0);
}

TEST_F(TableTest, LayingOnAnEmptyTableShowsIt)
{
    Table->SetEmpty(true);
    Table->PlaceCard(25, false, nullptr);
    EXPECT_FALSE(Table->Empty());
}

// The places of the four positions and the pinwheel: each card covers the
// cards laid before it, face-down cards show the table's back design.
TEST_F(TableTest, PicturesOfLaidCards)
{
    Table->ClearTable(false);
    EXPECT_TRUE(AllBackground(TableImage(), {0, 0, TableWidth, TableHeight}));

    Table->SetLandingPosition(0);
    Table->PlaceCard(2, false, nullptr);
    Table->PlaceCard(28, true, nullptr);
    Table->PlaceCard(53, false, nullptr);
    Table->PlaceCard(55, false, nullptr);
    EXPECT_EQ(TableImage(), ExpectedTable({{0, 2}, {1, 28, true}, {2, 53}, {3, 55}}));

    // The fifth card lands on the bottom again and covers the right card.
    Table->PlaceCard(20, false, nullptr);
    EXPECT_EQ(TableImage(), ExpectedTable({{0, 2}, {1, 28, true}, {2, 53}, {3, 55}, {0, 20}}));
    EXPECT_EQ(Table->PlayedCardsCount(), 5);

    // Another back design reaches the face-down card.
    Table->SetCardBack(cbCastle);
    // The face-down card redraws itself with it, over the cards laid later.
    EXPECT_EQ(TableImage(),
              ExpectedTable({{0, 2}, {1, 28, true}, {2, 53}, {3, 55}, {0, 20}, {1, 28, true}}, cbCastle));
}

TEST_F(TableTest, RedrawCardsGoesFromTheOldestToTheNewest)
{
    struct Row {
        TLuTableDir Direction;
        std::vector<LaidCard> Expected;
    } const Rows[] = {
        {tdClockWise, {{1, 28}, {2, 53}, {3, 55}, {0, 20}}},
        {tdCounterClockWise, {{3, 28}, {2, 53}, {1, 55}, {0, 20}}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(int(R.Direction));
        Table->ClearTable(false);
        Table->GameOptions().SetAutoPosDirection(R.Direction);
        Table->SetLandingPosition(0);
        for (int ID : {2, 28, 53, 55, 20})
            Table->PlaceCard(ID, false, nullptr);
        Table->Buffer().fill(Background);
        Table->RedrawCards();
        EXPECT_EQ(TableImage(), ExpectedTable(R.Expected));
    }

    // While drawing is switched off nothing is redrawn.
    Table->Buffer().fill(Qt::black);
    Table->SetEnabled(false);
    Table->RedrawCards();
    EXPECT_EQ(Table->Buffer().pixel(60, 60) & RGB_MASK, 0u);
    Table->SetEnabled(true);
}

TEST_F(TableTest, RedrawBufferPaintsTheWholeTableAgain)
{
    Table->ClearTable(false);
    Table->SetLandingPosition(1);
    Table->PlaceCard(40, false, nullptr);
    Table->PlaceCard(41, false, nullptr);
    for (bool Invalidate : {false, true}) {
        Table->Buffer().fill(Qt::black);
        Table->RedrawBuffer(Invalidate);
        EXPECT_EQ(TableImage(), ExpectedTable({{1, 40}, {2, 41}})) << Invalidate;
    }
}

// ---------------------------------------------------------------------------
// The rules: suits, trumps and BeforeAddCard

class TableRulesTest : public TableTest {
protected:
    TableRulesTest()
    {
        Table->ClearTable(false);
        Table->GameOptions().SetSuitChecking(true);
        Table->BeforeAddCard = [this](TLuCardTable*, TLuSingleCard* Card, bool SuitExists, bool& Accept) {
            Offers << QStringLiteral("%1 exists %2 accept %3").arg(Card->ID()).arg(SuitExists).arg(Accept);
            if (Override >= 0)
                Accept = Override != 0;
        };
    }

    // Plays the first card of Group, returns whether the table took it.
    bool Play(TLuCardGroup* Group, int Position = 0)
    {
        const int Before = Table->PlayedCardsCount();
        Group->PlayCard(Position, false, tpAuto);
        const bool Taken = Table->PlayedCardsCount() == Before + 1;
        // A refused card is back in its group, taken ones stay away.
        EXPECT_EQ(Group->CardAt(Position)->Empty(), Taken);
        return Taken;
    }

    QStringList Offers;
    int Override = -1; // -1: the handler leaves Accept alone
};

TEST_F(TableRulesTest, SuitMustBeFollowedWhileThePlayerHoldsIt)
{
    TLuCardGroup* Leader = MakePlayer({5});          // five of clubs
    TLuCardGroup* HoldsClub = MakePlayer({44, 9});   // five of hearts, nine of clubs
    TLuCardGroup* NoClub = MakePlayer({45, 20});     // six of hearts, seven of diamonds
    EXPECT_TRUE(Play(Leader));
    EXPECT_EQ(Table->LeadSuit(), stClub);
    EXPECT_FALSE(Play(HoldsClub));
    EXPECT_TRUE(Play(NoClub));
    // Handed in without a group the suit is never checked.
    TLuCardGroup* Loose = MakePlayer({46, 3}, ctComputer, false);
    Table->AddCard(*Loose->CardAt(0), false, nullptr);
    EXPECT_EQ(Table->TopCardID(), 46);
    // The club of the group that holds one is accepted.
    EXPECT_TRUE(Play(HoldsClub, 1));
    EXPECT_EQ(Offers, (QStringList{"5 exists 0 accept 1", "44 exists 1 accept 0", "45 exists 0 accept 1",
                                   "46 exists 0 accept 1", "9 exists 0 accept 1"}));
}

TEST_F(TableRulesTest, TheLeadSuitIsTheSuitOfTheCardOfferedToAnEmptyTable)
{
    Table->GameOptions().SetStrictSuitChecking(true);
    Table->GameOptions().SetTrump(stHeart);
    TLuCardGroup* Player = MakePlayer({44, 20});
    // The refused trump still set the lead suit.
    EXPECT_FALSE(Play(Player));
    EXPECT_EQ(Table->LeadSuit(), stHeart);
    EXPECT_TRUE(Play(Player, 1));
    EXPECT_EQ(Table->LeadSuit(), stDiamond);
    Table->ClearTable(false);
    EXPECT_EQ(Table->LeadSuit(), stJoker);
}

TEST_F(TableRulesTest, StrictSuitCheckingKeepsTrumpsBackUntilATrumpWasPlayed)
{
    Table->GameOptions().SetStrictSuitChecking(true);
    Table->GameOptions().SetTrump(stHeart);
    TLuCardGroup* Player = MakePlayer({44, 3, 45, 46});
    EXPECT_FALSE(Play(Player, 0)); // a heart may not open
    EXPECT_FALSE(Table->TrumpPlayed());
    EXPECT_TRUE(Play(Player, 1));  // a club opens
    EXPECT_TRUE(Play(Player, 0));  // the heart on a non-empty table is a trump played
    EXPECT_TRUE(Table->TrumpPlayed());
    Table->ClearTable(false);
    EXPECT_TRUE(Table->TrumpPlayed()); // clearing does not end the party
    EXPECT_TRUE(Play(Player, 2));      // now a heart may open
    EXPECT_EQ(Table->LeadSuit(), stHeart);

    // Without suit checking nothing of this applies.
    Table->GameOptions().SetSuitChecking(false);
    Table->ClearTable(false);
    TLuCardGroup* Other = MakePlayer({47});
    EXPECT_TRUE(Play(Other));
}

TEST_F(TableRulesTest, WithTheDefaultTrumpOnlyJokersAreTrumps)
{
    TLuCardGroup* Player = MakePlayer({2, 54});
    EXPECT_TRUE(Play(Player, 0));
    EXPECT_TRUE(Play(Player, 1)); // the joker does not follow clubs, but the group holds no other club
    EXPECT_TRUE(Table->TrumpPlayed());
}

TEST_F(TableRulesTest, BeforeAddCardHasTheLastWord)
{
    TLuCardGroup* Leader = MakePlayer({5});
    TLuCardGroup* HoldsClub = MakePlayer({44, 9});
    EXPECT_TRUE(Play(Leader));
    Override = 1; // lets through a card that the suit rules refused
    EXPECT_TRUE(Play(HoldsClub));
    Override = 0; // refuses a card that the rules would take
    EXPECT_FALSE(Play(HoldsClub, 1));
    EXPECT_EQ(Table->PlayedCards(), (std::vector<std::int32_t>{5, 44}));
}

TEST_F(TableRulesTest, ARefusedCardComesHomeAfterTheTakeDelay)
{
    Table->GameOptions().SetTakeDelay(150);
    TLuCardGroup* Player = MakePlayer({30});
    TLuCardTable* Other = MakeTable(50, 50);
    int OtherClicks = 0;
    Other->ClearTable(false);
    Other->PlaceCard(7, false, nullptr);
    Other->OnCardClick = [&](TLuCardTable*, TLuSingleCard*, bool&) { ++OtherClicks; };
    Form.show();

    Override = 0;
    bool EmptyMeanwhile = false;
    bool BusyMeanwhile = false;
    QTimer::singleShot(40, [&] {
        EmptyMeanwhile = Player->CardAt(0)->Empty();
        BusyMeanwhile = Busy();
        // A click on another table while the card waits does nothing.
        QTest::mouseClick(Other, Qt::LeftButton, {}, QPoint(60, 60));
    });
    QElapsedTimer Clock;
    Clock.start();
    EXPECT_FALSE(Play(Player));
    EXPECT_GE(Clock.elapsed(), 150);
    EXPECT_TRUE(EmptyMeanwhile);
    EXPECT_TRUE(BusyMeanwhile);
    EXPECT_EQ(OtherClicks, 0);
    // The card is drawn where it was.
    EXPECT_EQ(group_testing::Block(Player->Buffer(), 0, 0, CardWidth, CardHeight),
              group_testing::Shown(CardImage(30), CardWidth, CardHeight));
}

TEST_F(TableRulesTest, ARefusedCardFromNoGroupStaysEmpty)
{
    Override = 0;
    TLuCardGroup* Loose = MakePlayer({40}, ctComputer, false);
    Loose->CardAt(0)->SetEmpty(true);
    Table->AddCard(*Loose->CardAt(0), false, nullptr);
    EXPECT_TRUE(Loose->CardAt(0)->Empty());
    EXPECT_EQ(Table->PlayedCardsCount(), 0);
}

} // namespace
