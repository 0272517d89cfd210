// The visual deck's pictures, read from its Buffer: the single and double
// stacks, the empty picture, peeling, the strip of the bottom card, the
// screen rectangles its cards hand over, and the one-pixel column of a
// preview deck one pixel wider than its Buffer.
#include "cardlib/lucarddeck.h"
#include "cardlib/lucardimages.h"
#include "cardlib/lusinglecard.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr QRgb Green = 0xFF008000;

// Records the rectangles that the deck's cards hand to the screen.
class RecordingDeck : public TLuCardDeck
{
public:
    using TLuCardDeck::TLuCardDeck;
    void WMUpdateRect(TLuSingleCard* Card, const TLuRect& R) override
    {
        Updates.push_back({Card, R});
        TLuCardDeck::WMUpdateRect(Card, R);
    }
    struct Update
    {
        TLuSingleCard* Card;
        TLuRect Rect;
    };
    std::vector<Update> Updates;
};

class CardDeckTest : public ::testing::Test
{
protected:
    CardDeckTest()
    {
        QPalette palette = form.palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(Green));
        form.setPalette(palette);
        form.resize(300, 200);
        deck = new RecordingDeck(&form);
    }

    // What a card picture shows at (x, y) of its image once it is copied
    // onto the deck: its transparent colour becomes the form's background.
    static QRgb Shown(const TLuCardImage* image, int x, int y)
    {
        const QRgb pixel = image->Picture.pixel(x, y);
        if ((pixel & 0xFFFFFF) == (image->TransparentColor & 0xFFFFFF))
            return Green;
        return pixel | 0xFF000000;
    }

    // Every pixel of Rect in the Buffer must be the image's pixel at the
    // same offset from (left, top).
    void ExpectImage(const TLuRect& rect, const TLuCardImage* image, int left, int top,
                     const std::string& what) const
    {
        const QImage& buffer = deck->Buffer();
        int wrong = 0;
        for (int y = rect.Top; y < rect.Bottom; ++y)
            for (int x = rect.Left; x < rect.Right; ++x)
                if (buffer.pixel(x, y) != Shown(image, x - left, y - top) && ++wrong <= 3)
                    ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ")";
        EXPECT_EQ(wrong, 0) << what;
    }

    void ExpectBackground(const TLuRect& rect, const std::string& what) const
    {
        const QImage& buffer = deck->Buffer();
        int wrong = 0;
        for (int y = rect.Top; y < rect.Bottom; ++y)
            for (int x = rect.Left; x < rect.Right; ++x)
                if (buffer.pixel(x, y) != Green && ++wrong <= 3)
                    ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") is not background";
        EXPECT_EQ(wrong, 0) << what;
    }

    // The edges of layers 0..L of a single stack: the left four columns and
    // the top two rows of the back, 4 pixels right and 2 down per layer; later
    // layers cover earlier ones.
    void ExpectSingleStack(int L, const TLuCardImage* back, const TLuCardImage* top)
    {
        for (int k = 0; k <= L; ++k) {
            const int x = 16 + 4 * k;
            const int y = 2 * k;
            const std::string layer = "layer " + std::to_string(k);
            // The part of the edge column that no later layer covers.
            const int bottom = y + 96;
            const int coveredFrom = k < L ? y + 2 : bottom;
            ExpectImage({x, y, x + 4, y + 2}, back, x, y, layer + " corner");
            ExpectImage({x, coveredFrom, x + 4, bottom}, back, x, y, layer + " left edge");
            ExpectImage({x, y, x + 71, y + 2}, back, x, y, layer + " top edge");
            // Under each layer's edge column only background.
            ExpectBackground({x, bottom, x + 4, 104}, layer + " below its edge");
        }
        const int x = 16 + 4 * (L + 1);
        const int y = 2 * (L + 1);
        ExpectImage({x, y, x + 71, y + 96}, top, x, y, "top card");
        ExpectBackground({x + 71, 0, 103, 104}, "right of the stack");
        ExpectBackground({x, y + 96, 103, 104}, "below the top card");
    }

    QWidget form;
    RecordingDeck* deck = nullptr;
};

