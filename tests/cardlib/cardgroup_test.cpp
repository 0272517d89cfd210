// The card group as a holder of cards: its queries, the order of its list
// events (also while it is loaded and when it goes), its setters and what
// they pass on to the cards, and its plays onto a real card table: the
// handshake, the play delay under the busy state, automatic play and its
// silent abort for groups that a person plays.
#include "cardgrouptesting.h"

#include "cardlib/lubusy.h"
#include "cardlib/lusprite.h"
#include "cardlib/luwait.h"
#include "platform/abort.h"
#include "platform/random.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

#include <memory>

using namespace group_testing;

namespace {

using CardGroupTest = GroupTest;

TEST_F(CardGroupTest, NewGroupIsOneEmptyCardPlaceWide)
{
    TLuCardGroup Group(&Form);
    EXPECT_EQ(Group.Buffer().size(), QSize(CardWidth, CardHeight));
    EXPECT_EQ(Group.size(), QSize(CardWidth, CardHeight));
    EXPECT_FALSE(Group.Empty());
    EXPECT_EQ(Group.Tightness(), 16);
    EXPECT_EQ(Group.CardCursor(), Qt::PointingHandCursor);
    EXPECT_EQ(Group.Controller(), ctComputer);
    EXPECT_EQ(Group.CascadeStyle(), csNormal);
    EXPECT_EQ(Group.CascadeSide(), csRight);
    EXPECT_EQ(Group.TablePlayPos(), tpAuto);
    EXPECT_EQ(Group.SortStyle(), soNone);
    EXPECT_TRUE(Group.ShowOnlyPointCards());
    EXPECT_TRUE(Group.ShowBack());
    EXPECT_EQ(Group.Table(), nullptr);
    // The queries of a group without items.
    EXPECT_EQ(Group.ItemCount(), 0);
    EXPECT_EQ(Group.CardAt(0), nullptr);
    EXPECT_EQ(Group.NonEmptyCount(), 0);
    EXPECT_EQ(Group.RandomNonEmptyIndex(), -1);
    EXPECT_EQ(Group.FirstEmptyIndex(), -1);
    EXPECT_EQ(Group.IndexOfSuit(stClub), -1);
}

TEST_F(CardGroupTest, QueriesSkipEmptyCards)
{
    // hearts 5, clubs 3, hearts 9, spades 2, diamonds 4; places 0 and 3 empty.
    TLuCardGroup* Group = MakeGroup({44, 3, 48, 28, 17});
    Group->CardAt(0)->SetEmpty(true);
    Group->CardAt(3)->SetEmpty(true);

    EXPECT_EQ(Group->NonEmptyCount(), 3);
    EXPECT_EQ(Group->NonEmptyIndexes(), (std::vector<std::int32_t>{1, 2, 4}));
    struct {
        TLuCardSuitType Suit;
        int Expected;
    } const Suits[] = {{stHeart, 2}, {stClub, 1}, {stDiamond, 4}, {stSpade, -1}, {stJoker, -1}};
    for (const auto& Row : Suits)
        EXPECT_EQ(Group->IndexOfSuit(Row.Suit), Row.Expected) << "suit " << int(Row.Suit);
    EXPECT_EQ(Group->FirstEmptyIndex(), 0);

    for (int Outside : {-1, 5, 1000})
        EXPECT_EQ(Group->CardAt(Outside), nullptr) << Outside;
}

TEST_F(CardGroupTest, FirstEmptyIndexWithoutEmptyCardsIsTheLastPlace)
{
    TLuCardGroup* Group = MakeGroup({2, 3, 4});
    EXPECT_EQ(Group->FirstEmptyIndex(), 2);
    Group->CardAt(1)->SetEmpty(true);
    EXPECT_EQ(Group->FirstEmptyIndex(), 1);
}

TEST_F(CardGroupTest, RandomNonEmptyIndexDrawsFromTheProcessGenerator)
{
    TLuCardGroup* Group = MakeGroup({2, 3, 4, 5, 6, 7});
    Group->CardAt(1)->SetEmpty(true);
    Group->CardAt(4)->SetEmpty(true);
    // The non-empty places are 0, 2, 3 and 5; from these seeds one draw of
    // Random(4) gives 0, 1, 2 and 3 and steps the seed as listed.
    const struct {
        std::uint32_t Seed;
        int Index;
        std::uint32_t After;
    } Rows[] = {{1, 0, 134775814}, {8, 2, 1078206505}, {16, 3, 2156413009}, {24, 5, 3234619513}};
    for (const auto& Row : Rows) {
        platform::SetRandSeed(Row.Seed);
        EXPECT_EQ(Group->RandomNonEmptyIndex(), Row.Index) << "seed " << Row.Seed;
        EXPECT_EQ(platform::RandSeed(), Row.After) << "one draw per choice";
    }
    // No non-empty card: no draw at all.
    Group->EmptyAllCards();
    platform::SetRandSeed(77);
    EXPECT_EQ(Group->RandomNonEmptyIndex(), -1);
    EXPECT_EQ(platform::RandSeed(), 77u);
}

TEST_F(CardGroupTest, AddFiresAfterUpdateBeforeAfterAddCard)
{
    TLuCardGroup* Group = MakeGroup({});
    Group->SetCardBack(cbRobot);
    Group->SetShowBack(false);
    TLuCardTable* Table = MakeTable();
    Group->SetTable(Table);
    QStringList Log;
    Group->AfterUpdate = [&](TLuCardGroup* Sender) {
        const int Last = Sender->ItemCount() - 1;
        Log << QStringLiteral("Update count %1 card %2").arg(Sender->ItemCount()).arg(Sender->CardAt(Last) ? "yes" : "none");
    };
    Group->AfterAddCard = [&](TLuCardGroup* Sender, TLuSingleCard* Card) {
        Log << QStringLiteral("AddCard index %1 same %2").arg(Card->Index()).arg(Card == Sender->CardAt(Card->Index()));
    };
    TLuCardItem* First = Group->CardList().Add();
    TLuCardItem* Second = Group->CardList().Add();
    EXPECT_EQ(Log, (QStringList{"Update count 1 card none", "AddCard index 0 same 1", "Update count 2 card none",
                                "AddCard index 1 same 1"}));

    // The new card takes the group's settings and knows its place.
    EXPECT_EQ(Second->Group(), Group);
    EXPECT_EQ(Second->Index(), 1);
    EXPECT_EQ(First->Card()->Owner(), Group);
    EXPECT_EQ(Second->Card()->CardBack(), cbRobot);
    EXPECT_FALSE(Second->Card()->ShowBack());
    EXPECT_EQ(Second->Card()->Table(), Table);
    EXPECT_EQ(Second->Card()->ID(), 14);
}

TEST_F(CardGroupTest, ItemCardPropertyCopiesIntoTheOwnedCard)
{
    TLuCardGroup* Group = MakeGroup({2});
    TLuCardGroup* Other = MakeGroup({53}, false);
    Other->CardAt(0)->SetEmpty(true);
    TLuSingleCard* Owned = Group->CardAt(0);
    Group->CardList().Items(0)->SetCard(*Other->CardAt(0));
    EXPECT_EQ(Group->CardAt(0), Owned) << "the owned card is never replaced";
    EXPECT_EQ(Owned->ID(), 53);
    EXPECT_TRUE(Owned->ShowBack());
    EXPECT_TRUE(Owned->Empty());
    EXPECT_EQ(Owned->Owner(), Group);
}

TEST_F(CardGroupTest, LoadingAddsItemsSilentlyAndAutoEmptyEmptiesThemAtTheEnd)
{
    for (bool AutoEmpty : {false, true}) {
        SCOPED_TRACE(AutoEmpty ? "AutoEmpty" : "not AutoEmpty");
        TLuCardGroup Group(&Form);
        QStringList Log;
        Group.AfterUpdate = [&](TLuCardGroup*) { Log << "Update"; };
        Group.AfterAddCard = [&](TLuCardGroup*, TLuSingleCard*) { Log << "AddCard"; };
        Group.BeginLoad();
        Group.SetAutoEmpty(AutoEmpty);
        Group.SetShowBack(false);
        Group.SetAutoTight(true);
        Group.SetBounds(0, 0, 300, 96);
        for (int ID : {20, 30, 40})
            Group.CardList().Add()->Card()->SetID(ID);
        EXPECT_TRUE(Log.isEmpty()) << Log.join(',').toStdString();
        // Stored items come with no layout step: the stored Tightness stands.
        EXPECT_EQ(Group.Tightness(), 16);
        Group.EndLoad();
        EXPECT_EQ(Group.ItemCount(), 3);
        EXPECT_EQ(Group.NonEmptyCount(), AutoEmpty ? 0 : 3);
        EXPECT_EQ(IDs(Group), (std::vector<int>{20, 30, 40}));
        // Loaded, the group reports its changes again.
        Group.CardList().Add();
        EXPECT_EQ(Log, (QStringList{"Update", "AddCard"}));
    }
}

TEST_F(CardGroupTest, DeleteRenumbersAndClearEmptiesTheBuffer)
{
    TLuCardGroup* Group = MakeGroup({2, 3, 4, 5});
    QStringList Log;
    Group->AfterUpdate = [&](TLuCardGroup* Sender) { Log << QStringLiteral("Update %1").arg(Sender->ItemCount()); };
    Group->AfterDeleteCard = [&](TLuCardGroup* Sender) { Log << QStringLiteral("Delete %1").arg(Sender->ItemCount()); };

    Group->CardList().Delete(1);
    Group->CardList().Delete(-1);
    Group->CardList().Delete(3);
    EXPECT_EQ(Log, (QStringList{"Delete 4", "Update 3"}));
    EXPECT_EQ(IDs(*Group), (std::vector<int>{2, 4, 5}));
    for (int I = 0; I < Group->ItemCount(); ++I)
        EXPECT_EQ(Group->CardAt(I)->Index(), I);
    // The layout follows: three cards side by side.
    EXPECT_EQ(Group->Buffer().width(), 223);

    Log.clear();
    Group->CardList().Clear();
    EXPECT_EQ(Log, (QStringList{"Delete 3", "Delete 3", "Delete 3", "Update 0"}));
    EXPECT_EQ(Group->ItemCount(), 0);
    EXPECT_TRUE(AllBackground(Group->Buffer(), {0, 0, Group->Width(), Group->Height()}));
}

TEST_F(CardGroupTest, DestroyingTheGroupFiresNoListEvents)
{
    QStringList Log;
    {
        TLuCardGroup Group(&Form);
        for (int I = 0; I < 3; ++I)
            Group.CardList().Add();
        Group.AfterUpdate = [&](TLuCardGroup*) { Log << "Update"; };
        Group.AfterDeleteCard = [&](TLuCardGroup*) { Log << "Delete"; };
    }
    EXPECT_TRUE(Log.isEmpty()) << Log.join(',').toStdString();
}

TEST_F(CardGroupTest, ScorePlayerNameAndDealerWithTheirLabels)
{
    TLuCardGroup* Group = MakeGroup({});
    QLabel ScoreLabel;
    QLabel NameLabel;
    auto DealerLabel = std::make_unique<QLabel>(QStringLiteral("old"));
    int ScoreChanges = 0;
    int DealerChanges = 0;
    Group->AfterScoreChange = [&](TLuCardGroup*) { ++ScoreChanges; };
    Group->OnDealerChange = [&](TLuCardGroup*) { ++DealerChanges; };

    Group->SetScoreLabel(&ScoreLabel);
    EXPECT_EQ(ScoreLabel.text(), "0");
    Group->SetScore(0);
    EXPECT_EQ(ScoreChanges, 0) << "an unchanged score does nothing";
    Group->SetScore(-12);
    EXPECT_EQ(ScoreChanges, 1);
    EXPECT_EQ(ScoreLabel.text(), "-12");

    Group->SetPlayerName(QStringLiteral("Ann"));
    Group->SetPlayerNameLabel(&NameLabel);
    EXPECT_EQ(NameLabel.text(), "Ann");
    Group->SetPlayerName(QStringLiteral("Bob"));
    EXPECT_EQ(NameLabel.text(), "Bob");

    Group->SetDealerLabel(DealerLabel.get());
    EXPECT_EQ(DealerLabel->text(), "");
    Group->SetDealer(true);
    EXPECT_EQ(DealerLabel->text(), "Dealer");
    Group->SetDealer(true);
    EXPECT_EQ(DealerChanges, 2) << "fired also when the value stays";
    // A label that goes before the group is forgotten, not written to.
    DealerLabel.reset();
    Group->SetDealer(false);
    EXPECT_EQ(DealerChanges, 3);
    EXPECT_EQ(Group->DealerLabel(), nullptr);
}

TEST_F(CardGroupTest, PlayDelayIgnoresNegativeValues)
{
    TLuCardGroup* Group = MakeGroup({});
    Group->SetPlayDelay(250);
    Group->SetPlayDelay(-1);
    EXPECT_EQ(Group->PlayDelay(), 250);
    Group->SetPlayDelay(0);
    EXPECT_EQ(Group->PlayDelay(), 0);
}

TEST_F(CardGroupTest, CardBackAndShowBackPassOnToEveryCardInOrder)
{
    TLuCardGroup* Group = MakeGroup({2, 3, 4}, false);
    QStringList Log;
    RecordCardEvents(*Group, Log);
    Group->SetCardBack(cbFlower);
    EXPECT_EQ(Log, (QStringList{"Back(0)", "Back(1)", "Back(2)"}));
    Log.clear();
    Group->SetShowBack(true);
    EXPECT_TRUE(Log.isEmpty()) << "already face down";
    Group->SetShowBack(false);
    EXPECT_EQ(Log, (QStringList{"ShowBack(0)", "ShowBack(1)", "ShowBack(2)"}));
    Group->SetShowBack(true);
    // Face down now, and a new back design shows at once on every card.
    Log.clear();
    Group->SetCardBack(cbCastle);
    EXPECT_EQ(Log, (QStringList{"Back(0)", "Back(1)", "Back(2)"}));
    const QImage Back = Shown(CardImage(BackImageIndex(cbCastle)), CardWidth, CardHeight);
    EXPECT_TRUE(SameImage(Block(Group->Buffer(), 152, 0, CardWidth, CardHeight), Back));
    EXPECT_TRUE(SameImage(Block(Group->Buffer(), 0, 0, CardWidth, CardHeight), Back));
    // Cards created later take the group's settings.
    EXPECT_EQ(Group->CardList().Add()->Card()->CardBack(), cbCastle);
}

TEST_F(CardGroupTest, TableAndSpritePassOnToEveryCard)
{
    TLuCardGroup* Group = MakeGroup({2, 3});
    TLuCardTable* Table = MakeTable();
    TLuSprite Sprite(&Form);
    Group->SetTable(Table);
    Group->SetSprite(&Sprite);
    for (int I = 0; I < 2; ++I) {
        EXPECT_EQ(Group->CardAt(I)->Table(), Table);
        EXPECT_EQ(Group->CardAt(I)->Sprite(), &Sprite);
    }
    Group->SetTable(nullptr);
    Group->SetSprite(nullptr);
    EXPECT_EQ(Group->CardAt(1)->Table(), nullptr);
    EXPECT_EQ(Group->CardAt(1)->Sprite(), nullptr);
}

TEST_F(CardGroupTest, RandomCardsDealStandardCardsUnlessTheGroupStartsEmpty)
{
    TLuCardGroup* Group = MakeGroup({14, 14, 14, 14}, false);
    // 2 + Random(52), four times from this seed.
    const std::vector<int> Expected{7, 27, 35, 32};
    platform::SetRandSeed(4242);
    Group->SetRandomCards(true);
    EXPECT_TRUE(Group->RandomCards());
    EXPECT_EQ(IDs(*Group), Expected);

    TLuCardGroup* Starting = MakeGroup({14, 20}, false);
    Starting->SetAutoEmpty(true);
    Starting->SetRandomCards(true);
    EXPECT_EQ(IDs(*Starting), (std::vector<int>{14, 20}));
    Group->SetRandomCards(false);
    EXPECT_EQ(IDs(*Group), Expected);
}

TEST_F(CardGroupTest, EmptyAllCardsGoesInListOrder)
{
    TLuCardGroup* Group = MakeGroup({2, 3, 4});
    Group->CardAt(1)->SetEmpty(true);
    QStringList Log;
    RecordCardEvents(*Group, Log);
    Group->EmptyAllCards();
    EXPECT_EQ(Log, (QStringList{"Empty(0)", "Empty(2)"}));
    EXPECT_TRUE(AllBackground(Group->Buffer(), {0, 0, Group->Buffer().width(), CardHeight}));
}

// ---------------------------------------------------------------------------
// Playing onto a table

class CardGroupPlayTest : public GroupTest {
protected:
    CardGroupPlayTest()
    {
        Table = MakeTable(400, 300);
        Table->ClearTable(false);
        Table->GameOptions().SetTakeDelay(0);
        Table->BeforeAddCard = [this](TLuCardTable*, TLuSingleCard* Card, bool, bool& Accept) {
            Log << QStringLiteral("Table takes %1 empty %2").arg(Card->ID()).arg(Card->Empty());
            Accept = Accept && !Refuse;
        };
        Table->AfterAddCard = [this](TLuCardTable*, int Count, int TopPos, TLuSingleCard*, int TopID, int, bool Owned) {
            Log << QStringLiteral("Table laid %1 at %2 count %3 owned %4").arg(TopID).arg(TopPos).arg(Count).arg(Owned);
        };
    }

