// The card table: its four positions and their pictures, where cards land,
// what it announces, its suit and trump rules with BeforeAddCard, refused
// cards going home, tricks and parties, automatic play, handing the top
// card on, clicks, clearing, its setters, and the busy state it holds
// around every operation, closed also when an error or the silent abort
// leaves the operation.
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

// ---------------------------------------------------------------------------
// Tricks, parties and turns

TEST_F(TableTest, TricksAndParties)
{
    struct Row {
        int CardsPerTrick;
        std::vector<int> Deck; // the party's card count is its size
        int Cards;
        QStringList Expected;
        int TrickCount;
    } const Rows[] = {
        {1, {2, 3, 4}, 3, {"Trick", "Trick", "Party"}, 0},
        {2, {2, 3, 4, 5}, 4, {"", "Trick", "", "Party"}, 0},
        {2, {2, 3, 4, 5}, 3, {"", "Trick", ""}, 1},
        {3, {2, 3}, 3, {"", "", "Party"}, 0},
        {0, {2}, 2, {"", ""}, 2}, // a trick of no cards is never complete
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.CardsPerTrick);
        // A new table each time: a trick in progress outlives the party.
        TLuCardTable* On = MakeTable();
        TLuVirtualDeck Deck;
        OnlyClubs(Deck, R.Deck);
        Deck.Prepare();
        On->SetVirtualDeck(&Deck);
        On->PrepareDeal();
        ASSERT_EQ(On->CardsLeft(), static_cast<int>(R.Deck.size()));
        On->GameOptions().SetCardsPerTrick(R.CardsPerTrick);
        QString Last;
        On->AfterTrickFinish = [&](TLuCardTable*) { Last = QStringLiteral("Trick"); };
        On->AfterPartyFinish = [&](TLuCardTable*) { Last = QStringLiteral("Party"); };
        TLuCardGroup* Cards = MakePlayer({2, 3, 4, 5}, ctComputer, false, On);
        QStringList Heard;
        for (int K = 0; K < R.Cards; ++K) {
            Last.clear();
            On->AddCard(*Cards->CardAt(K), false, nullptr);
            Heard << Last;
        }
        EXPECT_EQ(Heard, R.Expected);
        EXPECT_EQ(On->TrickCardCount(), R.TrickCount);
        On->SetVirtualDeck(nullptr);
    }

    // A trick in progress goes on into the next party; dealing to the
    // players starts a new one.
    TLuVirtualDeck Deck;
    Table->SetVirtualDeck(&Deck);
    Table->GameOptions().SetCardsPerTrick(2);
    TLuCardGroup* Cards = MakePlayer({2, 3}, ctComputer, false);
    Table->AddCard(*Cards->CardAt(0), false, nullptr);
    Table->PrepareDeal();
    EXPECT_EQ(Table->TrickCardCount(), 1);
    Table->DealToPlayers(false);
    EXPECT_EQ(Table->TrickCardCount(), 0);
    Table->SetVirtualDeck(nullptr);
}

TEST_F(TableTest, TheTurnMovesWithEveryAcceptedCard)
{
    TLuCardGroup* Cards = MakePlayer({2, 3, 4, 5, 6}, ctComputer, false);
    // Without players the turn only counts up.
    for (int K = 0; K < 3; ++K)
        Table->AddCard(*Cards->CardAt(K), false, nullptr);
    EXPECT_EQ(Table->CurrentPlayer(), 3);
    EXPECT_EQ(Table->NextPlayer(7), 8);

    // With three players (one naming no group) it goes round.
    Table->PlayerList().AddGroup(Cards);
    Table->PlayerList().AddGroup(nullptr);
    Table->PlayerList().AddGroup(Cards);
    EXPECT_EQ(Table->NextPlayer(0), 1);
    EXPECT_EQ(Table->NextPlayer(1), 2);
    EXPECT_EQ(Table->NextPlayer(2), 0);
    // A turn left beyond the list comes back to the first player.
    EXPECT_EQ(Table->NextPlayer(3), 0);
    Table->AddCard(*Cards->CardAt(3), false, nullptr);
    EXPECT_EQ(Table->CurrentPlayer(), 0);
    Table->AddCard(*Cards->CardAt(4), false, nullptr);
    EXPECT_EQ(Table->CurrentPlayer(), 1);
    // Refused cards do not move it.
    Table->BeforeAddCard = [](TLuCardTable*, TLuSingleCard*, bool, bool& Accept) { Accept = false; };
    Table->AddCard(*Cards->CardAt(0), false, nullptr);
    EXPECT_EQ(Table->CurrentPlayer(), 1);
}

