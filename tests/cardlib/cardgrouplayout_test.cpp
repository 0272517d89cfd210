// How a card group lays out its cards: the layout setters with their clamps
// and chains, auto-tightening on resize and before an item is added, the
// cascades as they show in the real group's Buffer, the sort (with the
// order its quicksort gives cards of equal key), and the hit test.
#include "cardgrouptesting.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <climits>
#include <utility>

using namespace group_testing;

namespace {

using CardGroupLayoutTest = GroupTest;

TEST_F(CardGroupLayoutTest, TightnessIsClampedToAStripOfNoneToSeventyPixels)
{
    TLuCardGroup* Group = MakeGroup({2, 3});
    const std::pair<int, int> Cases[] = {{-5, 0}, {100, 70}, {0, 0}, {70, 70}, {71, 70}, {35, 35}, {INT_MIN, 0}};
    for (const auto& [Given, Kept] : Cases) {
        Group->SetTightness(Given);
        EXPECT_EQ(Group->Tightness(), Kept) << Given;
    }
}

TEST_F(CardGroupLayoutTest, AutoTightAndCascadeStyleSwitchEachOther)
{
    TLuCardGroup* Group = MakeGroup({2, 3});
    Group->SetAutoTight(true);
    EXPECT_EQ(Group->CascadeStyle(), csTight);
    EXPECT_EQ(Group->Tightness(), 16) << "switching on computes nothing by itself";

    Group->SetTightness(40);
    Group->SetCascadeStyle(csTight);
    EXPECT_TRUE(Group->AutoTight()) << "the tight style keeps it";
    EXPECT_EQ(Group->Tightness(), 40);
    Group->SetCascadeStyle(csNormal);
    EXPECT_FALSE(Group->AutoTight());
    EXPECT_EQ(Group->Tightness(), 16);

    Group->SetTightness(30);
    Group->SetAutoTight(false);
    EXPECT_EQ(Group->Tightness(), 16);
}

TEST_F(CardGroupLayoutTest, AutoTightSwitchesAutoSizeOff)
{
    // While AutoSize is still on, the tight redraw resizes the control to
    // its Buffer, and each resize tightens again: the strips shrink until
    // the cards lie on top of each other. Then AutoSize goes off.
    TLuCardGroup* Group = MakeGroup({2, 3});
    Group->SetAutoSize(true);
    EXPECT_EQ(Group->width(), 147);
    Group->SetAutoTight(true);
    EXPECT_FALSE(Group->AutoSize());
    EXPECT_EQ(Group->Tightness(), 0);
    EXPECT_EQ(Group->width(), 71);
}

TEST_F(CardGroupLayoutTest, AutoTightenOnResizeAndBeforeAdd)
{
    TLuCardGroup* Group = MakeGroup({2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    Group->SetAutoTight(true);
    Group->SetBounds(0, 0, 300, 96);
    EXPECT_EQ(Group->Tightness(), 22); // (300 - 71) div 10
    // The eleventh card is tightened for the ten before it.
    Group->CardList().Add();
    EXPECT_EQ(Group->Tightness(), 22);
    EXPECT_EQ(Group->Buffer().width(), 10 * 22 + 71);

    struct Row {
        TLuCascadeSide Side;
        int Width;
        int Height;
        int Cards;
        int Expected;
    } const Rows[] = {
        {csRight, 71, 96, 21, 0},   // a pile one card wide
        {csRight, 60, 96, 5, 0},    // narrower than a card: (60 - 71) div 5 = -2, clamped
        {csRight, 1000, 96, 3, 70}, // far too wide: clamped
        {csDown, 71, 400, 5, 60},   // (400 - 96) div 5
        {csDown, 71, 95, 3, 0},     // -1 div 3 truncates toward zero
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(testing::Message() << R.Width << "x" << R.Height << " " << R.Cards);
        TLuCardGroup* G = MakeGroup({});
        G->SetCascadeSide(R.Side);
        G->SetAutoTight(true);
        for (int I = 0; I < R.Cards; ++I)
            G->CardList().Add();
        G->SetBounds(0, 0, R.Width, R.Height);
        EXPECT_EQ(G->Tightness(), R.Expected);
    }
}

TEST_F(CardGroupLayoutTest, WithoutAutoTightOrItemsNothingIsTightened)
{
    TLuCardGroup* Empty = MakeGroup({});
    Empty->SetAutoTight(true);
    Empty->SetBounds(0, 0, 500, 96);
    EXPECT_EQ(Empty->Tightness(), 16);
    TLuCardGroup* Fixed = MakeGroup({2, 3});
    Fixed->SetCascadeStyle(csTight);
    Fixed->SetBounds(0, 0, 500, 96);
    EXPECT_EQ(Fixed->Tightness(), 16);
}

// ---------------------------------------------------------------------------
// Cascades in the Buffer

class CascadePixelsTest : public GroupTest {
protected:
    // The Buffer shows card I's face in R, from the card's corner, as wide
    // as R (no wider than the card).
    void ExpectFace(const TLuCardGroup& Group, int I, const TLuRect& R)
    {
        SCOPED_TRACE(testing::Message() << "card " << I);
        const TLuSingleCard* Card = Group.CardAt(I);
        EXPECT_EQ(Card->Bounds(), R);
        const int W = std::min(R.Width(), CardWidth);
        EXPECT_TRUE(SameImage(Block(Group.Buffer(), R.Left, R.Top, W, R.Height()), Shown(Card->FaceImage(), W, R.Height())));
    }
};

TEST_F(CascadePixelsTest, NormalCascadeOfThreeWithItsGaps)
{
    TLuCardGroup* Group = MakeGroup({2, 20, 45});
    EXPECT_EQ(Group->Buffer().size(), QSize(223, 96));
    ExpectFace(*Group, 0, {0, 0, 71, 96});
    ExpectFace(*Group, 1, {76, 0, 147, 96});
    ExpectFace(*Group, 2, {152, 0, 223, 96});
    EXPECT_TRUE(AllBackground(Group->Buffer(), {147, 0, 152, 96}));
}

TEST_F(CascadePixelsTest, TightCascadeAndTheCardBeforeAGap)
{
    TLuCardGroup* Group = MakeGroup({2, 3, 4, 5, 6});
    Group->SetCascadeStyle(csTight);
    EXPECT_EQ(Group->Buffer().size(), QSize(135, 96));
    for (int I = 0; I < 4; ++I)
        ExpectFace(*Group, I, {16 * I, 0, 16 * I + 16, 96});
    ExpectFace(*Group, 4, {64, 0, 135, 96});

    // Emptying the last three shows card 1 whole.
    for (int I = 4; I >= 2; --I)
        Group->CardAt(I)->SetEmpty(true);
    ExpectFace(*Group, 1, {16, 0, 87, 96});
    EXPECT_TRUE(AllBackground(Group->Buffer(), {87, 0, 135, 96}));
}

TEST_F(CascadePixelsTest, PileOfTightnessZeroShowsItsTopNonEmptyCard)
{
    TLuCardGroup* Pile = MakeGroup({}, false);
    Pile->SetAutoTight(true);
    for (int I = 0; I < 21; ++I)
        Pile->CardList().Add()->Card()->SetID(2 + I);
    Pile->SetBounds(0, 0, 71, 96);
    Pile->SetShowBack(false);
    ASSERT_EQ(Pile->Tightness(), 0);
    Pile->CardAt(20)->SetEmpty(true);
    Pile->CardAt(19)->SetEmpty(true);
    Pile->RedrawBuffer(false);
    EXPECT_EQ(Pile->Buffer().size(), QSize(71, 96));
    ExpectFace(*Pile, 18, {0, 0, 71, 96});

    Pile->EmptyAllCards();
    EXPECT_TRUE(AllBackground(Pile->Buffer(), {0, 0, 71, 96}));
}

TEST_F(CascadePixelsTest, LooseCascadeDownward)
{
    TLuCardGroup* Group = MakeGroup({2, 3, 4, 5});
    Group->SetCascadeSide(csDown);
    Group->SetCascadeStyle(csLoose);
    EXPECT_EQ(Group->Buffer().size(), QSize(71, 246));
    const TLuRect Strip{0, 100, 71, 150};
    EXPECT_EQ(Group->CardAt(2)->Bounds(), Strip);
    EXPECT_TRUE(SameImage(Block(Group->Buffer(), 0, 100, 71, 50), Shown(Group->CardAt(2)->FaceImage(), 71, 50)));
}

TEST_F(CascadePixelsTest, RedrawBufferOfNoItemsFillsAndOfADisabledGroupDrawsNothing)
{
    TLuCardGroup* Group = MakeGroup({2, 3});
    Group->SetEnabled(false);
    Group->Buffer().fill(Qt::red);
    Group->RedrawBuffer(false);
    EXPECT_EQ(Group->Buffer().pixel(5, 5), QColor(Qt::red).rgb());

    TLuCardGroup* None = MakeGroup({});
    None->Buffer().fill(Qt::red);
    None->RedrawBuffer(false);
    EXPECT_TRUE(AllBackground(None->Buffer(), {0, 0, None->Buffer().width(), None->Buffer().height()}));
}

// ---------------------------------------------------------------------------
// Sorting

TEST(SortPairsTest, QuicksortLeavesEqualKeysWhereItsSwapsPutThem)
{
    // Worked by hand. [54, 2, 55] by value: keys 1505, 201, 1505; pivot 1505;
    // the ends swap at once (i 0, j 2), giving 55, 2, 54; then 0..1 with
    // pivot 853 swaps 55 and 2. The blue joker ends before the red one.
    TLuSortArray Pairs{{1505, 54}, {201, 2}, {1505, 55}};
    SortPairs(Pairs);
    std::vector<int> Order;
    for (const TLuSortPair& P : Pairs)
        Order.push_back(P.ID);
    EXPECT_EQ(Order, (std::vector<int>{2, 55, 54}));

    // Two equal keys alone are swapped.
    TLuSortArray Two{{1505, 55}, {1505, 54}};
    SortPairs(Two);
    EXPECT_EQ(Two[0].ID, 54);
    EXPECT_EQ(Two[1].ID, 55);

    // Equal keys of a partition that is already in order: [201, 1505 (55),
    // 1505 (54)] has pivot 853; i stops at 1, j at 0, nothing swaps; then
    // 1..2 has pivot 1505 and swaps the jokers.
    TLuSortArray Sorted{{201, 2}, {1505, 55}, {1505, 54}};
    SortPairs(Sorted);
    EXPECT_EQ(Sorted[1].ID, 54);
    EXPECT_EQ(Sorted[2].ID, 55);

    TLuSortArray None;
    SortPairs(None);
    EXPECT_TRUE(None.empty());
}

class CardGroupSortTest : public GroupTest {};

TEST_F(CardGroupSortTest, BySuitAndByValue)
{
    struct Row {
        const char* What;
        std::vector<int> Given;
        TLuSortStyle Style;
        std::vector<int> Expected;
    } const Rows[] = {
        {"five clubs by suit", {9, 3, 14, 5, 2}, soSuit, {2, 3, 5, 9, 14}},
        {"blocks by suit", {55, 41, 28, 15, 2}, soSuit, {2, 15, 28, 41, 55}},
        // two of hearts (204) after two of spades (203), ace of clubs 1401
        {"twos by value", {41, 14, 28, 15, 2}, soValue, {2, 15, 28, 41, 14}},
        {"jokers by value", {54, 2, 55}, soValue, {2, 55, 54}},
        // Every key is 0: the quicksort swaps the ends and the middle with itself.
        {"no style, all keys equal", {9, 3, 14}, soNone, {14, 3, 9}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.What);
        // Face down: no card redraws while its ID changes, so no sort from drawing.
        TLuCardGroup* Group = MakeGroup({}, false);
        for (int ID : R.Given)
            Group->CardList().Add()->Card()->SetID(ID);
        Group->Sort(R.Style);
        EXPECT_EQ(IDs(*Group), R.Expected);
    }
}

TEST_F(CardGroupSortTest, OnlyTheIDsMove)
{
    TLuCardGroup* Group = MakeGroup({9, 3, 14, 5});
    Group->CardAt(1)->SetEmpty(true);
    Group->CardAt(2)->SetShowBack(true);
    Group->Sort(soSuit);
    EXPECT_EQ(IDs(*Group), (std::vector<int>{3, 5, 9, 14}));
    EXPECT_TRUE(Group->CardAt(1)->Empty());
    EXPECT_TRUE(Group->CardAt(2)->ShowBack());
    EXPECT_FALSE(Group->CardAt(0)->Empty());
    EXPECT_EQ(Group->UpdateCount(), 0);
}

TEST_F(CardGroupSortTest, SortStyleKeepsTheGroupSortedAsCardsChange)
{
    TLuCardGroup* Group = MakeGroup({9, 3, 14});
    Group->SetSortStyle(soSuit);
    EXPECT_EQ(IDs(*Group), (std::vector<int>{3, 9, 14}));
    // A change of the last card redraws it, and the group sorts again.
    Group->CardAt(2)->SetID(2);
    EXPECT_EQ(IDs(*Group), (std::vector<int>{2, 3, 9}));
    // So does a card added at the end.
    Group->CardList().Add();
    Group->CardAt(3)->SetID(4);
    EXPECT_EQ(IDs(*Group), (std::vector<int>{2, 3, 4, 9}));
}

TEST_F(CardGroupSortTest, FaceUpJokersByValueDoNotSortForEver)
{
    // Drawing the last card of a sorted group sorts it again, and the
    // quicksort swaps two jokers of equal key every time it meets them.
    TLuCardGroup* Group = MakeGroup({54, 2, 55, 30});
    Group->SetSortStyle(soValue);
    const std::vector<int> Sorted = IDs(*Group);
    EXPECT_EQ(Sorted[0], 2);
    EXPECT_EQ(Sorted[1], 30);
    EXPECT_EQ(std::vector<int>(Sorted.begin() + 2, Sorted.end()).size(), 2u);
    EXPECT_TRUE((Sorted[2] == 54 && Sorted[3] == 55) || (Sorted[2] == 55 && Sorted[3] == 54));
    Group->RedrawBuffer(false);
    EXPECT_EQ(Group->UpdateCount(), 0);
}

TEST_F(CardGroupSortTest, TheSortedGroupReachesTheScreenInOneCopy)
{
    TLuCardGroup* Group = MakeGroup({9, 3, 14, 5, 2});
    Form.show();
    QCoreApplication::processEvents();
    PaintCounter Counter(Group);
    Group->Sort(soSuit);
    EXPECT_EQ(Counter.Paints, 1);
    EXPECT_EQ(Group->UpdateCount(), 0);
}

// ---------------------------------------------------------------------------
// Hit test

TEST_F(CardGroupLayoutTest, CardIndexAtHasStrictBounds)
{
    TLuCardGroup* Group = MakeGroup({2, 3, 4});
    struct Row {
        int X;
        int Y;
        int Expected;
    } const Rows[] = {
        {0, 50, -1},  {1, 50, 0},   {70, 50, 0},  {71, 50, -1}, {73, 50, -1}, {76, 50, -1},
        {77, 50, 1},  {10, 0, -1},  {10, 1, 0},   {10, 95, 0},  {10, 96, -1}, {222, 50, 2},
        {223, 50, -1}, {-5, 50, -1}, {500, 50, -1},
    };
    for (const Row& R : Rows)
        EXPECT_EQ(Group->CardIndexAt(R.X, R.Y), R.Expected) << "(" << R.X << ", " << R.Y << ")";

    // In a tight cascade the column where one strip meets the next belongs to neither.
    Group->SetCascadeStyle(csTight);
    EXPECT_EQ(Group->CardIndexAt(15, 50), 0);
    EXPECT_EQ(Group->CardIndexAt(16, 50), -1);
    EXPECT_EQ(Group->CardIndexAt(17, 50), 1);
    EXPECT_EQ(Group->CardIndexAt(100, 50), 2);
}

TEST_F(CardGroupLayoutTest, CardIndexAtOnAPileFindsTheCardThatShows)
{
    TLuCardGroup* Pile = MakeGroup({});
    Pile->SetAutoTight(true);
    for (int I = 0; I < 21; ++I)
        Pile->CardList().Add();
    Pile->SetBounds(0, 0, 71, 96);
    Pile->CardAt(20)->SetEmpty(true);
    EXPECT_EQ(Pile->CardIndexAt(35, 50), 19);
    Pile->EmptyAllCards();
    EXPECT_EQ(Pile->CardIndexAt(35, 50), 0) << "every empty card covers the pile";
}

TEST_F(CardGroupLayoutTest, CardIndexAtMeasuresWithoutDrawing)
{
    TLuCardGroup* Group = MakeGroup({2, 3, 4});
    Group->SetSortStyle(soValue);
    Group->Buffer().fill(Qt::red);
    const QImage Before = Group->Buffer().copy();
    EXPECT_EQ(Group->CardIndexAt(100, 50), 1);
    EXPECT_EQ(Group->Buffer(), Before);
    EXPECT_FALSE(Group->Measuring());

    // Not Enabled: the rectangles of the last drawing stay.
    Group->SetEnabled(false);
    Group->SetCascadeStyle(csTight);
    EXPECT_EQ(Group->CardIndexAt(100, 50), 1);
}

} // namespace