    TLuCardGroup* MakePlayer(std::initializer_list<int> IDs)
    {
        TLuCardGroup* Group = MakeGroup(IDs);
        Group->SetBounds(100, 50, Group->Width(), Group->Height());
        Group->SetTable(Table);
        RecordCardEvents(*Group, Log);
        Group->AfterPlay = [this](TLuCardGroup*, int Position, TLuTablePos Pos) {
            Log << QStringLiteral("AfterPlay %1 pos %2").arg(Position).arg(int(Pos));
        };
        return Group;
    }

    TLuCardTable* Table = nullptr;
    QStringList Log;
    bool Refuse = false;
};

TEST_F(CardGroupPlayTest, PlayingAHandSlotOntoTheTopPosition)
{
    TLuCardGroup* Slot = MakePlayer({33});
    TLuSingleCard* Card = Slot->CardAt(0);
    Slot->PlayCard(0, false, tpTop);

    EXPECT_EQ(Log, (QStringList{"Empty(0)", QStringLiteral("AfterPlay 0 pos %1").arg(int(tpTop)),
                                "Table takes 33 empty 1", "Table laid 33 at 2 count 1 owned 1"}));
    EXPECT_EQ(Table->TopCardPos(), 2);
    EXPECT_EQ(Table->CardTop()->ID(), 33);
    EXPECT_FALSE(Table->CardTop()->ShowBack());
    // The card stays where it was, empty, with its ID.
    EXPECT_EQ(Slot->NonEmptyCount(), 0);
    EXPECT_EQ(Slot->CardAt(0), Card);
    EXPECT_TRUE(Card->Empty());
    EXPECT_EQ(Card->ID(), 33);
    EXPECT_TRUE(AllBackground(Slot->Buffer(), {0, 0, CardWidth, CardHeight}));
    EXPECT_EQ(BusyCount(), 0u);
}

TEST_F(CardGroupPlayTest, SpriteFliesFromTheCardToTheLandingPlaceBeforeAfterPlay)
{
    TLuSprite Sprite(&Form);
    Sprite.SetIncrementX(1000);
    Sprite.SetIncrementY(1000);
    Sprite.AfterMove = [this](TLuSprite* Flight) {
        Log << QStringLiteral("Flight %1,%2 to %3,%4")
                   .arg(Flight->HomeX())
                   .arg(Flight->HomeY())
                   .arg(Flight->X())
                   .arg(Flight->Y());
    };
    TLuCardGroup* Hand = MakePlayer({2, 3, 4}); // at (100, 50), cards 76 apart
    Hand->SetSprite(&Sprite);
    Hand->PlayCard(1, true, tpLeft);
    // From the card's corner plus one to the table (400, 300) plus the left place (0, 25).
    EXPECT_EQ(Log, (QStringList{"Empty(1)", "Flight 177,51 to 400,325",
                                QStringLiteral("AfterPlay 1 pos %1").arg(int(tpLeft)), "Table takes 3 empty 1",
                                "Table laid 3 at 1 count 1 owned 1"}));
    EXPECT_TRUE(Sprite.Bitmap() == Hand->CardAt(1)->BackImage()->Picture) << "face down shows the back";
    EXPECT_FALSE(Sprite.Visible());
}

TEST_F(CardGroupPlayTest, TablePositionsAndFaceDown)
{
    struct Row {
        TLuTablePos Pos;
        bool FaceDown;
        int Lands;
    } const Rows[] = {{tpBottom, false, 0}, {tpLeft, true, 1}, {tpTop, false, 2}, {tpRight, true, 3}};
    for (const Row& R : Rows) {
        SCOPED_TRACE(int(R.Pos));
        TLuCardGroup* Slot = MakePlayer({7});
        Slot->PlayCard(0, R.FaceDown, R.Pos);
        ASSERT_EQ(Table->TopCardPos(), R.Lands);
        EXPECT_EQ(Table->PositionCard(R.Lands)->ShowBack(), R.FaceDown);
    }
    // tpAuto keeps the landing position the table has, and AfterPlay hears tpAuto.
    Table->SetLandingPosition(1);
    Log.clear();
    TLuCardGroup* Slot = MakePlayer({9});
    Log.clear();
    Slot->PlayCard(0, false, tpAuto);
    EXPECT_EQ(Table->TopCardPos(), 1);
    EXPECT_TRUE(Log.contains(QStringLiteral("AfterPlay 0 pos %1").arg(int(tpAuto))));
}

TEST_F(CardGroupPlayTest, RefusedCardComesBackToItsPlace)
{
    TLuCardGroup* Slot = MakePlayer({33});
    Refuse = true;
    Slot->PlayCard(0, false, tpTop);
    EXPECT_EQ(Log, (QStringList{"Empty(0)", QStringLiteral("AfterPlay 0 pos %1").arg(int(tpTop)),
                                "Table takes 33 empty 1", "Empty(0)"}));
    EXPECT_FALSE(Slot->CardAt(0)->Empty());
    EXPECT_EQ(Table->PlayedCardsCount(), 0);
}

TEST_F(CardGroupPlayTest, NothingToPlayChangesNothing)
{
    struct Row {
        const char* What;
        int Position;
        bool EmptyCard;
        bool WithTable;
    } const Rows[] = {
        {"empty card", 0, true, true},
        {"no table", 0, false, false},
        {"position -1", -1, false, true},
        {"position past the end", 1, false, true},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.What);
        TLuCardGroup* Slot = MakePlayer({33});
        if (R.EmptyCard)
            Slot->CardAt(0)->SetEmpty(true);
        if (!R.WithTable)
            Slot->SetTable(nullptr);
        Log.clear();
        Slot->PlayCard(R.Position, false, tpTop);
        EXPECT_TRUE(Log.isEmpty()) << Log.join(',').toStdString();
        EXPECT_EQ(Slot->CardAt(0)->Empty(), R.EmptyCard);
        EXPECT_EQ(Table->PlayedCardsCount(), 0);
    }
}