TEST_F(TableTest, AutomaticPlayGoesRoundUntilNobodyHasACard)
{
    Table->ClearTable(false);
    Table->GameOptions().SetAutoPlay(true);
    TLuCardGroup* First = MakePlayer({2, 3, 4});
    TLuCardGroup* Second = MakePlayer({15, 16, 17});
    QStringList Turns;
    std::uint32_t DeepestBusy = 0;
    First->AfterPlay = [&](TLuCardGroup*, int, TLuTablePos) { Turns << "first"; };
    Second->AfterPlay = [&](TLuCardGroup*, int, TLuTablePos) { Turns << "second"; };
    Table->AfterAddCard = [&](TLuCardTable*, int, int, TLuSingleCard*, int, int, bool) {
        DeepestBusy = std::max(DeepestBusy, BusyCount());
    };
    platform::SetRandSeed(12345);
    First->PlayCard(0, false, tpAuto);

    // Each accepted card hands the turn on, and the next group plays from
    // inside the previous one's play.
    EXPECT_EQ(Turns, (QStringList{"first", "second", "first", "second", "first", "second"}));
    EXPECT_EQ(Table->PlayedCardsCount(), 6);
    EXPECT_EQ(First->NonEmptyCount(), 0);
    EXPECT_EQ(Second->NonEmptyCount(), 0);
    EXPECT_EQ(Table->CurrentPlayer(), 0);
    EXPECT_GE(DeepestBusy, 5u);
}

TEST_F(TableTest, AutomaticPlayStopsSilentlyAtAPerson)
{
    Table->GameOptions().SetAutoPlay(true);
    TLuCardGroup* Computer = MakePlayer({2, 3});
    TLuCardGroup* Person = MakePlayer({15}, ctHuman);
    int AskedPerson = 0;
    Person->BeforePlay = [&](TLuCardGroup*, int&, TLuTablePos&, bool&) { ++AskedPerson; };
    EXPECT_THROW(Computer->PlayCard(0, false, tpAuto), platform::EAbort);
    EXPECT_EQ(AskedPerson, 1);
    EXPECT_EQ(Table->PlayedCardsCount(), 1);
    EXPECT_EQ(Table->CurrentPlayer(), 1);
    EXPECT_FALSE(Busy());
}

// ---------------------------------------------------------------------------
// Taking the top card

TEST_F(TableTest, TakingTheTopCardHandsItToTheFirstEmptyPlace)
{
    Table->ClearTable(false);
    Table->SetLandingPosition(2);
    Table->PlaceCard(30, false, nullptr);
    TLuCardGroup* Slot = MakePlayer({5, 6, 7});
    Slot->CardAt(1)->SetEmpty(true);
    Slot->CardAt(2)->SetEmpty(true);

    Table->TakeTopCard(Slot);
    EXPECT_EQ(Slot->CardAt(1)->ID(), 30);
    EXPECT_FALSE(Slot->CardAt(1)->Empty());
    EXPECT_TRUE(Slot->CardAt(2)->Empty());
    EXPECT_TRUE(Table->CardTop()->Empty());
    EXPECT_EQ(Table->PlayedCardsCount(), 0);
    EXPECT_EQ(Table->LandingPos(), 2);
    EXPECT_EQ(Table->TopCardPos(), 3);
    EXPECT_EQ(Table->TopCardID(), 30);
    EXPECT_EQ(Table->PrevCardID(), -1);
    EXPECT_TRUE(AllBackground(TableImage(), {0, 0, TableWidth, TableHeight}));

    // Nothing lies on top any more: a second take hands on nothing.
    Table->TakeTopCard(Slot);
    EXPECT_TRUE(Slot->CardAt(2)->Empty());
    EXPECT_EQ(Table->TopCardPos(), 3);
}