const TLuCardImage* Back(TLuCardBackType back)
{
    return CardImage(56 + back);
}

TEST_F(CardDeckTest, NewDeckIsASingleStackOfFourLayers)
{
    EXPECT_EQ(deck->Buffer().size(), QSize(103, 104));
    EXPECT_EQ(deck->size(), QSize(103, 104));
    EXPECT_EQ(deck->DeckType(), dcSingle);
    EXPECT_EQ(deck->LayerCount(), 3);
    EXPECT_TRUE(deck->ShowLastCard());
    EXPECT_FALSE(deck->DeckEmpty());
    EXPECT_FALSE(deck->DealtOut());
    EXPECT_FALSE(deck->Empty());
    EXPECT_EQ(deck->DeckEmptyCardBack(), cbO);
    EXPECT_EQ(deck->CardLast().Index(), 0);
    EXPECT_EQ(deck->CardFirst().Index(), 1);
    EXPECT_FALSE(deck->CardLast().ShowBack());
    EXPECT_TRUE(deck->CardFirst().ShowBack());
    EXPECT_EQ(deck->CardLast().ID(), 14);

    ExpectImage({0, 0, 16, 96}, CardImage(14), 0, 0, "strip of the ace of clubs");
    ExpectBackground({0, 96, 16, 104}, "below the strip");
    ExpectSingleStack(3, Back(cbDefault), Back(cbDefault));
    EXPECT_EQ(deck->CardFirst().Bounds(), (TLuRect{32, 8, 103, 104}));
    EXPECT_EQ(deck->CardLast().Bounds(), (TLuRect{0, 0, 71, 96}));
}

TEST_F(CardDeckTest, PeeledSingleStackMovesTheTopCardUpAndLeft)
{
    deck->SetLayerCount(0);
    ExpectSingleStack(0, Back(cbDefault), Back(cbDefault));
    EXPECT_EQ(deck->CardFirst().Bounds(), (TLuRect{20, 2, 91, 98}));
}

TEST_F(CardDeckTest, DoubleDeckWithAutoSizeIsThirteenFlatLayers)
{
    deck->SetAutoSize(true);
    deck->SetDeckType(dcDouble);
    EXPECT_EQ(deck->Buffer().size(), QSize(139, 96));
    EXPECT_EQ(deck->size(), QSize(139, 96));
    EXPECT_EQ(deck->LayerCount(), 12);
    for (int k = 0; k <= 12; ++k) {
        const int x = 16 + 4 * k;
        ExpectImage({x, 0, x + 4, 96}, Back(cbDefault), x, 0, "flat layer " + std::to_string(k));
    }
    ExpectImage({68, 0, 139, 96}, Back(cbDefault), 68, 0, "top card");
    ExpectImage({0, 0, 16, 96}, CardImage(14), 0, 0, "strip");
    EXPECT_EQ(deck->CardFirst().Bounds(), (TLuRect{68, 0, 139, 96}));

    deck->SetDeckType(dcSingle);
    EXPECT_EQ(deck->size(), QSize(103, 104));
    EXPECT_EQ(deck->LayerCount(), 3);
    ExpectSingleStack(3, Back(cbDefault), Back(cbDefault));
}

TEST_F(CardDeckTest, WithoutAutoSizeTheControlKeepsItsSize)
{
    deck->SetDeckType(dcDouble);
    EXPECT_EQ(deck->Buffer().size(), QSize(139, 96));
    EXPECT_EQ(deck->size(), QSize(103, 104));
}

