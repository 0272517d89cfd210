// Card drawing into the owner's Buffer for the three kinds of owner: the
// cascade geometry with its widening over empty places and its measuring
// mode, the table's four places and the visual deck's stack.
#include "testcardowners.h"

#include <gtest/gtest.h>

namespace {

struct TGeometryRow {
    TLuCascadeSide Side;
    TLuCascadeStyle Style;
    TLuCascadeGeometry Expected;
};

TEST(CascadeGeometryTest, TableOfPlacesAndSizes)
{
    // Card 2 of five, Tightness 16.
    const TGeometryRow Rows[] = {
        {csRight, csNormal, {152, 0, 375, 96, 71, 96}},
        {csRight, csTight, {32, 0, 135, 96, 16, 96}},
        {csRight, csLoose, {76, 0, 223, 96, 38, 96}},
        {csDown, csNormal, {0, 202, 71, 500, 71, 96}},
        {csDown, csTight, {0, 32, 71, 160, 71, 16}},
        {csDown, csLoose, {0, 100, 71, 296, 71, 50}},
    };
    for (const TGeometryRow& Row : Rows) {
        SCOPED_TRACE(testing::Message() << int(Row.Side) << "/" << int(Row.Style));
        const TLuCascadeGeometry G = CascadeGeometry(Row.Side, Row.Style, 16, 2, 4);
        EXPECT_EQ(G.X, Row.Expected.X);
        EXPECT_EQ(G.Y, Row.Expected.Y);
        EXPECT_EQ(G.W, Row.Expected.W);
        EXPECT_EQ(G.H, Row.Expected.H);
        EXPECT_EQ(G.VisibleWidth, Row.Expected.VisibleWidth);
        EXPECT_EQ(G.VisibleHeight, Row.Expected.VisibleHeight);
    }
}

class GroupDrawingTest : public ::testing::Test {
protected:
    TTestGroup Group;

    void SetUp() override { Group.SetBrushColor(Silver); }

    // The Buffer block at Bounds shows the card's face from its corner.
    void ExpectFaceAt(int Index, const TLuRect& Bounds)
    {
        const TLuSingleCard& Card = Group.Card(Index);
        EXPECT_EQ(Card.Bounds(), Bounds) << "card " << Index;
        const int W = std::min(Bounds.Width(), CardWidth);
        EXPECT_EQ(Block(Group.Buffer(), Bounds.Left, Bounds.Top, W, Bounds.Height()),
                  ExpectedCopy(*Card.FaceImage(), 0, 0, W, Bounds.Height(), Silver))
            << "card " << Index;
    }