TEST_F(TableTest, TakingUncoversTheCardsBelowAndMovesTheTopOnByOne)
{
    Table->ClearTable(false);
    Table->SetLandingPosition(0);
    for (int ID : {2, 28, 53, 55})
        Table->PlaceCard(ID, false, nullptr);
    TLuCardGroup* Full = MakePlayer({9, 10});

    Table->TakeTopCard(Full);
    // No empty place: the last card takes it.
    EXPECT_EQ(Full->CardAt(1)->ID(), 55);
    EXPECT_EQ(Full->CardAt(0)->ID(), 9);
    EXPECT_EQ(TableImage(), ExpectedTable({{0, 2}, {1, 28}, {2, 53}}));
    EXPECT_EQ(Table->PlayedCards(), (std::vector<std::int32_t>{2, 28, 53}));
    EXPECT_EQ(Table->LandingPos(), 3);
    // Clockwise or not, the top moves one position on.
    EXPECT_EQ(Table->TopCardPos(), 0);

    // Taking again takes the card now at TopCardPos.
    Table->TakeTopCard(Full);
    EXPECT_EQ(Full->CardAt(1)->ID(), 2);
    EXPECT_EQ(TableImage(), ExpectedTable({{1, 28}, {2, 53}}));
}

TEST_F(TableTest, TakingNeedsAGroupWithAPlace)
{
    Table->ClearTable(false);
    Table->PlaceCard(30, false, nullptr);
    Table->TakeTopCard(nullptr);
    TLuCardGroup* NoCards = MakePlayer({});
    Table->TakeTopCard(NoCards);
    EXPECT_EQ(Table->PlayedCardsCount(), 1);
    EXPECT_FALSE(Table->CardRight()->Empty());
    EXPECT_EQ(Table->TopCardPos(), 3);
}

TEST_F(TableTest, OnlyAComputerWaitsBeforeTaking)
{
    Table->GameOptions().SetTakeDelay(120);
    for (TLuController Controller : {ctComputer, ctHuman, ctNetwork}) {
        SCOPED_TRACE(int(Controller));
        Table->ClearTable(false);
        Table->PlaceCard(30, false, nullptr);
        TLuCardGroup* Slot = MakePlayer({5}, Controller);
        Slot->CardAt(0)->SetEmpty(true);
        bool BusyMeanwhile = false;
        QTimer::singleShot(30, [&] { BusyMeanwhile = Busy(); });
        QElapsedTimer Clock;
        Clock.start();
        Table->TakeTopCard(Slot);
        const qint64 Elapsed = Clock.elapsed();
        if (Controller == ctComputer) {
            EXPECT_GE(Elapsed, 120);
            EXPECT_TRUE(BusyMeanwhile);
        } else {
            EXPECT_LT(Elapsed, 120);
        }
        EXPECT_EQ(Slot->CardAt(0)->ID(), 30);
        QTest::qWait(40); // let the timer of this round fire before the next
    }
}

TEST_F(TableTest, AWayStationHandsAPileCardStraightOn)
{
    // As the game refills a hand slot: the pile plays its top card onto the
    // hidden table, which hands it at once into the empty slot.
    Table->GameOptions().SetTableOpenCards(1);
    Table->GameOptions().SetTableCloseCards(1);
    Table->ClearTable(false);
    Table->SetEmpty(true);
    TLuCardGroup* Pile = MakePlayer({20, 21, 22}, ctComputer, false);
    Pile->SetShowBack(true);
    TLuCardGroup* Slot = MakePlayer({9}, ctHuman, false);
    Slot->CardAt(0)->SetEmpty(true);
    for (int Round = 0; Round < 3; ++Round) {
        Pile->PlayCard(2 - Round, false, tpAuto);
        Table->TakeTopCard(Slot);
        EXPECT_EQ(Slot->CardAt(0)->ID(), 22 - Round);
        EXPECT_EQ(Table->PlayedCardsCount(), 0);
        Slot->CardAt(0)->SetEmpty(true);
    }
    EXPECT_EQ(Pile->NonEmptyCount(), 0);
}