TEST_F(CardDeckTest, EmptyPictureShowsTheChosenBackAndComesBackFull)
{
    deck->SetLayerCount(1);
    deck->SetDeckEmpty(true);
    ExpectBackground({0, 0, 16, 104}, "strip while empty");
    ExpectImage({16, 0, 87, 96}, Back(cbO), 16, 0, "empty picture");
    ExpectBackground({87, 0, 103, 104}, "right of the empty picture");
    ExpectBackground({16, 96, 103, 104}, "below the empty picture");
    EXPECT_EQ(deck->LayerCount(), 1);

    deck->SetDeckEmptyCardBack(cbX);
    ExpectImage({16, 0, 87, 96}, Back(cbX), 16, 0, "empty picture in the new design");

    deck->SetDeckEmpty(false);
    EXPECT_EQ(deck->LayerCount(), 3);
    ExpectImage({0, 0, 16, 96}, CardImage(14), 0, 0, "strip again");
    ExpectSingleStack(3, Back(cbDefault), Back(cbDefault));
}

TEST_F(CardDeckTest, WithoutTheStripTheLeftColumnsStayBackground)
{
    deck->SetShowLastCard(false);
    ExpectBackground({0, 0, 16, 104}, "strip");
    ExpectSingleStack(3, Back(cbDefault), Back(cbDefault));
}

TEST_F(CardDeckTest, FaceUpTopCardWhileTheBottomCardStaysFaceUp)
{
    deck->CardFirst().SetID(53);
    deck->CardLast().SetID(2);
    deck->SetShowBack(false);
    EXPECT_FALSE(deck->CardFirst().ShowBack());
    EXPECT_FALSE(deck->CardLast().ShowBack());
    ExpectSingleStack(3, Back(cbDefault), CardImage(53));
    ExpectImage({0, 0, 16, 96}, CardImage(2), 0, 0, "strip of the two of clubs");

    deck->SetShowBack(true);
    EXPECT_TRUE(deck->CardFirst().ShowBack());
    EXPECT_FALSE(deck->CardLast().ShowBack()) << "the bottom card is face up in any case";
    ExpectSingleStack(3, Back(cbDefault), Back(cbDefault));
}

TEST_F(CardDeckTest, CardBackReachesBothCardsAndTheLayers)
{
    deck->SetCardBack(cbCastle);
    EXPECT_EQ(deck->CardBack(), cbCastle);
    EXPECT_EQ(deck->CardFirst().CardBack(), cbCastle);
    EXPECT_EQ(deck->CardLast().CardBack(), cbCastle);
    ExpectSingleStack(3, Back(cbCastle), Back(cbCastle));
    ExpectImage({0, 0, 16, 96}, CardImage(14), 0, 0, "strip shows the face");
}

TEST_F(CardDeckTest, PeelingBelowZeroWithoutDealtOutChangesNothing)
{
    deck->SetLayerCount(0);
    const QImage before = deck->Buffer().copy();
    deck->PeelLayer();
    EXPECT_EQ(deck->LayerCount(), 0);
    EXPECT_FALSE(deck->DeckEmpty());
    EXPECT_EQ(deck->Buffer(), before);
}

// Peeling below the last layer of a dealt-out deck turns it empty and sets
// the stack back to its full height, ready for the next deal.
TEST_F(CardDeckTest, PeelingADealtOutDeckBelowZeroEmptiesIt)
{
    struct Case
    {
        TLuVisualDeckType Type;
        int Full;
    };
    for (const Case& c : {Case{dcSingle, 3}, Case{dcDouble, 12}}) {
        deck->SetDeckEmpty(false);
        deck->SetDeckType(c.Type);
        deck->SetLayerCount(0);
        deck->SetDealtOut(true);
        deck->PeelLayer();
        EXPECT_TRUE(deck->DeckEmpty()) << c.Type;
        EXPECT_EQ(deck->LayerCount(), c.Full) << c.Type;
        ExpectImage({16, 0, 87, 96}, Back(cbO), 16, 0, "empty picture");
        deck->SetDealtOut(false);
    }
}

