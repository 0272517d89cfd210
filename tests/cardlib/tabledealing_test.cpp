// Dealing from a card table: starting a party, drawing from the virtual
// deck, filling groups (reserved places skipped, stopping when the deck runs
// out), dealing to the players around the dealer, laying closed and open
// cards onto the table, the events of all this in their order, and the
// game's deal of two centre piles from one virtual deck.
#include "tabletesting.h"

#include "tests/support/seams.h"

#include <QDateTime>

#include <algorithm>
#include <set>

using namespace table_testing;

namespace {

class TableDealingTest : public TableTest {
protected:
    TableDealingTest()
    {
        Deck.SetShuffleCount(100);
        Table->SetVirtualDeck(&Deck);
        Table->ClearTable(false);
    }

    // The order in which a deck like Deck, prepared now, hands out its cards.
    std::vector<int> ExpectedOrder()
    {
        TLuVirtualDeck Same;
        Same.IncludedCards().Assign(Deck.IncludedCards());
        Same.SetShuffleCount(Deck.ShuffleCount());
        Same.Prepare();
        return DrawAll(Same);
    }

    static std::vector<int> Slice(const std::vector<int>& IDs, std::size_t From, std::size_t Count)
    {
        return std::vector<int>(IDs.begin() + static_cast<std::ptrdiff_t>(From),
                                IDs.begin() + static_cast<std::ptrdiff_t>(From + Count));
    }

    // A one-card group per player, all places empty.
    std::vector<TLuCardGroup*> MakeHands(int Count, TLuCardTable* On = nullptr)
    {
        std::vector<TLuCardGroup*> Hands;
        for (int I = 0; I < Count; ++I) {
            Hands.push_back(MakePlayer({9}, ctComputer, true, On));
            Hands.back()->EmptyAllCards();
        }
        return Hands;
    }

