// Flights that arrive in the same frame land one callback after another.
// A callback that lays its card repaints at once, as card controls do, and
// that paint puts everything the window has waiting onto its surface. Read
// from the surface inside each callback, the place every flight of the
// frame is bound for shows that flight's card (laid, or the image lying at
// its end), never the card it is about to cover.
#include "cardlib/lucard.h"
#include "cardlib/lucarditem.h"
#include "tests/cardlib/scaledscreen.h"

#include <QApplication>
#include <QBackingStore>
#include <QPalette>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using scaledscreen::SamePicture;
using scaledscreen::StartedRatio;

class FlightLandingPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TLuFlightLayer::SetManualTime(true);
        QPalette Palette = Window.palette();
        Palette.setColor(QPalette::Window, QColor::fromRgb(0xFF208040));
        Window.setPalette(Palette);
        Window.setAutoFillBackground(true);
        Window.resize(572, 448);
        for (std::size_t I = 0; I < Groups.size(); ++I) {
            Groups[I] = new TLuCardGroup(&Window);
            Groups[I]->SetBounds(195 + 147 * static_cast<int>(I), 168, CardWidth, CardHeight);
            Groups[I]->SetShowBack(false);
            TLuSingleCard* Card = Groups[I]->CardList().Add()->Card();
            Card->SetShowBack(false);
            Card->SetID(Lying[I]);
        }
        Window.show();
        QApplication::processEvents();
        QApplication::processEvents();
        Layer = TLuFlightLayer::Of(&Window);
        Layer->SetShadowOffset(3);
        AcquireCardImages();
    }
    void TearDown() override
    {
        ReleaseCardImages();
        TLuFlightLayer::SetManualTime(false);
    }

    QImage Surface()
    {
        auto* Image = dynamic_cast<QImage*>(Window.backingStore()->paintDevice());
        return Image ? Image->convertToFormat(QImage::Format_RGB32) : QImage();
    }

    // Where the surface shows Group otherwise than its card ID would be
    // shown: a pixel of the card's picture that is not there ("" when the
    // whole card shows).
    std::string NotShowing(const QImage& Shot, const TLuCardGroup& Group, int ID) const
    {
        const QImage Picture = CardFlightPicture(CardImage(ID));
        const QPoint At = Group.geometry().topLeft();
        for (int Y = 0; Y < Picture.height(); ++Y)
            for (int X = 0; X < Picture.width(); ++X)
                if (qAlpha(Picture.pixel(X, Y)) == 255 && Shot.pixel(At + QPoint(X, Y)) != Picture.pixel(X, Y))
                    return "pixel " + std::to_string(X) + "," + std::to_string(Y);
        return {};
    }

    QWidget Window;
    const std::array<int, 2> Lying = {14, 15};
    const std::array<int, 2> Coming = {27, 40};
    std::array<TLuCardGroup*, 2> Groups = {};
    TLuFlightLayer* Layer = nullptr;
};

TEST_F(FlightLandingPaintTest, EveryPlaceOfAFrameShowsItsNewCardWhileTheOthersLand)
{
    if (StartedRatio() != 1.0)
        GTEST_SKIP() << "compares logical pixels";
    ASSERT_FALSE(Surface().isNull());
    for (std::size_t I = 0; I < Groups.size(); ++I)
        ASSERT_EQ(NotShowing(Surface(), *Groups[I], Lying[I]), "") << "before";

    // Each callback lays its card (which repaints its place at once) and
    // reads the surface as that paint left it.
    std::vector<QImage> InLandings;
    for (std::size_t I = 0; I < Groups.size(); ++I)
        Layer->Launch(CardFlightPicture(CardImage(Coming[I])), QPoint(40 + 160 * static_cast<int>(I), 330),
                      Groups[I]->geometry().topLeft(), 130, [&, I](int) {
                          Groups[I]->CardAt(0)->SetID(Coming[I]);
                          InLandings.push_back(Surface());
                      });
    Layer->Advance(64);
    QApplication::processEvents();
    Layer->Advance(64);
    QApplication::processEvents();
    ASSERT_EQ(Layer->Count(), 2) << "both still in the air";
    Layer->Advance(16);
    ASSERT_EQ(InLandings.size(), 2u);
    ASSERT_EQ(Layer->Count(), 0);

    for (std::size_t L = 0; L < InLandings.size(); ++L)
        for (std::size_t I = 0; I < Groups.size(); ++I)
            EXPECT_EQ(NotShowing(InLandings[L], *Groups[I], Coming[I]), "")
                << "group " << I << " during landing " << L;

    // Once the window has painted, nothing of the flights is left: the
    // surface is what a repaint of the whole window draws.
    QApplication::processEvents();
    const QImage After = Surface();
    Window.repaint();
    EXPECT_TRUE(SamePicture(After, Surface()));
    for (std::size_t I = 0; I < Groups.size(); ++I)
        EXPECT_EQ(NotShowing(After, *Groups[I], Coming[I]), "") << "after";
}

} // namespace
