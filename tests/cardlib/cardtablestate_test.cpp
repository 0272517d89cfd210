// The card table's clicks, clearing, its setters, and the busy state it
// holds around every operation, closed also when an error or the silent
// abort leaves the operation.
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