TEST_F(TableTest, TheSpriteCarriesTakenAndRefusedCards)
{
    TLuSprite Sprite(&Form);
    FlightLog Flights(Sprite);
    Table->SetSprite(&Sprite);
    Table->ClearTable(false);
    Table->SetLandingPosition(1);
    Table->PlaceCard(33, false, nullptr);
    TLuCardGroup* Hand = MakePlayer({5, 6}); // at (20, 450)
    Hand->CardAt(1)->SetEmpty(true);

    // From the top card's place on the table to the slot's place in the group.
    Table->TakeTopCard(Hand);
    ASSERT_EQ(Flights.Moves, (QStringList{"from 300,225 to 96,450"}));
    EXPECT_EQ(Flights.Pictures[0], CardImage(33)->Picture);
    EXPECT_FALSE(Sprite.Visible());

    // A refused card flies to the table with the group's sprite, shows
    // again and flies back where it started.
    Flights.Moves.clear();
    Hand->SetSprite(&Sprite);
    Table->BeforeAddCard = [&](TLuCardTable*, TLuSingleCard*, bool, bool& Accept) {
        EXPECT_FALSE(Sprite.Visible());
        Accept = false;
    };
    Table->GameOptions().SetTakeDelay(20);
    bool VisibleMeanwhile = false;
    QTimer::singleShot(5, [&] { VisibleMeanwhile = Sprite.Visible(); });
    Hand->PlayCard(0, true, tpTop);
    EXPECT_EQ(Flights.Moves, (QStringList{"from 21,451 to 335,200", "from 21,451 to 21,451"}));
    EXPECT_TRUE(VisibleMeanwhile);
    EXPECT_FALSE(Sprite.Visible());
    EXPECT_FALSE(Hand->CardAt(0)->Empty());
}

// Pauses and flights run the event loop, in which the window may close a
// group or the table itself; the operation then leaves them alone.
TEST_F(TableTest, AGroupOrTableClosedDuringAPauseIsLeftAlone)
{
    Table->GameOptions().SetTakeDelay(60);
    Table->ClearTable(false);
    Table->PlaceCard(30, false, nullptr);
    TLuCardGroup* Taker = MakePlayer({5}, ctComputer, false);
    QTimer::singleShot(10, [&] { delete Taker; });
    Table->TakeTopCard(Taker);
    EXPECT_FALSE(Table->CardRight()->Empty());
    EXPECT_EQ(Table->PlayedCardsCount(), 1);

    Table->BeforeAddCard = [](TLuCardTable*, TLuSingleCard*, bool, bool& Accept) { Accept = false; };
    TLuCardGroup* Home = MakePlayer({6}, ctComputer, false);
    Home->CardAt(0)->SetEmpty(true);
    QTimer::singleShot(10, [&] { delete Home; });
    Table->AddCard(*Home->CardAt(0), false, Home);

    TLuCardTable* Doomed = MakeTable();
    Doomed->GameOptions().SetTakeDelay(60);
    Doomed->BeforeAddCard = Table->BeforeAddCard;
    TLuCardGroup* Owner = MakePlayer({7}, ctComputer, false, Doomed);
    Owner->CardAt(0)->SetEmpty(true);
    QTimer::singleShot(10, [&] { delete Doomed; });
    Doomed->AddCard(*Owner->CardAt(0), false, Owner);
    EXPECT_TRUE(Owner->CardAt(0)->Empty());
    EXPECT_EQ(BusyCount(), 0u);
}

TEST_F(TableTest, AGroupOrTableClosedDuringAFlightIsLeftAlone)
{
    TLuSprite Sprite(&Form);
    TLuVirtualDeck Deck;
    Deck.Prepare();
    Table->SetVirtualDeck(&Deck);
    Table->SetSprite(&Sprite);
    Table->ClearTable(false);

    TLuCardGroup* Dealt = MakePlayer({5, 6, 7});
    Dealt->EmptyAllCards();
    QTimer::singleShot(0, [&] { delete Dealt; });
    Table->DealToPlayers(false);
    EXPECT_EQ(Deck.NextIndex(), 50); // the first card was drawn, then dealing stopped

    Table->PlaceCard(30, false, nullptr);
    TLuCardGroup* Taker = MakePlayer({8}, ctHuman, false);
    QTimer::singleShot(0, [&] { delete Taker; });
    Table->TakeTopCard(Taker);
    EXPECT_EQ(Table->PlayedCardsCount(), 0); // the card left the table all the same

    TLuCardTable* Doomed = MakeTable();
    Doomed->SetVirtualDeck(&Deck);
    Doomed->SetSprite(&Sprite);
    Doomed->GameOptions().SetTableOpenCards(3);
    QTimer::singleShot(0, [&] { delete Doomed; });
    Doomed->DealToTable();
    EXPECT_EQ(Deck.NextIndex(), 49); // one card drawn, then the table was gone
    EXPECT_EQ(BusyCount(), 0u);
}

// ---------------------------------------------------------------------------
// Clicks