TEST_F(CardGroupPlayTest, ComputerWaitsThePlayDelayUnderTheBusyState)
{
    TLuCardGroup* Slot = MakePlayer({33});
    Slot->SetPlayDelay(500);
    bool SeenBusy = false;
    bool TimerRan = false;
    QTimer::singleShot(0, [&] {
        TimerRan = true;
        SeenBusy = Busy();
    });
    QElapsedTimer Clock;
    Clock.start();
    Slot->PlayCard(0, false, tpTop);
    EXPECT_GE(Clock.elapsed(), 500);
    EXPECT_TRUE(TimerRan) << "the event loop runs during the pause";
    EXPECT_TRUE(SeenBusy);
    EXPECT_FALSE(Busy());
    EXPECT_EQ(Table->PlayedCardsCount(), 1);
}

TEST_F(CardGroupPlayTest, OtherControllersPlayWithoutTheDelay)
{
    for (TLuController Controller : {ctHuman, ctNetwork}) {
        TLuCardGroup* Slot = MakePlayer({33});
        Slot->SetController(Controller);
        Slot->SetPlayDelay(500);
        bool TimerRan = false;
        QTimer Timer;
        Timer.setSingleShot(true);
        QObject::connect(&Timer, &QTimer::timeout, [&] { TimerRan = true; });
        Timer.start(0);
        Slot->PlayCard(0, false, tpTop);
        EXPECT_FALSE(TimerRan) << "no pause, so no event loop";
        EXPECT_TRUE(Slot->CardAt(0)->Empty());
    }
}