    // The clock stands still: every preparation shuffles the same way.
    testing_support::FixedClock Clock{QDateTime(QDate(2026, 12, 10), QTime(7, 15, 30, 250), Qt::UTC)};
    TLuVirtualDeck Deck;
};

// ---------------------------------------------------------------------------
// Starting a party and drawing

// The tests below take the order of the deck from a second deck prepared at
// the same moment. Its start, worked out apart from this program with the
// generator, the seed from the fixed clock (07:15:30.250 gives 26130250)
// and 100 exchange passes, anchors them.
TEST_F(TableDealingTest, TheFixedClockGivesAKnownOrder)
{
    EXPECT_EQ(Slice(ExpectedOrder(), 0, 12), (std::vector<int>{47, 12, 46, 50, 31, 14, 23, 41, 19, 26, 13, 9}));
    Table->PrepareDeal();
    std::vector<int> Drawn;
    for (int K = 0; K < 3; ++K)
        Drawn.push_back(Table->NextDeckCard());
    EXPECT_EQ(Drawn, (std::vector<int>{47, 12, 46}));
}

TEST_F(TableDealingTest, PrepareDealCountsTheDeckAsItWasBeforePreparingIt)
{
    Table->GameOptions().SetSuitChecking(true);
    TLuCardGroup* Player = MakePlayer({41, 42});
    Table->GameOptions().SetTrump(stHeart);
    Player->PlayCard(0, false, tpAuto);
    Player->PlayCard(1, false, tpAuto);
    ASSERT_TRUE(Table->TrumpPlayed());

    int Prepared = 0;
    Deck.AfterPrepareDeck = [&](TLuVirtualDeck*) { ++Prepared; };
    Table->PrepareDeal(); // a deck never prepared counts 52
    EXPECT_EQ(Table->CardsLeft(), 52);
    EXPECT_EQ(Prepared, 1);
    EXPECT_FALSE(Table->TrumpPlayed());
    EXPECT_EQ(Deck.NextIndex(), 51);

    // A composition changed since: the party still counts the last deck.
    for (int Suit = 1; Suit <= 4; ++Suit)
        Deck.IncludedCards().SuitByIndex(Suit).SetAll(2);
    Table->PrepareDeal();
    EXPECT_EQ(Table->CardsLeft(), 52);
    EXPECT_EQ(Deck.CardCount(), 104);
    Table->PrepareDeal();
    EXPECT_EQ(Table->CardsLeft(), 104);
}

TEST_F(TableDealingTest, WithoutADeckNothingIsDrawn)
{
    Table->SetVirtualDeck(nullptr);
    Table->PrepareDeal();
    EXPECT_EQ(Table->CardsLeft(), 0);
    EXPECT_EQ(Table->NextDeckCard(), -1);
    TLuCardGroup* Hand = MakePlayer({9, 10});
    Hand->EmptyAllCards();
    Table->DealToGroup(Hand);
    EXPECT_EQ(Hand->NonEmptyCount(), 0);
    RecordTableEvents();
    Table->DealToPlayers(false);
    Table->GameOptions().SetTableOpenCards(1);
    Table->DealToTable(); // nothing laid: no announcement
    Table->GameOptions().SetTableOpenCards(0);
    Table->DealToTable(); // nothing to lay: announced
    EXPECT_EQ(Log, (QStringList{"DealingFinish", "DealToTable count 0 pos 3"}));
    EXPECT_EQ(Hand->NonEmptyCount(), 0);
    EXPECT_EQ(BusyCount(), 0u);
}

TEST_F(TableDealingTest, ADeckDestroyedFirstLeavesTheTableWithoutOne)
{
    auto* Gone = new TLuVirtualDeck;
    Table->SetVirtualDeck(Gone);
    EXPECT_EQ(Table->VirtualDeck(), Gone);
    delete Gone;
    EXPECT_EQ(Table->VirtualDeck(), nullptr);
    Table->PrepareDeal();
    EXPECT_EQ(Table->NextDeckCard(), -1);
    EXPECT_EQ(Table->CardsLeft(), 0);
}

TEST_F(TableDealingTest, NextDeckCardFollowsTheDeckUntilItRunsOut)
{
    OnlyClubs(Deck, {2, 3, 4});
    const std::vector<int> Expected = ExpectedOrder();
    Table->PrepareDeal();
    std::vector<int> Drawn;
    for (int K = 0; K < 5; ++K) {
        const int ID = Table->NextDeckCard();
        EXPECT_FALSE(Busy());
        Drawn.push_back(ID);
    }
    EXPECT_EQ(Drawn, (std::vector<int>{Expected[0], Expected[1], Expected[2], -1, -1}));
}

// ---------------------------------------------------------------------------
// Dealing into a group

TEST_F(TableDealingTest, ReservedPlacesAreSkipped)
{
    const std::vector<int> Expected = ExpectedOrder();
    TLuCardGroup* Pile = MakePlayer({});
    for (int I = 0; I < 21; ++I)
        Pile->CardList().Add();
    Pile->EmptyAllCards();
    for (int I = 16; I < 21; ++I) {
        Pile->CardAt(I)->SetReserved(true);
        Pile->CardAt(I)->SetID(50);
    }
    Table->PrepareDeal();
    Table->DealToGroup(Pile);
    EXPECT_EQ(Pile->NonEmptyCount(), 16);
    EXPECT_EQ(Slice(IDs(*Pile), 0, 16), Slice(Expected, 0, 16));
    for (int I = 16; I < 21; ++I) {
        EXPECT_TRUE(Pile->CardAt(I)->Empty());
        EXPECT_EQ(Pile->CardAt(I)->ID(), 50);
    }
    EXPECT_EQ(Deck.NextIndex(), 51 - 16);

    // A reserved place in the middle is passed over too.
    Pile->EmptyAllCards();
    Pile->CardAt(3)->SetReserved(true);
    Table->PrepareDeal();
    Table->DealToGroup(Pile);
    EXPECT_EQ(Pile->NonEmptyCount(), 15);
    EXPECT_TRUE(Pile->CardAt(3)->Empty());
    EXPECT_EQ(Pile->CardAt(4)->ID(), Expected[3]);
}

TEST_F(TableDealingTest, DealingStopsAtTheFirstCardTheDeckCannotFill)
{
    OnlyClubs(Deck, {5, 6, 7});
    const std::vector<int> Expected = ExpectedOrder();
    TLuCardGroup* Hand = MakePlayer({40, 41, 42, 43, 44});
    Hand->EmptyAllCards();
    Table->PrepareDeal();
    Table->DealToGroup(Hand);
    EXPECT_EQ(IDs(*Hand), (std::vector<int>{Expected[0], Expected[1], Expected[2], 43, 44}));
    EXPECT_EQ(Hand->NonEmptyCount(), 3);
    EXPECT_TRUE(Hand->CardAt(3)->Empty());
}

TEST_F(TableDealingTest, DealtCardsKeepTheirFaceAndShow)
{
    TLuCardGroup* FaceDown = MakePlayer({9});
    FaceDown->SetShowBack(true);
    FaceDown->EmptyAllCards();
    TLuCardGroup* FaceUp = MakePlayer({9});
    FaceUp->EmptyAllCards();
    const std::vector<int> Expected = ExpectedOrder();
    Table->PrepareDeal();
    Table->DealToGroup(FaceDown);
    Table->DealToGroup(FaceUp);
    EXPECT_TRUE(FaceDown->CardAt(0)->ShowBack());
    EXPECT_FALSE(FaceUp->CardAt(0)->ShowBack());
    using group_testing::Block;
    using group_testing::Shown;
    EXPECT_EQ(Block(FaceDown->Buffer(), 0, 0, CardWidth, CardHeight),
              Shown(CardImage(BackImageIndex(cbDefault)), CardWidth, CardHeight));
    EXPECT_EQ(Block(FaceUp->Buffer(), 0, 0, CardWidth, CardHeight), Shown(CardImage(Expected[1]), CardWidth, CardHeight));
}

// ---------------------------------------------------------------------------
// Dealing to the players

TEST_F(TableDealingTest, TheDealerRoleMovesOnAndDealingStartsAfterIt)
{
    struct Row {
        const char* What;
        int Dealer; // -1: none
        bool MoveDealer;
        int CurrentBefore;
        std::vector<int> Order; // players in the order they are served
        int DealerAfter;
        int CurrentAfter;
    } const Rows[] = {
        {"dealer 2 moves to 3", 2, true, 0, {4, 0, 1, 2, 3}, 3, 4},
        {"dealer 2 stays", 2, false, 0, {3, 4, 0, 1, 2}, 2, 3},
        {"the last player deals and the role wraps", 4, true, 0, {1, 2, 3, 4, 0}, 0, 1},
        {"no dealer: from the turn the table left", -1, true, 2, {2, 3, 4, 0, 1}, -1, 2},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.What);
        TLuCardTable* On = MakeTable();
        On->SetVirtualDeck(&Deck);
        std::vector<TLuCardGroup*> Hands = MakeHands(5, On);
        QStringList DealerChanges;
        for (int I = 0; I < 5; ++I) {
            Hands[static_cast<std::size_t>(I)]->SetDealer(I == R.Dealer);
            Hands[static_cast<std::size_t>(I)]->OnDealerChange = [&, I](TLuCardGroup* G) {
                DealerChanges << QStringLiteral("%1 %2").arg(I).arg(G->Dealer());
            };
        }
        // Turns taken by accepted cards put the turn where the party left it.
        TLuCardGroup* Cards = MakePlayer({2, 3, 4, 5}, ctComputer, false, On);
        for (int K = 0; K < R.CurrentBefore; ++K)
            On->AddCard(*Cards->CardAt(K), false, nullptr);
        ASSERT_EQ(On->CurrentPlayer(), R.CurrentBefore);
        const std::vector<int> Expected = ExpectedOrder();
        On->PrepareDeal();
        On->DealToPlayers(R.MoveDealer);
        for (std::size_t Served = 0; Served < R.Order.size(); ++Served)
            EXPECT_EQ(Hands[static_cast<std::size_t>(R.Order[Served])]->CardAt(0)->ID(), Expected[Served])
                << "player " << R.Order[Served];
        for (int I = 0; I < 5; ++I)
            EXPECT_EQ(Hands[static_cast<std::size_t>(I)]->Dealer(), I == R.DealerAfter) << I;
        if (R.Dealer >= 0 && R.MoveDealer)
            EXPECT_EQ(DealerChanges, (QStringList{QStringLiteral("%1 0").arg(R.Dealer),
                                                  QStringLiteral("%1 1").arg(R.DealerAfter)}));
        else
            EXPECT_TRUE(DealerChanges.isEmpty());
        EXPECT_EQ(On->CurrentPlayer(), R.CurrentAfter);
        EXPECT_EQ(On->TrickCardCount(), 0);
        On->SetVirtualDeck(nullptr);
    }
}