class TableClickTest : public TableTest {
protected:
    TableClickTest()
    {
        Table->ClearTable(false);
        Human = MakePlayer({5, 6});
        Human->SetController(ctHuman);
        Human->CardAt(1)->SetEmpty(true);
        Table->OnCardClick = [this](TLuCardTable* Sender, TLuSingleCard* Top, bool& TakeIt) {
            Clicks << QStringLiteral("%1 busy %2").arg(Top->ID()).arg(Busy());
            EXPECT_EQ(Top, Sender->PositionCard(Sender->TopCardPos()));
            TakeIt = Take;
        };
        Form.show();
    }

    void Click(QPoint At = QPoint(65, 80), Qt::MouseButton Button = Qt::LeftButton)
    {
        QTest::mouseClick(Table, Button, {}, At);
    }

    TLuCardGroup* Human = nullptr;
    QStringList Clicks;
    bool Take = false;
};

TEST_F(TableClickTest, AClickOffersTheTopCard)
{
    Click();
    EXPECT_TRUE(Clicks.isEmpty()); // nothing on the table

    Table->PlaceCard(40, false, nullptr);
    Click(QPoint(2, 2), Qt::RightButton); // any button, any point
    EXPECT_EQ(Clicks, (QStringList{"40 busy 1"}));
    EXPECT_TRUE(Human->CardAt(1)->Empty()); // not taken
    EXPECT_FALSE(Table->CardRight()->Empty());
    EXPECT_FALSE(Busy());
}

TEST_F(TableClickTest, TakeItHandsTheTopCardToTheHumanPlayer)
{
    // A computer player listed first is passed over.
    Table->PlayerList().Insert(0)->SetCardGroup(MakePlayer({7}, ctComputer, false));
    Table->PlaceCard(40, false, nullptr);
    Take = true;
    Click();
    EXPECT_EQ(Human->CardAt(1)->ID(), 40);
    EXPECT_FALSE(Human->CardAt(1)->Empty());
    EXPECT_TRUE(Table->CardRight()->Empty());
    EXPECT_EQ(Table->FindHumanPlayer(), Human);

    // The top card is now an empty place: no offer.
    Click();
    EXPECT_EQ(Clicks.size(), 1);
}

TEST_F(TableClickTest, TakeItWithoutAHumanPlayerTakesNothing)
{
    Human->SetController(ctNetwork);
    EXPECT_EQ(Table->FindHumanPlayer(), nullptr);
    Table->PlaceCard(40, false, nullptr);
    Take = true;
    Click();
    EXPECT_EQ(Clicks.size(), 1);
    EXPECT_FALSE(Table->CardRight()->Empty());
    EXPECT_EQ(Table->PlayedCardsCount(), 1);
}

TEST_F(TableClickTest, AHandlerThatClosesTheTableEndsTheClick)
{
    Table->PlaceCard(40, false, nullptr);
    TLuCardTable** Slot = &Table;
    Table->OnCardClick = [Slot](TLuCardTable* Sender, TLuSingleCard*, bool& TakeIt) {
        TakeIt = true;
        TLuCardTable** Keep = Slot; // the handler goes with the table
        delete Sender;
        *Keep = nullptr;
    };
    Click();
    EXPECT_EQ(Table, nullptr);
    EXPECT_TRUE(Human->CardAt(1)->Empty());
}

TEST_F(TableClickTest, ClicksWhileBusyDoNothing)
{
    Table->PlaceCard(40, false, nullptr);
    Take = true;
    BeginBusy();
    Click();
    EndBusy();
    EXPECT_TRUE(Clicks.isEmpty());
    EXPECT_FALSE(Table->CardRight()->Empty());
    Click();
    EXPECT_EQ(Clicks.size(), 1);
}

// ---------------------------------------------------------------------------
// Clearing