TEST_F(CardGroupPlayTest, GroupClosedDuringThePlayDelayPlaysNothing)
{
    TLuCardGroup* Slot = MakePlayer({33});
    Slot->SetPlayDelay(50);
    QTimer::singleShot(0, [Slot] { delete Slot; });
    Slot->PlayCard(0, false, tpTop);
    EXPECT_EQ(Table->PlayedCardsCount(), 0);
    EXPECT_FALSE(Busy());
}

TEST_F(CardGroupPlayTest, ComputerTurnPlaysARandomNonEmptyCard)
{
    TLuCardGroup* Group = MakePlayer({2, 3, 4, 5});
    Group->CardAt(0)->SetEmpty(true);
    Group->SetTablePlayPos(tpRight);
    // One of the three non-empty places 1..3: from this seed the third.
    const int Expected = 3;
    platform::SetRandSeed(22);
    QStringList Before;
    Group->BeforePlay = [&](TLuCardGroup*, int& Position, TLuTablePos& Pos, bool& FaceDown) {
        Before << QStringLiteral("%1 %2 %3").arg(Position).arg(int(Pos)).arg(FaceDown);
    };
    Group->PlayTurn();
    EXPECT_EQ(Before, QStringList{QStringLiteral("%1 %2 0").arg(Expected).arg(int(tpRight))});
    EXPECT_TRUE(Group->CardAt(Expected)->Empty());
    EXPECT_EQ(Table->TopCardPos(), 3);
    EXPECT_EQ(Table->TopCardID(), 5);
}