TEST_F(TableDealingTest, APlayerWithoutAGroupKeepsItsTurnButGetsNothing)
{
    std::vector<TLuCardGroup*> Hands = MakeHands(1);
    Table->PlayerList().AddGroup(nullptr);
    std::vector<TLuCardGroup*> More = MakeHands(1);
    Hands[0]->SetDealer(true);
    const std::vector<int> Expected = ExpectedOrder();
    Table->PrepareDeal();
    // Dealer 0; the role would go to player 1, which names no group.
    Table->DealToPlayers(true);
    EXPECT_FALSE(Hands[0]->Dealer());
    EXPECT_FALSE(More[0]->Dealer());
    EXPECT_EQ(Table->CurrentPlayer(), 2);
    EXPECT_EQ(More[0]->CardAt(0)->ID(), Expected[0]);
    EXPECT_EQ(Hands[0]->CardAt(0)->ID(), Expected[1]);
}

TEST_F(TableDealingTest, ATurnLeftBeyondThePlayersStartsAtTheFirst)
{
    // Cards accepted while the table had no players count the turn up.
    TLuCardGroup* Cards = MakePlayer({2, 3, 4}, ctComputer, false);
    for (int K = 0; K < 3; ++K)
        Table->AddCard(*Cards->CardAt(K), false, nullptr);
    ASSERT_EQ(Table->CurrentPlayer(), 3);
    std::vector<TLuCardGroup*> Hands = MakeHands(2);
    const std::vector<int> Expected = ExpectedOrder();
    Table->PrepareDeal();
    Table->DealToPlayers(false);
    EXPECT_EQ(Hands[0]->CardAt(0)->ID(), Expected[0]);
    EXPECT_EQ(Hands[1]->CardAt(0)->ID(), Expected[1]);
    EXPECT_EQ(Table->CurrentPlayer(), 0);
}