TEST_F(TableTest, ClearingEmptiesThePositionsAndForgetsTheLaidCards)
{
    TLuCardGroup* Player = MakePlayer({2, 3, 4});
    Table->PlayerList().AddGroup(nullptr); // skipped
    TLuCardGroup* Other = MakePlayer({5});
    TLuCardGroup* Outsider = MakePlayer({6}, ctComputer, false);
    TLuVirtualDeck Deck;
    Table->SetVirtualDeck(&Deck);
    Table->GameOptions().SetSuitChecking(true);
    Table->ClearTable(false);
    Table->PrepareDeal();
    Table->SetLandingPosition(1);
    Player->PlayCard(0, false, tpAuto);
    Other->PlayCard(0, false, tpAuto);
    QStringList Order;
    Table->OnCardEmptyChange = [&](TLuCustomCardControl*, TLuSingleCard* Card) {
        Order << QString::number(Card->Index());
    };

    Table->ClearTable(false);
    EXPECT_EQ(Order, (QStringList{"1", "2"})); // bottom, left, top, right: the two that showed a card
    EXPECT_EQ(Table->TopCardPos(), -1);
    EXPECT_EQ(Table->PlayedCardsCount(), 0);
    EXPECT_EQ(Table->LandingPos(), 3);
    EXPECT_EQ(Table->TopCardID(), -1);
    EXPECT_EQ(Table->PrevCardID(), -2);
    EXPECT_EQ(Table->LeadSuit(), stJoker);
    for (int Pos = 0; Pos < 4; ++Pos)
        EXPECT_TRUE(Table->PositionCard(Pos)->Empty());
    EXPECT_TRUE(AllBackground(TableImage(), {0, 0, TableWidth, TableHeight}));
    // The party goes on.
    EXPECT_EQ(Table->CardsLeft(), 50);
    EXPECT_EQ(Table->TrickCardCount(), 0);
    EXPECT_EQ(Table->CurrentPlayer(), 2);
    EXPECT_EQ(Player->NonEmptyCount(), 2);

    Table->ClearTable(true);
    EXPECT_EQ(Player->NonEmptyCount(), 0);
    EXPECT_EQ(Other->NonEmptyCount(), 0);
    EXPECT_FALSE(Player->Empty());
    EXPECT_EQ(Outsider->NonEmptyCount(), 1);
    Table->SetVirtualDeck(nullptr);
}

// ---------------------------------------------------------------------------
// Setters and loading

TEST_F(TableTest, CardBackAndShowBackReachTheFourPositionsInOrder)
{
    QStringList Order;
    Table->OnCardBackChange = [&](TLuCustomCardControl*, TLuSingleCard* Card) {
        Order << QStringLiteral("back %1").arg(Card->Index());
    };
    Table->OnCardShowBackChange = [&](TLuCustomCardControl*, TLuSingleCard* Card) {
        Order << QStringLiteral("show %1").arg(Card->Index());
    };
    Table->SetCardBack(cbRobot);
    Table->SetCardBack(cbRobot); // unchanged: nothing
    Table->SetShowBack(true);
    EXPECT_EQ(Order, (QStringList{"back 0", "back 1", "back 2", "back 3", "show 0", "show 1", "show 2", "show 3"}));
    for (int Pos = 0; Pos < 4; ++Pos) {
        EXPECT_EQ(Table->PositionCard(Pos)->CardBack(), cbRobot);
        EXPECT_TRUE(Table->PositionCard(Pos)->ShowBack());
    }
    EXPECT_EQ(TableImage(), ExpectedTable({{0, 14, true}, {1, 14, true}, {2, 14, true}, {3, 14, true}}, cbRobot));

    // ShowBack is passed on also when the table's value does not change:
    // a card turned on its own is turned back.
    Table->CardTop()->SetShowBack(false);
    Table->SetShowBack(true);
    EXPECT_TRUE(Table->CardTop()->ShowBack());
}

TEST_F(TableTest, WritingAPositionCardCopiesIntoTheOwnedCard)
{
    TLuCardGroup* Source = MakePlayer({47}, ctComputer, false);
    TLuSingleCard* Owned = Table->CardLeft();
    Source->CardAt(0)->SetShowBack(false);
    Table->SetCardLeft(*Source->CardAt(0));
    Table->SetCardBottom(*Source->CardAt(0));
    Table->SetCardTop(*Source->CardAt(0));
    Table->SetCardRight(*Source->CardAt(0));
    EXPECT_EQ(Table->CardLeft(), Owned);
    for (int Pos = 0; Pos < 4; ++Pos) {
        EXPECT_EQ(Table->PositionCard(Pos)->ID(), 47);
        EXPECT_EQ(Table->PositionCard(Pos)->Index(), Pos);
    }
}