TEST_F(CardGroupPlayTest, BeforePlayMayChooseTheCardThePlaceAndTheFace)
{
    TLuCardGroup* Group = MakePlayer({2, 3, 4});
    Group->BeforePlay = [](TLuCardGroup*, int& Position, TLuTablePos& Pos, bool& FaceDown) {
        Position = 2;
        Pos = tpLeft;
        FaceDown = true;
    };
    Group->PlayTurn();
    EXPECT_TRUE(Group->CardAt(2)->Empty());
    EXPECT_EQ(Table->TopCardPos(), 1);
    EXPECT_TRUE(Table->CardLeft()->ShowBack());
}

TEST_F(CardGroupPlayTest, ComputerTurnWithOnlyEmptyCardsPlaysNothing)
{
    TLuCardGroup* Group = MakePlayer({2, 3});
    Group->EmptyAllCards();
    int Seen = 0;
    Group->BeforePlay = [&](TLuCardGroup*, int& Position, TLuTablePos&, bool&) { Seen = Position; };
    Log.clear();
    Group->PlayTurn();
    EXPECT_EQ(Seen, -1);
    EXPECT_TRUE(Log.isEmpty()) << Log.join(',').toStdString();
    // A handler that names an empty card still plays nothing.
    Group->BeforePlay = [](TLuCardGroup*, int& Position, TLuTablePos&, bool&) { Position = 1; };
    Group->PlayTurn();
    EXPECT_EQ(Table->PlayedCardsCount(), 0);
}