TEST_F(TableDealingTest, EveryGroupIsDealtBeforeDealingFinishes)
{
    OnlyClubs(Deck, {2, 3, 4, 5, 6, 7, 8});
    std::vector<TLuCardGroup*> Hands;
    for (int I = 0; I < 3; ++I) {
        Hands.push_back(MakePlayer({40, 41, 42}));
        Hands.back()->EmptyAllCards();
    }
    int Finished = 0;
    Table->AfterDealingFinish = [&](TLuCardTable*) {
        ++Finished;
        EXPECT_EQ(Hands[2]->NonEmptyCount(), 1); // the deck ran out inside it
        EXPECT_TRUE(Busy());
    };
    Table->PrepareDeal();
    Table->DealToPlayers(false);
    EXPECT_EQ(Finished, 1);
    EXPECT_EQ(Hands[0]->NonEmptyCount(), 3);
    EXPECT_EQ(Hands[1]->NonEmptyCount(), 3);
    EXPECT_EQ(Hands[2]->NonEmptyCount(), 1);
}

TEST_F(TableDealingTest, DealingToNoPlayersOnlyFinishes)
{
    RecordTableEvents();
    Table->PrepareDeal();
    Table->DealToPlayers(true);
    EXPECT_EQ(Log, (QStringList{"DealingFinish"}));
    EXPECT_EQ(Deck.NextIndex(), 51);
}

TEST_F(TableDealingTest, AutomaticPlayStartsWithThePlayerAfterTheDealer)
{
    Table->GameOptions().SetAutoPlay(true);
    std::vector<TLuCardGroup*> Hands = MakeHands(3);
    Hands[0]->SetDealer(true);
    QStringList Plays;
    for (int I = 0; I < 3; ++I)
        Hands[static_cast<std::size_t>(I)]->AfterPlay = [&, I](TLuCardGroup*, int, TLuTablePos) {
            Plays << QString::number(I);
        };
    Table->PrepareDeal();
    Table->DealToPlayers(true); // dealer 1, player 2 starts
    EXPECT_EQ(Plays, (QStringList{"2", "0", "1"}));
    EXPECT_EQ(Table->PlayedCardsCount(), 3);
}

// ---------------------------------------------------------------------------
// Dealing onto the table

TEST_F(TableDealingTest, ClosedCardsFirstThenOpenOnes)
{
    const std::vector<int> Expected = ExpectedOrder();
    RecordTableEvents();
    Table->GameOptions().SetTableCloseCards(1);
    Table->GameOptions().SetTableOpenCards(1);
    Table->SetLandingPosition(0);
    Table->PrepareDeal();
    Table->DealToTable();
    EXPECT_EQ(Log, (QStringList{QStringLiteral("Add count 1 pos 0 top %1 prev -1 owned 0").arg(Expected[0]),
                                QStringLiteral("Add count 2 pos 1 top %1 prev %2 owned 0").arg(Expected[1]).arg(Expected[0]),
                                "DealToTable count 2 pos 1"}));
    EXPECT_TRUE(Table->CardBottom()->ShowBack());
    EXPECT_FALSE(Table->CardLeft()->ShowBack());
    EXPECT_EQ(TableImage(), ExpectedTable({{0, Expected[0], true}, {1, Expected[1]}}));
    // Dealt cards count down the party but are no trick.
    EXPECT_EQ(Table->CardsLeft(), 50);
    EXPECT_EQ(Table->TrickCardCount(), 0);
    EXPECT_EQ(Table->CurrentPlayer(), 0);
}