TEST_F(TableTest, RandomCardsDrawStandardCardsUnlessTheTableStartsEmpty)
{
    // 2 + Random(52), four times from this seed.
    const std::vector<int> Expected{21, 37, 14, 46};
    platform::SetRandSeed(777);
    Table->SetRandomCards(true);
    EXPECT_TRUE(Table->RandomCards());
    for (int Pos = 0; Pos < 4; ++Pos)
        EXPECT_EQ(Table->PositionCard(Pos)->ID(), Expected[static_cast<std::size_t>(Pos)]);

    TLuCardTable* Quiet = MakeTable();
    Quiet->SetAutoEmpty(true);
    Quiet->SetRandomCards(true);
    Quiet->SetRandomCards(false);
    for (int Pos = 0; Pos < 4; ++Pos)
        EXPECT_EQ(Quiet->PositionCard(Pos)->ID(), 14);
}

TEST_F(TableTest, LoadingWithAutoEmptyStartsCleared)
{
    for (bool AutoEmpty : {false, true}) {
        SCOPED_TRACE(AutoEmpty);
        TLuCardTable* Loaded = MakeTable();
        Loaded->BeginLoad();
        Loaded->SetAutoEmpty(AutoEmpty);
        Loaded->EndLoad();
        EXPECT_EQ(Loaded->Empty(), AutoEmpty);
        EXPECT_EQ(Loaded->LandingPos(), 0);
        EXPECT_EQ(Loaded->CardTop()->Empty(), AutoEmpty);
    }
}

// ---------------------------------------------------------------------------
// The busy state

// Inside the table's events, the operation that fires them holds the busy
// state.
TEST_F(TableTest, EventsFireUnderTheBusyState)
{
    TLuVirtualDeck Deck;
    Table->SetVirtualDeck(&Deck);
    TLuCardGroup* Player = MakePlayer({2});
    QStringList NotBusy;
    auto Check = [&](const char* Name) {
        if (!Busy())
            NotBusy << Name;
    };
    Table->BeforeAddCard = [&](TLuCardTable*, TLuSingleCard*, bool, bool&) { Check("BeforeAddCard"); };
    Table->AfterTrickFinish = [&](TLuCardTable*) { Check("AfterTrickFinish"); };
    Table->AfterPartyFinish = [&](TLuCardTable*) { Check("AfterPartyFinish"); };
    Table->AfterDealingFinish = [&](TLuCardTable*) { Check("AfterDealingFinish"); };
    Table->AfterDealToTable = [&](TLuCardTable*, int, int, TLuSingleCard*) { Check("AfterDealToTable"); };
    // Laid by AddCard or dealt, AfterAddCard fires inside the outer operation.
    Table->AfterAddCard = [&](TLuCardTable*, int, int, TLuSingleCard*, int, int, bool) { Check("AfterAddCard"); };
    Player->PlayCard(0, false, tpAuto);
    Table->PrepareDeal();
    Table->DealToPlayers(false);
    Table->GameOptions().SetTableOpenCards(1);
    Table->DealToTable();
    EXPECT_TRUE(NotBusy.isEmpty()) << NotBusy.join(", ").toStdString();
    Table->SetVirtualDeck(nullptr);
}

// Every operation that holds the busy state closes it when an error or the
// silent abort leaves it.
struct ErrorCase {
    const char* Name;
    std::function<void(TLuCardTable&, TLuCardGroup&)> Act;
};

