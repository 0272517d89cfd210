// The card table at play: tricks, parties and turns, automatic play,
// handing the top card on (also through a way station and with a sprite),
// and a table or group closed while it waits.
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

} // namespace