    void Redraw()
    {
        Group.Buffer().fill(Qt::red); // so that every fill shows
        Group.UpdateRects.clear();
        Group.RedrawBuffer(false);
    }
};

TEST_F(GroupDrawingTest, NormalCascadeOfThree)
{
    Group.AddCards(3);
    Redraw();
    EXPECT_EQ(Group.Buffer().size(), QSize(223, 96));
    ExpectFaceAt(0, {0, 0, 71, 96});
    ExpectFaceAt(1, {76, 0, 147, 96});
    ExpectFaceAt(2, {152, 0, 223, 96});
    EXPECT_TRUE(AllPixels(Group.Buffer(), {71, 0, 76, 96}, Silver));
    EXPECT_TRUE(AllPixels(Group.Buffer(), {147, 0, 152, 96}, Silver));
    // Each card hands over the area from its corner to the far corner.
    ASSERT_EQ(Group.UpdateRects.size(), 3u);
    EXPECT_EQ(Group.UpdateRects[1], (TLuRect{76, 0, 223, 96}));
}

TEST_F(GroupDrawingTest, TightCascadeOfFive)
{
    Group.Style = csTight;
    Group.AddCards(5);
    Redraw();
    EXPECT_EQ(Group.Buffer().size(), QSize(135, 96));
    for (int I = 0; I < 4; ++I)
        ExpectFaceAt(I, {16 * I, 0, 16 * I + 16, 96});
    ExpectFaceAt(4, {64, 0, 135, 96});
}

TEST_F(GroupDrawingTest, EmptyPlacesWidenTheCardBefore)
{
    Group.Style = csTight;
    Group.AddCards(5);
    for (int I = 2; I <= 4; ++I)
        Group.Card(I).SetEmpty(true);
    Redraw();
    ExpectFaceAt(0, {0, 0, 16, 96});
    ExpectFaceAt(1, {16, 0, 87, 96});
    EXPECT_TRUE(AllPixels(Group.Buffer(), {87, 0, 135, 96}, Silver));
    EXPECT_EQ(Group.Card(2).Bounds(), (TLuRect{32, 0, 103, 96})) << "an empty card widens too";
    EXPECT_EQ(Group.Card(4).Bounds(), (TLuRect{64, 0, 135, 96}));

    // Emptying a card draws the one before it wider at once.
    Group.Card(1).SetEmpty(true);
    ExpectFaceAt(0, {0, 0, 71, 96});
    EXPECT_TRUE(AllPixels(Group.Buffer(), {71, 0, 135, 96}, Silver));
}

TEST_F(GroupDrawingTest, WideningStopsAfterAsManyStripsAsFitACard)
{
    // Tightness 16 and four empty places before a card: 80 columns, of which
    // the nine beyond the image show the background.
    Group.Style = csTight;
    Group.AddCards(7);
    for (int I = 1; I <= 4; ++I)
        Group.Card(I).SetEmpty(true);
    Redraw();
    ExpectFaceAt(0, {0, 0, 80, 96});
    EXPECT_TRUE(AllPixels(Group.Buffer(), {71, 0, 80, 96}, Silver));
    ExpectFaceAt(5, {80, 0, 96, 96});

    // Tightness 35: two empty places give 105 columns.
    Group.Tight = 35;
    Group.Card(3).SetEmpty(false);
    Redraw();
    ExpectFaceAt(0, {0, 0, 105, 96});
    EXPECT_TRUE(AllPixels(Group.Buffer(), {71, 0, 105, 96}, Silver));

    // A negative card is inverted over its whole strip, the background part too.
    Group.Card(0).SetNegative(true);
    EXPECT_TRUE(AllPixels(Group.Buffer(), {71, 0, 105, 96}, ~Silver));
}

TEST_F(GroupDrawingTest, PileOfTightnessZeroShowsTheTopCardThatExists)
{
    Group.Style = csTight;
    Group.Tight = 0;
    Group.AddCards(21);
    for (int I = 15; I < 21; ++I)
        Group.Card(I).SetEmpty(true);
    Redraw();
    EXPECT_EQ(Group.Buffer().size(), QSize(71, 96));
    ExpectFaceAt(14, {0, 0, 71, 96});
    for (int I = 0; I < 14; ++I)
        EXPECT_EQ(Group.Card(I).Bounds(), (TLuRect{0, 0, 0, 96})) << I;

    for (int I = 0; I < 15; ++I)
        Group.Card(I).SetEmpty(true);
    Redraw();
    EXPECT_TRUE(AllPixels(Group.Buffer(), {0, 0, 71, 96}, Silver));
    for (int I = 0; I < 21; ++I)
        EXPECT_EQ(Group.Card(I).Bounds(), (TLuRect{0, 0, 71, 96})) << I;
}

TEST_F(GroupDrawingTest, LooseCascadeDownOfFour)
{
    Group.Side = csDown;
    Group.Style = csLoose;
    Group.AddCards(4);
    Redraw();
    EXPECT_EQ(Group.Buffer().size(), QSize(71, 246));
    ExpectFaceAt(2, {0, 100, 71, 150});
    ExpectFaceAt(3, {0, 150, 71, 246});

    // A loose card followed by an empty place shows whole.
    Group.Card(3).SetEmpty(true);
    ExpectFaceAt(2, {0, 100, 71, 196});
    EXPECT_TRUE(AllPixels(Group.Buffer(), {0, 196, 71, 246}, Silver));
}

TEST_F(GroupDrawingTest, NormalCascadeDownFillsItsGaps)
{
    Group.Side = csDown;
    Group.AddCards(2);
    Redraw();
    EXPECT_EQ(Group.Buffer().size(), QSize(71, 197));
    ExpectFaceAt(1, {0, 101, 71, 197});
    EXPECT_TRUE(AllPixels(Group.Buffer(), {0, 96, 71, 101}, Silver));
    // An empty card of a normal cascade does not redraw its neighbour.
    Group.UpdateRects.clear();
    Group.Card(1).SetEmpty(true);
    EXPECT_EQ(Group.UpdateRects, (std::vector<TLuRect>{{0, 101, 71, 197}}));
}

TEST_F(GroupDrawingTest, NegativeInvertsExactlyTheVisibleStrip)
{
    Group.Style = csTight;
    Group.AddCards(5);
    Redraw();
    const QImage Before = Group.Buffer().copy();
    Group.Card(1).SetNegative(true);
    for (int Y = 0; Y < 96; ++Y)
        for (int X = 0; X < 135; ++X) {
            const QRgb Old = Before.pixel(X, Y);
            const QRgb Expected = (X >= 16 && X < 32) ? (Old ^ RGB_MASK) : Old;
            ASSERT_EQ(Group.Buffer().pixel(X, Y), Expected) << X << "," << Y;
        }
    // The next card covers it again when the group is redrawn in order.
    Group.RedrawBuffer(false);
    EXPECT_EQ(Block(Group.Buffer(), 32, 0, 103, 96), Block(Before, 32, 0, 103, 96));
}

TEST_F(GroupDrawingTest, MeasuringTouchesNoPixel)
{
    Group.Style = csTight;
    Group.Sorting = soValue;
    Group.AddCards(5);
    Group.Card(3).SetEmpty(true);
    Group.SortCalls.clear();
    Group.Tight = 10; // a new layout, measured without drawing
    const QImage Before = Group.Buffer().copy();
    const qint64 Key = Group.Buffer().cacheKey();
    Group.UpdateRects.clear();
    Group.IsMeasuring = true;
    Group.RedrawBuffer(false);
    Group.IsMeasuring = false;
    EXPECT_EQ(Group.Buffer().cacheKey(), Key);
    EXPECT_EQ(Group.Buffer(), Before);
    EXPECT_EQ(Group.Buffer().size(), QSize(135, 96)) << "not resized for the new layout";
    EXPECT_TRUE(Group.UpdateRects.empty());
    EXPECT_TRUE(Group.SortCalls.empty()) << "the last card does not sort while measuring";
    EXPECT_EQ(Group.Card(0).Bounds(), (TLuRect{0, 0, 10, 96}));
    EXPECT_EQ(Group.Card(2).Bounds(), (TLuRect{20, 0, 40, 96}));
    EXPECT_EQ(Group.Card(3).Bounds(), (TLuRect{30, 0, 40, 96}));
    EXPECT_EQ(Group.Card(4).Bounds(), (TLuRect{40, 0, 111, 96}));
}

TEST_F(GroupDrawingTest, TheLastCardKeepsASortedGroupSorted)
{
    Group.Sorting = soSuit;
    Group.AddCards(3);
    Group.SortCalls.clear();
    Group.Card(1).SetID(30);
    EXPECT_TRUE(Group.SortCalls.empty()) << "not the last card";
    Group.Card(2).SetID(31);
    EXPECT_EQ(Group.SortCalls, (std::vector<TLuSortStyle>{soSuit}));
    Group.SortCalls.clear();
    Group.Card(2).SetEmpty(true);
    EXPECT_TRUE(Group.SortCalls.empty()) << "an empty last card";
}

TEST_F(GroupDrawingTest, InvalidateAsksForAFullRepaintInstead)
{
    Group.AddCards(2);
    Group.UpdateRects.clear();
    Group.RedrawBuffer(true);
    EXPECT_TRUE(Group.UpdateRects.empty());
}

TEST(TableDrawingTest, FourPlacesAndNoResize)
{
    TTestTable Table;
    Table.SetBrushColor(Silver);
    const QPoint Places[] = {{24, 60}, {0, 25}, {35, 0}, {60, 35}};
    for (int I = 0; I < 4; ++I) {
        TLuSingleCard& Card = *Table.Cards[static_cast<std::size_t>(I)];
        Card.SetShowBack(false);
        Card.SetID(10 + I);
        EXPECT_EQ(Card.Bounds(), (TLuRect{Places[I].x(), Places[I].y(), Places[I].x() + 71, Places[I].y() + 96}));
        EXPECT_EQ(Table.UpdateRects.back(), Card.Bounds());
        EXPECT_EQ(Block(Table.Buffer(), Places[I].x(), Places[I].y(), 71, 96),
                  ExpectedCopy(*Card.FaceImage(), 0, 0, 71, 96, Silver));
    }
    EXPECT_EQ(Table.Buffer().size(), QSize(131, 156));

    TLuSingleCard& Right = *Table.Cards[3];
    Right.SetNegative(true);
    QImage Inverted = ExpectedCopy(*Right.FaceImage(), 0, 0, 71, 96, Silver);
    Inverted.invertPixels();
    EXPECT_EQ(Block(Table.Buffer(), 60, 35, 71, 96), Inverted);
}

// Every face and back, plain and negative, at each of the four places, as
// the pixel rule draws it; then emptied.
TEST(TableDrawingTest, EveryImageAtEveryPlaceAsThePixelRuleDrawsIt)
{
    TTestTable Table;
    Table.SetBrushColor(Silver);
    const QPoint Places[] = {{24, 60}, {0, 25}, {35, 0}, {60, 35}};
    int Checked = 0;
    for (int Slot = FirstCardImageSlot; Slot <= LastCardImageSlot; ++Slot) {
        const int Pos = Slot % 4;
        TLuSingleCard& Card = *Table.Cards[static_cast<std::size_t>(Pos)];
        const bool Back = Slot >= FirstBackSlot;
        Card.SetShowBack(Back);
        if (Back)
            Card.SetCardBack(static_cast<TLuCardBackType>(Slot - FirstBackSlot));
        else
            Card.SetID(Slot);
        for (bool Negative : {false, true}) {
            Card.SetNegative(Negative);
            QImage Expected = ReferenceCopy(*CardImage(Slot), 0, 0, CardWidth, CardHeight, Silver);
            if (Negative)
                Expected.invertPixels();
            ASSERT_EQ(Block(Table.Buffer(), Places[Pos].x(), Places[Pos].y(), CardWidth, CardHeight), Expected)
                << "slot " << Slot << (Negative ? " negative" : "");
            ++Checked;
        }
        Card.SetNegative(false);
    }
    EXPECT_EQ(Checked, 2 * 69);
    Table.Cards[1]->SetEmpty(true);
    EXPECT_TRUE(AllPixels(Table.Buffer(), {0, 25, 71, 121}, Silver));
}

TEST(TableDrawingTest, EmptyFillsAndOtherIndexesLieAtTheCorner)
{
    TTestTable Table;
    Table.SetBrushColor(Silver);
    TLuSingleCard& Top = *Table.Cards[2];
    Top.SetEmpty(true);
    EXPECT_TRUE(AllPixels(Table.Buffer(), {35, 0, 106, 96}, Silver));
    Top.SetEmpty(false);
    Top.SetIndex(7);
    EXPECT_EQ(Top.Bounds(), (TLuRect{0, 0, 71, 96}));
    EXPECT_EQ(Block(Table.Buffer(), 0, 0, 71, 96), ExpectedCopy(*Top.BackImage(), 0, 0, 71, 96, Silver));
}

// The deck's form is silver, so the Buffer starts silver too.
QWidget* SilverForm()
{
    auto* Form = new QWidget;
    QPalette Palette = Form->palette();
    Palette.setColor(QPalette::Window, QColor(Silver));
    Form->setPalette(Palette);
    return Form;
}

class DeckDrawingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(Deck.BrushColor(), QColor(Silver));
        Deck.UpdateRects.clear();
        Deck.RedrawBuffer(false);
    }
    std::unique_ptr<QWidget> Form{SilverForm()};
    TTestDeck Deck{Form.get()};
    const TLuCardImage& Back() { return *Deck.First->BackImage(); }
};