TEST_F(TableDealingTest, NothingToDealStillAnnouncesTheLandingPosition)
{
    RecordTableEvents();
    Table->SetLandingPosition(2);
    Table->DealToTable();
    EXPECT_EQ(Log, (QStringList{"DealToTable count 0 pos 2"}));
    Table->GameOptions().SetTableOpenCards(-3); // a negative count deals nothing either
    Table->DealToTable();
    EXPECT_EQ(Log.size(), 2);
}

TEST_F(TableDealingTest, ADeckThatRunsOutEndsWithoutTheAnnouncement)
{
    OnlyClubs(Deck, {12});
    RecordTableEvents();
    Table->GameOptions().SetTableOpenCards(3);
    Table->PrepareDeal();
    Table->DealToTable();
    EXPECT_EQ(Log, (QStringList{"Add count 1 pos 3 top 12 prev -1 owned 0"}));
}

TEST_F(TableDealingTest, DealtCardsFlyFromTheDeckWithTheTablesSprite)
{
    TLuSprite Sprite(&Form);
    FlightLog Flights(Sprite);
    Deck.SetOriginX(5);
    Deck.SetOriginY(7);
    TLuCardGroup* Hand = MakePlayer({40, 41}); // at (20, 450), cards 76 apart
    Hand->EmptyAllCards();
    Hand->CardAt(1)->SetShowBack(true);
    Table->GameOptions().SetTableCloseCards(1);
    Table->GameOptions().SetTableOpenCards(1);
    Table->SetLandingPosition(0);
    Table->SetCardBack(cbFlower);
    const std::vector<int> Expected = ExpectedOrder();

    // No sprite: nothing flies.
    Table->PrepareDeal();
    Table->DealToGroup(Hand);
    EXPECT_TRUE(Flights.Moves.isEmpty());

    Hand->EmptyAllCards();
    Table->SetSprite(&Sprite);
    Table->PrepareDeal();
    Table->DealToGroup(Hand);
    Table->DealToTable();
    EXPECT_EQ(Flights.Moves, (QStringList{"from 5,7 to 20,450", "from 5,7 to 96,450", "from 5,7 to 324,260",
                                          "from 5,7 to 300,225"}));
    // A card shows its face, or the table's back design when it lies face down.
    const QImage Back = CardImage(BackImageIndex(cbFlower))->Picture;
    ASSERT_EQ(Flights.Pictures.size(), 4u);
    EXPECT_EQ(Flights.Pictures[0], CardImage(Expected[0])->Picture);
    EXPECT_EQ(Flights.Pictures[1], Back);
    EXPECT_EQ(Flights.Pictures[2], Back);
    EXPECT_EQ(Flights.Pictures[3], CardImage(Expected[3])->Picture);
    EXPECT_FALSE(Sprite.Visible());

    // Without a deck nothing is dealt, so nothing flies.
    Flights.Moves.clear();
    Table->SetVirtualDeck(nullptr);
    Table->DealToTable();
    EXPECT_TRUE(Flights.Moves.isEmpty());
}

// ---------------------------------------------------------------------------
// The game's deal: two centre piles from one virtual deck

class TwoPileDealTest : public TableDealingTest {
protected:
    struct Side {
        TLuCardTable* Centre = nullptr;
        TLuCardGroup* Pile = nullptr;
        std::vector<TLuCardGroup*> Slots;
    };

    Side MakeSide(int Y)
    {
        Side S;
        S.Centre = MakeTable(300, Y);
        S.Centre->SetVirtualDeck(&Deck);
        S.Centre->GameOptions().SetTableOpenCards(1);
        S.Pile = MakePlayer({}, ctComputer, true, S.Centre);
        for (int I = 0; I < 21; ++I)
            S.Pile->CardList().Add();
        S.Pile->SetShowBack(true);
        for (int I = 0; I < 4; ++I)
            S.Slots.push_back(MakePlayer({14}, ctComputer, true, S.Centre));
        return S;
    }