TEST_F(TableTest, TheBusyStateIsClosedWhenAnErrorLeavesAnOperation)
{
    auto Throw = [] { throw std::runtime_error("handler failed"); };
    auto Abort = [] { platform::Abort(); };
    const ErrorCase Cases[] = {
        {"PlaceCard, a card event fails",
         [&](TLuCardTable& T, TLuCardGroup&) {
             int Announced = 0;
             T.AfterAddCard = [&](TLuCardTable*, int, int, TLuSingleCard*, int, int, bool) {
                 ++Announced;
                 EXPECT_FALSE(Busy());
             };
             T.OnCardIDChange = [&](TLuCustomCardControl*, TLuSingleCard*) { Throw(); };
             EXPECT_THROW(T.PlaceCard(33, false, nullptr), std::runtime_error);
             // The announcement is part of the cleanup.
             EXPECT_EQ(Announced, 1);
         }},
        {"AddCard, BeforeAddCard aborts",
         [&](TLuCardTable& T, TLuCardGroup& G) {
             T.BeforeAddCard = [&](TLuCardTable*, TLuSingleCard*, bool, bool&) { Abort(); };
             EXPECT_THROW(G.PlayCard(0, false, tpAuto), platform::EAbort);
         }},
        {"AddCard, automatic play reaches a person",
         [&](TLuCardTable& T, TLuCardGroup& G) {
             T.GameOptions().SetAutoPlay(true);
             G.SetController(ctHuman);
             EXPECT_THROW(T.AddCard(*G.CardAt(1), false, nullptr), platform::EAbort);
         }},
        {"AddCard, the refused card fails to come home",
         [&](TLuCardTable& T, TLuCardGroup& G) {
             T.BeforeAddCard = [](TLuCardTable*, TLuSingleCard*, bool, bool& Accept) { Accept = false; };
             G.OnCardEmptyChange = [&](TLuCustomCardControl*, TLuSingleCard* Card) {
                 if (!Card->Empty())
                     Throw();
             };
             EXPECT_THROW(G.PlayCard(0, false, tpAuto), std::runtime_error);
         }},
        {"AddCard, a trick ends badly",
         [&](TLuCardTable& T, TLuCardGroup& G) {
             T.AfterPartyFinish = [&](TLuCardTable*) { Throw(); };
             EXPECT_THROW(G.PlayCard(0, false, tpAuto), std::runtime_error);
         }},
        {"TakeTopCard, the slot fails",
         [&](TLuCardTable& T, TLuCardGroup& G) {
             T.PlaceCard(40, false, nullptr);
             G.OnCardIDChange = [&](TLuCustomCardControl*, TLuSingleCard*) { Throw(); };
             EXPECT_THROW(T.TakeTopCard(&G), std::runtime_error);
         }},
        {"ClearTable, a player's card fails",
         [&](TLuCardTable& T, TLuCardGroup& G) {
             G.OnCardEmptyChange = [&](TLuCustomCardControl*, TLuSingleCard*) { Throw(); };
             EXPECT_THROW(T.ClearTable(true), std::runtime_error);
         }},
        {"PrepareDeal, the deck's event aborts",
         [&](TLuCardTable& T, TLuCardGroup&) {
             T.VirtualDeck()->AfterPrepareDeck = [&](TLuVirtualDeck*) { Abort(); };
             EXPECT_THROW(T.PrepareDeal(), platform::EAbort);
         }},
        {"DealToGroup, a dealt card fails",
         [&](TLuCardTable& T, TLuCardGroup& G) {
             G.OnCardIDChange = [&](TLuCustomCardControl*, TLuSingleCard*) { Throw(); };
             EXPECT_THROW(T.DealToGroup(&G), std::runtime_error);
         }},
        {"DealToPlayers, AfterDealingFinish fails",
         [&](TLuCardTable& T, TLuCardGroup&) {
             T.AfterDealingFinish = [&](TLuCardTable*) { Throw(); };
             EXPECT_THROW(T.DealToPlayers(true), std::runtime_error);
         }},
        {"DealToPlayers, automatic play reaches a person",
         [&](TLuCardTable& T, TLuCardGroup& G) {
             T.GameOptions().SetAutoPlay(true);
             G.SetController(ctHuman);
             EXPECT_THROW(T.DealToPlayers(false), platform::EAbort);
         }},
        {"DealToTable, AfterAddCard fails",
         [&](TLuCardTable& T, TLuCardGroup&) {
             T.GameOptions().SetTableOpenCards(2);
             T.AfterAddCard = [&](TLuCardTable*, int, int, TLuSingleCard*, int, int, bool) { Throw(); };
             EXPECT_THROW(T.DealToTable(), std::runtime_error);
         }},
        {"DealToTable, AfterDealToTable aborts",
         [&](TLuCardTable& T, TLuCardGroup&) {
             T.AfterDealToTable = [&](TLuCardTable*, int, int, TLuSingleCard*) { Abort(); };
             EXPECT_THROW(T.DealToTable(), platform::EAbort);
         }},
    };
    TLuVirtualDeck Deck;
    for (const ErrorCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TLuCardTable* T = MakeTable();
        T->GameOptions().SetTakeDelay(0);
        T->SetVirtualDeck(&Deck);
        T->ClearTable(false);
        Deck.Prepare();
        TLuCardGroup* G = MakePlayer({5, 6}, ctComputer, true, T);
        Case.Act(*T, *G);
        EXPECT_EQ(BusyCount(), 0u);
        EXPECT_FALSE(Busy());
        T->SetVirtualDeck(nullptr);
        Deck.AfterPrepareDeck = nullptr;
    }
}

} // namespace