TEST_F(DeckDrawingTest, SingleStack)
{
    EXPECT_EQ(Deck.Buffer().size(), QSize(103, 104));
    const QImage& B = Deck.Buffer();
    EXPECT_EQ(Block(B, 0, 0, 16, 96), ExpectedCopy(*Deck.Last->FaceImage(), 0, 0, 16, 96, Silver));
    EXPECT_EQ(Deck.Last->Bounds(), (TLuRect{0, 0, 71, 96}));
    EXPECT_EQ(Deck.First->Bounds(), (TLuRect{32, 8, 103, 104}));
    EXPECT_EQ(Block(B, 32, 8, 71, 96), ExpectedCopy(Back(), 0, 0, 71, 96, Silver));
    // The edges of the layers at 16, 20, 24, 28: each layer's top two rows
    // and left four columns, the next one over it.
    const QImage TopRows = ExpectedCopy(Back(), 0, 0, 4, 2, Silver);
    for (int Layer = 0; Layer < 4; ++Layer)
        EXPECT_EQ(Block(B, 16 + 4 * Layer, 2 * Layer, 4, 2), TopRows) << Layer;
    EXPECT_EQ(Block(B, 28, 6, 4, 96), ExpectedCopy(Back(), 0, 0, 4, 96, Silver));
    for (int Layer = 0; Layer < 4; ++Layer)
        EXPECT_TRUE(AllPixels(B, {16 + 4 * Layer, 96 + 2 * Layer, 20 + 4 * Layer, 104}, Silver)) << "below " << Layer;
    ASSERT_EQ(Deck.UpdateRects.size(), 2u);
    EXPECT_EQ(Deck.UpdateRects[0], (TLuRect{0, 0, 32, 104}));
    EXPECT_EQ(Deck.UpdateRects[1], (TLuRect{16, 0, 103, 104}));
}

