// The picture a flight carries must look, over any table, exactly like the
// card lying on that table: what the card controls leave of the table (the
// transparent colour: the corners, the dotted back's dots) shows through the
// card in the air as well, and nothing else does. Every slot of the set.
#include "cardlib/lucardimages.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Picture drawn over a table of colour Table, as the flight layer draws it.
QImage InTheAir(const QImage& Picture, QRgb Table)
{
    QImage Out(Picture.size(), QImage::Format_RGB32);
    Out.fill(Table);
    QPainter(&Out).drawImage(0, 0, Picture);
    return Out;
}

// The card as a control puts it onto a table of colour Table.
QImage Lying(const TLuCardImage& Card, QRgb Table)
{
    QImage Out(Card.Picture.size(), QImage::Format_RGB32);
    Out.fill(Table);
    TransparentCopy(Out, TLuRect::FromQRect(Out.rect()), Card, 0, 0, Table);
    return Out;
}

TEST(CardFlightPictureTest, EverySlotInTheAirLooksAsItLiesOnTheTable)
{
    AcquireCardImages();
    for (int Slot = FirstCardImageSlot; Slot <= LastCardImageSlot; ++Slot) {
        SCOPED_TRACE(Slot);
        const TLuCardImage* Card = CardImage(Slot);
        ASSERT_NE(Card, nullptr);
        const QImage Picture = CardFlightPicture(Card);
        ASSERT_EQ(Picture.size(), QSize(CardWidth, CardHeight));
        // Either fully see-through or fully opaque: a half-transparent edge
        // would blend the table into the card.
        int SeeThrough = 0;
        for (int Y = 0; Y < Picture.height(); ++Y)
            for (int X = 0; X < Picture.width(); ++X) {
                const int Alpha = qAlpha(Picture.pixel(X, Y));
                ASSERT_TRUE(Alpha == 0 || Alpha == 255) << X << "," << Y;
                SeeThrough += Alpha == 0;
            }
        EXPECT_GE(SeeThrough, 12) << "at least the three pixels of each corner";
        for (const QPoint Corner : {QPoint(0, 0), QPoint(CardWidth - 1, 0), QPoint(0, CardHeight - 1),
                                    QPoint(CardWidth - 1, CardHeight - 1)})
            EXPECT_EQ(qAlpha(Picture.pixel(Corner)), 0) << Corner.x() << "," << Corner.y();
        // Two tables, so that a pixel of the table's own colour in the card
        // cannot hide a difference.
        for (const QRgb Table : {0xFF208040u, 0xFFFF00FFu})
            ASSERT_EQ(InTheAir(Picture, Table), Lying(*Card, Table)) << std::hex << Table;
    }
    ReleaseCardImages();
}

} // namespace
