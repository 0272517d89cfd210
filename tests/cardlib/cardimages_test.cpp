// The shared card images: which resource fills which slot, the prepared
// corners and frame, the transparent colours, the reference count, and the
// three pixel operations.
#include "testcardowners.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

namespace {

TEST(CardImageSlotTest, ResourceOfEachSlot)
{
    const int Rows[][2] = {
        {2, 2},   {13, 13}, {14, 1},  {15, 15}, {26, 26}, {27, 14}, {28, 41}, {39, 52}, {40, 40},
        {41, 28}, {52, 39}, {53, 27}, {54, 53}, {55, 54}, {56, 55}, {70, 69}, {1, 0},   {71, 0},
    };
    for (const auto& Row : Rows)
        EXPECT_EQ(CardImageResource(Row[0]), Row[1]) << "slot " << Row[0];

    std::set<int> Used;
    for (int Slot = FirstCardImageSlot; Slot <= LastCardImageSlot; ++Slot)
        Used.insert(CardImageResource(Slot));
    EXPECT_EQ(Used.size(), 69u);
    EXPECT_EQ(*Used.begin(), 1);
    EXPECT_EQ(*Used.rbegin(), 69);
}

// The picture a slot should hold: its resource in full colour with the
// outline drawn in the slot's transparent colour.
QImage PreparedResource(int Slot)
{
    QImage Image(CardResourcePath(CardImageResource(Slot)));
    Image = Image.convertToFormat(QImage::Format_RGB32);
    DrawCardOutline(Image, Slot == 70 ? CardWhite : CardMagenta);
    return Image;
}

class CardImagesTest : public ::testing::Test {
protected:
    TTestCardControl Owner;
    TLuSingleCard Card{&Owner, &Owner.Buffer()};
};

TEST_F(CardImagesTest, EverySlotHoldsItsResourcePrepared)
{
    for (int Slot = FirstCardImageSlot; Slot <= LastCardImageSlot; ++Slot) {
        SCOPED_TRACE(Slot);
        const TLuCardImage* Image = CardImage(Slot);
        ASSERT_NE(Image, nullptr);
        EXPECT_EQ(Image->Picture.format(), QImage::Format_RGB32);
        EXPECT_EQ(Image->Picture.size(), QSize(CardWidth, CardHeight));
        EXPECT_TRUE(Image->Transparent);
        EXPECT_EQ(Image->TransparentColor, Slot == 70 ? CardWhite : CardMagenta);
        EXPECT_EQ(Image->Picture, PreparedResource(Slot));
    }
    EXPECT_EQ(CardImage(1), nullptr);
    EXPECT_EQ(CardImage(71), nullptr);
}

TEST_F(CardImagesTest, SpotChecksOfTheOrder)
{
    // Aces first and hearts before spades in the resources.
    EXPECT_EQ(CardImage(14)->Picture, PreparedResource(14));
    EXPECT_EQ(CardResourcePath(CardImageResource(14)), ":/cards/1.bmp") << "ace of clubs";
    EXPECT_EQ(CardResourcePath(CardImageResource(40)), ":/cards/40.bmp") << "ace of spades";
    EXPECT_EQ(CardResourcePath(CardImageResource(41)), ":/cards/28.bmp") << "two of hearts";
    EXPECT_EQ(CardResourcePath(CardImageResource(54)), ":/cards/53.bmp") << "red joker";
    EXPECT_EQ(CardResourcePath(CardImageResource(70)), ":/cards/69.bmp") << "dotted back";
    // Faces of different cards differ.
    EXPECT_NE(CardImage(14)->Picture, CardImage(40)->Picture);
    EXPECT_NE(CardImage(41)->Picture, CardImage(28)->Picture);
    EXPECT_NE(CardImage(54)->Picture, CardImage(55)->Picture);
}

TEST_F(CardImagesTest, CornersShowTheBackgroundAndTheFrameIsBlack)
{
    const int Corners[][2] = {{0, 0},  {1, 0},  {0, 1},  {69, 0},  {70, 0},  {70, 1},
                              {0, 94}, {0, 95}, {1, 95}, {69, 95}, {70, 95}, {70, 94}};
    const int Bevels[][2] = {{1, 1}, {69, 1}, {69, 94}, {1, 94}};
    for (int Slot = FirstCardImageSlot; Slot <= LastCardImageSlot; ++Slot) {
        SCOPED_TRACE(Slot);
        const TLuCardImage& Image = *CardImage(Slot);
        for (const auto& P : Corners)
            EXPECT_EQ(Image.Picture.pixel(P[0], P[1]), Image.TransparentColor) << P[0] << "," << P[1];

        const QImage Drawn = ExpectedCopy(Image, 0, 0, CardWidth, CardHeight, Silver);
        for (const auto& P : Corners)
            EXPECT_EQ(Drawn.pixel(P[0], P[1]), Silver) << P[0] << "," << P[1];
        for (const auto& P : Bevels)
            EXPECT_EQ(Drawn.pixel(P[0], P[1]), 0xFF000000u) << P[0] << "," << P[1];
        EXPECT_TRUE(AllPixels(Drawn, {2, 0, 69, 1}, 0xFF000000)) << "top edge";
        EXPECT_TRUE(AllPixels(Drawn, {2, 95, 69, 96}, 0xFF000000)) << "bottom edge";
        EXPECT_TRUE(AllPixels(Drawn, {0, 2, 1, 94}, 0xFF000000)) << "left edge";
        EXPECT_TRUE(AllPixels(Drawn, {70, 2, 71, 94}, 0xFF000000)) << "right edge";
    }
}

TEST_F(CardImagesTest, TheDottedBackShowsOnlyItsDots)
{
    const TLuCardImage& Dots = *CardImage(BackImageIndex(cbDots));
    const QImage Drawn = ExpectedCopy(Dots, 0, 0, CardWidth, CardHeight, Silver);
    int White = 0;
    int Black = 0;
    for (int Y = 0; Y < CardHeight; ++Y) {
        for (int X = 0; X < CardWidth; ++X) {
            const QRgb Pixel = Dots.Picture.pixel(X, Y);
            if (Pixel == CardWhite) {
                ++White;
                EXPECT_EQ(Drawn.pixel(X, Y), Silver) << X << "," << Y;
            } else {
                ++Black;
                EXPECT_EQ(Drawn.pixel(X, Y), Pixel) << X << "," << Y;
            }
        }
    }
    EXPECT_GT(White, 0);
    EXPECT_GT(Black, 0);
    // On the other images magenta is the see-through colour, white stays white.
    const QImage Ace = ExpectedCopy(*CardImage(14), 0, 0, CardWidth, CardHeight, Silver);
    EXPECT_EQ(Ace.pixel(35, 10), CardImage(14)->Picture.pixel(35, 10));
}

// The copy by prepared runs against the pixel rule, for every image and
// rectangles inside the Buffer, across each of its edges, wholly outside it,
// narrower and wider than a card, and from inside and outside the image.
TEST_F(CardImagesTest, RunCopyMatchesThePixelRuleForEveryImage)
{
    struct TPut {
        TLuRect Dest;
        int SrcX;
        int SrcY;
    };
    const TPut Puts[] = {
        {{0, 0, 71, 96}, 0, 0},        // a whole card at the corner
        {{40, 10, 111, 106}, 0, 0},    // a whole card inside
        {{100, 50, 171, 146}, 0, 0},   // over the right and bottom edges
        {{-30, -40, 41, 56}, 0, 0},    // over the left and top edges
        {{-80, 0, -9, 96}, 0, 0},      // wholly left of the Buffer
        {{0, 120, 71, 216}, 0, 0},     // wholly below it
        {{16, 0, 32, 96}, 0, 0},       // a tight strip
        {{3, 7, 4, 103}, 0, 0},        // one column
        {{0, 50, 71, 100}, 0, 0},      // a loose strip down
        {{10, 5, 115, 101}, 0, 0},     // a strip wider than the card
        {{0, 0, 150, 120}, 0, 0},      // wider and higher than the card
        {{20, 20, 60, 70}, 30, 40},    // from inside the image
        {{20, 20, 60, 70}, -5, -7},    // from before the image's corner
        {{20, 20, 60, 70}, 50, 80},    // running past the image's far corner
        {{-10, 30, 61, 126}, 0, 0},    // over the left edge and the bottom
        {{30, 30, 30, 96}, 0, 0},      // empty
        {{60, 20, 20, 60}, 0, 0},      // upside down: nothing
    };
    QImage Pattern(150, 120, QImage::Format_RGB32);
    for (int Y = 0; Y < Pattern.height(); ++Y)
        for (int X = 0; X < Pattern.width(); ++X)
            Pattern.setPixel(X, Y, qRgb(X, Y, (X * Y) & 0xFF));
    for (int Slot = FirstCardImageSlot; Slot <= LastCardImageSlot; ++Slot) {
        const TLuCardImage& Image = *CardImage(Slot);
        for (const TPut& Put : Puts) {
            QImage Expected = Pattern.copy();
            ReferenceTransparentCopy(Expected, Put.Dest, Image, Put.SrcX, Put.SrcY, Silver);
            QImage Actual = Pattern.copy();
            TransparentCopy(Actual, Put.Dest, Image, Put.SrcX, Put.SrcY, Silver);
            ASSERT_EQ(Actual, Expected) << "slot " << Slot << " at " << Put.Dest.Left << "," << Put.Dest.Top << ","
                                        << Put.Dest.Right << "," << Put.Dest.Bottom << " from " << Put.SrcX << ","
                                        << Put.SrcY;
        }
    }
}

TEST_F(CardImagesTest, RunsOfALoadedImage)
{
    // A face: only the three corner pixels at each end of the top, second,
    // second-last and bottom rows are see-through, so those rows start later
    // or end sooner and every other row is one run across.
    const TLuCardImage& Face = *CardImage(20);
    ASSERT_EQ(Face.RowStart.size(), 97u);
    const auto RunsOfRow = [&Face](int Y) {
        std::vector<std::pair<int, int>> Out;
        for (int I = Face.RowStart[std::size_t(Y)]; I < Face.RowStart[std::size_t(Y) + 1]; ++I)
            Out.emplace_back(Face.Runs[std::size_t(I)].Begin, Face.Runs[std::size_t(I)].End);
        return Out;
    };
    using TRuns = std::vector<std::pair<int, int>>;
    EXPECT_EQ(RunsOfRow(0), (TRuns{{2, 69}}));
    EXPECT_EQ(RunsOfRow(1), (TRuns{{1, 70}}));
    EXPECT_EQ(RunsOfRow(2), (TRuns{{0, 71}}));
    EXPECT_EQ(RunsOfRow(94), (TRuns{{1, 70}}));
    EXPECT_EQ(RunsOfRow(95), (TRuns{{2, 69}}));
}

TEST(CardImagesRefCountTest, LoadedOnceFreedWithTheLastCardReloadedAfter)
{
    ASSERT_EQ(CardImagesRefCount(), 0u);
    ASSERT_FALSE(CardImagesLoaded());
    {
        TTestCardControl Owner;
        auto First = std::make_unique<TLuSingleCard>(&Owner, &Owner.Buffer());
        EXPECT_EQ(CardImagesRefCount(), 1u);
        EXPECT_TRUE(CardImagesLoaded());
        const qint64 Key = CardImage(20)->Picture.cacheKey();
        {
            TLuSingleCard Second(&Owner, &Owner.Buffer());
            TLuSingleCard Third(&Owner, &Owner.Buffer());
            EXPECT_EQ(CardImagesRefCount(), 3u);
            EXPECT_EQ(CardImage(20)->Picture.cacheKey(), Key) << "not loaded again";
            EXPECT_EQ(Second.FaceImage(), First->FaceImage()) << "shared, not copied";
        }
        EXPECT_EQ(CardImagesRefCount(), 1u);
        EXPECT_TRUE(CardImagesLoaded());
        First.reset();
        EXPECT_EQ(CardImagesRefCount(), 0u);
        EXPECT_FALSE(CardImagesLoaded());
        EXPECT_TRUE(CardImage(20)->Picture.isNull());

        TLuSingleCard Again(&Owner, &Owner.Buffer());
        EXPECT_EQ(CardImagesRefCount(), 1u);
        EXPECT_FALSE(CardImage(20)->Picture.isNull());
        EXPECT_EQ(Again.FaceImage()->Picture, PreparedResource(14));
    }
    EXPECT_EQ(CardImagesRefCount(), 0u);
    // A release too many keeps the count at zero.
    ReleaseCardImages();
    EXPECT_EQ(CardImagesRefCount(), 0u);
}

TEST(CardImagesRefCountTest, AMissingResourceFailsCardCreation)
{
    const QString Old = SetCardResourceFolder(QStringLiteral(":/no-such-folder/"));
    TTestCardControl Owner;
    EXPECT_THROW(TLuSingleCard(&Owner, &Owner.Buffer()), EResNotFound);
    EXPECT_EQ(CardImagesRefCount(), 0u);
    EXPECT_FALSE(CardImagesLoaded());
    SetCardResourceFolder(Old);
    TLuSingleCard Card(&Owner, &Owner.Buffer());
    EXPECT_EQ(CardImagesRefCount(), 1u);
}

TEST(CardImagesRefCountTest, EachPictureIsReadWhenFirstAskedFor)
{
    // A folder with every picture, one of them damaged: the set loads, the
    // damaged picture fails only when a card needs it.
    QTemporaryDir Folder;
    for (int Resource = 1; Resource <= CardResourceCount; ++Resource)
        ASSERT_TRUE(QFile::copy(CardResourcePath(Resource), Folder.filePath(QStringLiteral("%1.bmp").arg(Resource))));
    const QString Damaged = Folder.filePath(QStringLiteral("5.bmp"));
    QFile::setPermissions(Damaged, QFile::ReadOwner | QFile::WriteOwner);
    {
        QFile File(Damaged);
        ASSERT_TRUE(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
        File.write("not a picture");
    }
    const QString Old = SetCardResourceFolder(Folder.path() + u'/');
    {
        TTestCardControl Owner;
        TLuSingleCard Card(&Owner, &Owner.Buffer());
        EXPECT_TRUE(CardImagesLoaded());
        EXPECT_FALSE(Card.FaceImage()->Picture.isNull());
        // A change of folder while the set is loaded does not mix sets.
        SetCardResourceFolder(QStringLiteral(":/no-such-folder/"));
        EXPECT_FALSE(CardImage(20)->Picture.isNull());
        EXPECT_THROW(CardImage(5), EResNotFound);
        EXPECT_THROW(Card.SetID(5), EResNotFound);
        EXPECT_EQ(Card.ID(), 14);
    }
    SetCardResourceFolder(Old);
}

TEST(CardOutlineTest, FrameBevelsAndCornerPixels)
{
    QImage Image(CardWidth, CardHeight, QImage::Format_RGB32);
    Image.fill(Qt::white);
    DrawCardOutline(Image, 0xFF00FF00);
    for (int Y = 0; Y < CardHeight; ++Y) {
        for (int X = 0; X < CardWidth; ++X) {
            const int DX = std::min(X, 70 - X);
            const int DY = std::min(Y, 95 - Y);
            QRgb Expected = 0xFFFFFFFF;
            if (DX + DY < 2)
                Expected = 0xFF00FF00; // the three pixels outside each bevel
            else if (DX + DY == 2 && DX < 2 && DY < 2)
                Expected = 0xFF000000; // the bevel (and where it meets the edges)
            else if (DX == 0 || DY == 0)
                Expected = 0xFF000000; // the edges
            ASSERT_EQ(Image.pixel(X, Y), Expected) << X << "," << Y;
        }
    }
}

TEST(PixelOperationsTest, TransparentCopyInvertAndFill)
{
    // Put together by hand and never prepared: the copy prepares a copy.
    TLuCardImage Image;
    Image.Picture = QImage(3, 2, QImage::Format_RGB32);
    Image.Picture.fill(0xFF102030);
    Image.Picture.setPixel(1, 0, CardMagenta);
    Image.TransparentColor = CardMagenta;

    QImage Dest(6, 3, QImage::Format_RGB32);
    Dest.fill(0xFFFFFFFF);
    // Five columns from a three-column image: the two beyond it are background.
    TransparentCopy(Dest, {1, 0, 6, 2}, Image, 0, 0, Silver);
    EXPECT_EQ(Dest.pixel(0, 0), 0xFFFFFFFFu) << "outside the destination";
    EXPECT_EQ(Dest.pixel(1, 0), 0xFF102030u);
    EXPECT_EQ(Dest.pixel(2, 0), Silver) << "transparent colour";
    EXPECT_EQ(Dest.pixel(3, 1), 0xFF102030u);
    EXPECT_EQ(Dest.pixel(4, 0), Silver) << "beyond the image";
    EXPECT_EQ(Dest.pixel(5, 1), Silver);
    EXPECT_EQ(Dest.pixel(1, 2), 0xFFFFFFFFu);

    // Rectangles reaching outside the destination are clipped.
    TransparentCopy(Dest, {-2, -1, 3, 1}, Image, 0, 0, Silver);
    EXPECT_EQ(Dest.pixel(0, 0), 0xFF102030u) << "source (2, 1)";
    InvertRect(Dest, {4, 1, 10, 10});
    EXPECT_EQ(Dest.pixel(4, 1), 0xFF3F3F3Fu);
    EXPECT_EQ(Dest.pixel(5, 2), 0xFF000000u);
    EXPECT_EQ(Dest.pixel(3, 1), 0xFF102030u);
    FillRect(Dest, {-5, 2, 2, 9}, 0xFF0000FF);
    EXPECT_EQ(Dest.pixel(1, 2), 0xFF0000FFu);
    EXPECT_EQ(Dest.pixel(2, 2), 0xFFFFFFFFu);
    FillRect(Dest, {4, 0, 2, 3}, 0xFF0000FF); // inverted rectangle: nothing
    EXPECT_EQ(Dest.pixel(3, 1), 0xFF102030u);
}

TEST(PixelOperationsTest, PreparedRunsFollowThePicture)
{
    TLuCardImage Image;
    Image.Picture = QImage(4, 2, QImage::Format_ARGB32);
    Image.Picture.fill(0x80102030); // half transparent: put opaque all the same
    Image.Picture.setPixel(1, 0, 0x00FF00FF);
    Image.Picture.setPixel(3, 1, CardMagenta);
    Image.TransparentColor = CardMagenta;
    PrepareCardImage(Image);
    EXPECT_EQ(Image.Picture.format(), QImage::Format_RGB32);
    ASSERT_EQ(Image.RowStart, (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(Image.Runs[0].Begin, 0);
    EXPECT_EQ(Image.Runs[0].End, 1);
    EXPECT_EQ(Image.Runs[1].Begin, 2);
    EXPECT_EQ(Image.Runs[1].End, 4);
    EXPECT_EQ(Image.Runs[2].Begin, 0);
    EXPECT_EQ(Image.Runs[2].End, 3);

    QImage Dest(4, 2, QImage::Format_RGB32);
    TransparentCopy(Dest, {0, 0, 4, 2}, Image, 0, 0, Silver);
    EXPECT_EQ(Dest.pixel(0, 0), 0xFF102030u);
    EXPECT_EQ(Dest.pixel(1, 0), Silver);
    EXPECT_EQ(Dest.pixel(3, 1), Silver);

    // A picture changed after it was prepared is copied as it is now.
    Image.Picture.setPixel(0, 0, CardMagenta);
    Image.Picture.setPixel(1, 0, 0xFF405060);
    TransparentCopy(Dest, {0, 0, 4, 2}, Image, 0, 0, Silver);
    EXPECT_EQ(Dest.pixel(0, 0), Silver);
    EXPECT_EQ(Dest.pixel(1, 0), 0xFF405060u);
}

} // namespace