TEST_F(DeckDrawingTest, PeeledStacks)
{
    Deck.Layers = 0;
    Deck.RedrawBuffer(false);
    EXPECT_EQ(Deck.First->Bounds(), (TLuRect{20, 2, 91, 98}));
    EXPECT_TRUE(AllPixels(Deck.Buffer(), {91, 0, 103, 104}, Silver));
    EXPECT_TRUE(AllPixels(Deck.Buffer(), {16, 98, 103, 104}, Silver));
    Deck.Layers = -1;
    Deck.UpdateRects.clear();
    Deck.RedrawBuffer(false);
    EXPECT_EQ(Deck.First->Bounds(), (TLuRect{16, 0, 87, 96}));
    EXPECT_EQ(Deck.UpdateRects[1], (TLuRect{16, 0, 103, 104}));
    // Absurd counts draw a stack that runs off the Buffer, without harm.
    Deck.Layers = 2147483647;
    Deck.RedrawBuffer(false);
    EXPECT_EQ(Deck.Buffer().size(), QSize(103, 104));
}

TEST_F(DeckDrawingTest, DoubleStack)
{
    Deck.Type = dcDouble;
    Deck.Layers = 12;
    Deck.RedrawBuffer(false);
    EXPECT_EQ(Deck.Buffer().size(), QSize(139, 96));
    EXPECT_EQ(Deck.First->Bounds(), (TLuRect{68, 0, 139, 96}));
    const QImage Edge = ExpectedCopy(Back(), 0, 0, 4, 96, Silver);
    for (int Layer = 0; Layer < 13; ++Layer)
        EXPECT_EQ(Block(Deck.Buffer(), 16 + 4 * Layer, 0, 4, 96), Edge) << Layer;
}