TEST_F(CardGroupPlayTest, HumanAndNetworkTurnsAbortSilentlyAfterBeforePlay)
{
    for (TLuController Controller : {ctHuman, ctNetwork}) {
        SCOPED_TRACE(int(Controller));
        TLuCardGroup* Group = MakePlayer({2, 3});
        Group->SetController(Controller);
        int BeforePlayCalls = 0;
        Group->BeforePlay = [&](TLuCardGroup*, int& Position, TLuTablePos&, bool&) {
            ++BeforePlayCalls;
            Position = 0; // even a chosen card is not played
        };
        EXPECT_THROW(Group->PlayTurn(), platform::EAbort);
        EXPECT_EQ(BeforePlayCalls, 1);
        EXPECT_EQ(Group->NonEmptyCount(), 2);
        EXPECT_EQ(Table->PlayedCardsCount(), 0);
    }
}

TEST_F(CardGroupPlayTest, AutomaticPlayReentersTheNextGroupAndAbortsAtAPerson)
{
    // Turn order: the computer, then the person. The computer's card is
    // accepted; the table then asks the person's group to play, which ends
    // the operation, and every busy bracket on the way closes.
    TLuCardGroup* Computer = MakePlayer({5});
    TLuCardGroup* Person = MakePlayer({6});
    Person->SetController(ctHuman);
    Table->GameOptions().SetAutoPlay(true);
    Table->PlayerList().AddGroup(Computer);
    Table->PlayerList().AddGroup(Person);
    EXPECT_THROW(Computer->PlayCard(0, false, tpTop), platform::EAbort);
    EXPECT_EQ(Table->TopCardID(), 5);
    EXPECT_FALSE(Person->CardAt(0)->Empty());
    EXPECT_EQ(BusyCount(), 0u);

    // On a fresh table (turn at player 0), two computer groups: the first
    // plays, the table hands the turn to the second, which plays one card
    // from inside the first one's play, and back to the first, who has none.
    TLuCardTable* Fresh = MakeTable(600, 300);
    Fresh->GameOptions().SetAutoPlay(true);
    TLuCardGroup* Mine = MakePlayer({9});
    TLuCardGroup* Other = MakePlayer({7, 8});
    Mine->SetTable(Fresh);
    Other->SetTable(Fresh);
    Fresh->PlayerList().AddGroup(Mine);
    Fresh->PlayerList().AddGroup(Other);
    Mine->PlayCard(0, false, tpAuto);
    EXPECT_EQ(Mine->NonEmptyCount(), 0);
    EXPECT_EQ(Other->NonEmptyCount(), 1);
    EXPECT_EQ(Fresh->PlayedCardsCount(), 2);
    EXPECT_EQ(BusyCount(), 0u);
}

} // namespace