TEST_F(CardDeckTest, DisabledDeckKeepsItsPicture)
{
    const QImage before = deck->Buffer().copy();
    deck->SetEnabled(false);
    deck->SetShowLastCard(false);
    deck->SetLayerCount(0);
    deck->SetDeckEmpty(true);
    deck->SetDeckType(dcDouble);
    deck->CardFirst().SetID(30);
    EXPECT_EQ(deck->Buffer(), before);
}

TEST_F(CardDeckTest, CardsHandTheScreenTheirChangedArea)
{
    deck->Updates.clear();
    deck->RedrawBuffer(false);
    ASSERT_EQ(deck->Updates.size(), 2u);
    EXPECT_EQ(deck->Updates[0].Card, &deck->CardLast());
    EXPECT_EQ(deck->Updates[0].Rect, (TLuRect{0, 0, 32, 104}));
    EXPECT_EQ(deck->Updates[1].Card, &deck->CardFirst());
    EXPECT_EQ(deck->Updates[1].Rect, (TLuRect{16, 0, 103, 104}));

    deck->SetDeckType(dcDouble);
    deck->Updates.clear();
    deck->RedrawBuffer(false);
    ASSERT_EQ(deck->Updates.size(), 2u);
    EXPECT_EQ(deck->Updates[0].Rect, (TLuRect{0, 0, 68, 96}));
    EXPECT_EQ(deck->Updates[1].Rect, (TLuRect{16, 0, 139, 96}));

    deck->SetLayerCount(5);
    deck->Updates.clear();
    deck->RedrawBuffer(false);
    ASSERT_EQ(deck->Updates.size(), 2u);
    EXPECT_EQ(deck->Updates[1].Rect, (TLuRect{16, 0, 139, 96}));

    deck->Updates.clear();
    deck->RedrawBuffer(true);
    EXPECT_TRUE(deck->Updates.empty())
        << "an invalidating redraw reaches the screen through painting";
}

TEST_F(CardDeckTest, PreviewDeckOnePixelWiderKeepsABackgroundColumn)
{
    deck->setGeometry(10, 10, 104, 104);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    deck->RedrawBuffer(false);
    const QImage screen = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < 104; y += 13)
        EXPECT_EQ(screen.pixel(10 + 103, 10 + y), Green) << "row " << y;
    // The column left of it is the top card's right edge.
    EXPECT_EQ(screen.pixel(10 + 102, 10 + 50), Shown(Back(cbDefault), 70, 42));
}

TEST_F(CardDeckTest, AssigningCardsCopiesTheirState)
{
    TLuCardDeck other(&form);
    other.CardFirst().SetID(40);
    other.CardLast().SetID(27);
    deck->SetCardFirst(other.CardFirst());
    deck->SetCardLast(other.CardLast());
    EXPECT_EQ(deck->CardFirst().ID(), 40);
    EXPECT_EQ(deck->CardLast().ID(), 27);
    EXPECT_EQ(deck->CardFirst().Index(), 1);
    ExpectImage({0, 0, 16, 96}, CardImage(27), 0, 0, "strip of the ace of diamonds");
}

TEST_F(CardDeckTest, LoadedWithAutoEmptyShowsTheEmptyPicture)
{
    RecordingDeck loaded(&form);
    loaded.BeginLoad();
    loaded.SetAutoEmpty(true);
    loaded.EndLoad();
    EXPECT_TRUE(loaded.DeckEmpty());

    RecordingDeck plain(&form);
    plain.BeginLoad();
    plain.EndLoad();
    EXPECT_FALSE(plain.DeckEmpty());
}

TEST_F(CardDeckTest, AClickReachesTheClickEvent)
{
    form.show();
    int clicks = 0;
    deck->OnClick = [&](TLuCardDeck* sender) {
        EXPECT_EQ(sender, deck);
        ++clicks;
    };
    QTest::mouseClick(deck, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(deck, Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_EQ(clicks, 1);
}

} // namespace