TEST_F(DeckDrawingTest, EmptyDeckAndHiddenStrip)
{
    Deck.ShowLast = false;
    Deck.RedrawBuffer(false);
    EXPECT_TRUE(AllPixels(Deck.Buffer(), {0, 0, 16, 96}, Silver));

    Deck.IsEmpty = true;
    Deck.UpdateRects.clear();
    Deck.RedrawBuffer(false);
    const TLuCardImage& O = *CardImage(BackImageIndex(cbO));
    EXPECT_EQ(Block(Deck.Buffer(), 16, 0, 71, 96), ExpectedCopy(O, 0, 0, 71, 96, Silver));
    EXPECT_TRUE(AllPixels(Deck.Buffer(), {0, 0, 16, 96}, Silver));
    EXPECT_TRUE(AllPixels(Deck.Buffer(), {87, 0, 103, 104}, Silver));
    EXPECT_TRUE(AllPixels(Deck.Buffer(), {16, 96, 103, 104}, Silver));
    EXPECT_EQ(Deck.First->Bounds(), (TLuRect{0, 0, 71, 96}));

    // A back design outside the fifteen shows as background.
    Deck.EmptyBack = static_cast<TLuCardBackType>(40);
    Deck.RedrawBuffer(false);
    EXPECT_TRUE(AllPixels(Deck.Buffer(), {0, 0, 103, 104}, Silver));
}

TEST_F(DeckDrawingTest, NegativeAndFaceUpTopCard)
{
    Deck.First->SetShowBack(false);
    Deck.First->SetID(40);
    EXPECT_EQ(Block(Deck.Buffer(), 32, 8, 71, 96), ExpectedCopy(*CardImage(40), 0, 0, 71, 96, Silver));
    Deck.Last->SetNegative(true);
    QImage Strip = ExpectedCopy(*Deck.Last->FaceImage(), 0, 0, 16, 96, Silver);
    Strip.invertPixels();
    EXPECT_EQ(Block(Deck.Buffer(), 0, 0, 16, 96), Strip);
}

} // namespace