    // The deal of one side, in the game's order.
    static void Deal(const Side& S)
    {
        S.Centre->ClearTable(true);
        S.Centre->SetEmpty(true);
        S.Centre->PrepareDeal();
        S.Centre->DealToPlayers(true);
        S.Centre->SetLandingPosition(2);
        S.Centre->DealToTable();
    }

    // The side's 26 cards: the pile's, the four slots' and the centre card.
    static std::vector<int> Cards(const Side& S)
    {
        std::vector<int> All = IDs(*S.Pile);
        for (TLuCardGroup* Slot : S.Slots)
            All.push_back(Slot->CardAt(0)->ID());
        All.push_back(S.Centre->CardTop()->ID());
        return All;
    }
};

TEST_F(TwoPileDealTest, EachSideGetsAFullDeckOfItsOwn)
{
    Side One = MakeSide(20);
    Side Two = MakeSide(250);
    const std::vector<int> Expected = ExpectedOrder();
    QStringList Order;
    Deck.AfterPrepareDeck = [&](TLuVirtualDeck*) { Order << "prepare"; };
    for (Side* S : {&One, &Two}) {
        S->Centre->AfterDealingFinish = [&](TLuCardTable*) { Order << "players dealt"; };
        S->Centre->AfterAddCard = [&](TLuCardTable*, int, int Pos, TLuSingleCard*, int, int, bool) {
            Order << QStringLiteral("centre card at %1").arg(Pos);
        };
        S->Centre->AfterDealToTable = [&](TLuCardTable*, int Count, int, TLuSingleCard*) {
            Order << QStringLiteral("table dealt %1").arg(Count);
        };
    }

    Deal(One);
    Deal(Two);
    const QStringList OneSide{"prepare", "players dealt", "centre card at 2", "table dealt 1"};
    EXPECT_EQ(Order, OneSide + OneSide);

    for (const Side* S : {&One, &Two}) {
        const std::vector<int> Got = Cards(*S);
        ASSERT_EQ(Got.size(), 26u);
        // Each side's cards are different cards of one full deck...
        EXPECT_EQ(std::set<int>(Got.begin(), Got.end()).size(), 26u);
        for (int ID : Got)
            EXPECT_TRUE(ID >= 2 && ID <= 53) << ID;
        // ...dealt from a deck prepared afresh for it: pile first, then the
        // slots in turn order, then the centre card.
        EXPECT_EQ(Got, Slice(Expected, 0, 26));
        EXPECT_EQ(S->Pile->NonEmptyCount(), 21);
        EXPECT_TRUE(S->Pile->CardAt(0)->ShowBack());
        EXPECT_FALSE(S->Slots[0]->CardAt(0)->ShowBack());
        EXPECT_EQ(S->Centre->TopCardPos(), 2);
        EXPECT_EQ(S->Centre->PlayedCardsCount(), 1);
        EXPECT_EQ(S->Centre->CardsLeft(), 51);
        EXPECT_FALSE(S->Centre->Empty());
    }
    EXPECT_EQ(Deck.NextIndex(), 51 - 26);
    EXPECT_EQ(BusyCount(), 0u);
}

TEST_F(TwoPileDealTest, ADoubleDeckDealsTheAppendedPlacesAndSkipsReservedOnes)
{
    Side One = MakeSide(20);
    for (int Suit = 1; Suit <= 4; ++Suit)
        Deck.IncludedCards().SuitByIndex(Suit).SetAll(2);
    for (int I = 0; I < 26; ++I)
        One.Pile->CardList().Add()->Card()->SetEmpty(true);
    Deck.Prepare(); // the party counts the deck as it was last prepared
    Deal(One);
    EXPECT_EQ(One.Pile->NonEmptyCount(), 47);
    EXPECT_EQ(One.Centre->CardsLeft(), 104 - 1);

    // Back to a single deck: the appended places are reserved again.
    for (int Suit = 1; Suit <= 4; ++Suit)
        Deck.IncludedCards().SuitByIndex(Suit).SetAll(1);
    for (int I = 21; I < 47; ++I)
        One.Pile->CardAt(I)->SetReserved(true);
    Deal(One);
    EXPECT_EQ(One.Pile->NonEmptyCount(), 21);
    EXPECT_EQ(Deck.NextIndex(), 51 - 26);
}

} // namespace
