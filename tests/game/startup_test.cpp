// What start-up leaves for after the window's first frame, and what the build
// prepares for it, changes nothing the player sees: the rings are the JPEG's
// pixels as decoded, and the hidden labels are sized once the table shows.
#include "game/table/image.h"
#include "game/mainform.h"
#include "platform/jpegimage.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class StartUpTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    void SetUp() override { ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Data"))); }
};

TEST_F(StartUpTest, TheRingsAreTheJpegPixelsDecodedByTheProgramsOwnDecoder)
{
    const QImage Jpeg = platform::LoadJpeg(QStringLiteral(VELTO_SOURCE_DIR "/resources/pictures/ring.jpg"));
    ASSERT_FALSE(Jpeg.isNull());
    TMainForm Form(dir.path() + u'/');
    for (const TImage* Ring : {Form.Image1, Form.Image2}) {
        EXPECT_EQ(Ring->Picture().format(), Jpeg.format());
        EXPECT_TRUE(Ring->Picture() == Jpeg);
    }
}

TEST_F(StartUpTest, ThePausedLabelIsSizedToItsTextOnceTheTableShows)
{
    TMainForm Form(dir.path() + u'/');
    Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
    QLabel* Label = Form.GamePausedLabel;
    ASSERT_TRUE(QTest::qWaitFor([&] { return Label->size() == Label->sizeHint(); }));
    EXPECT_EQ(Label->pos(), QPoint(44, 280));
    EXPECT_FALSE(Label->isVisible());
}

} // namespace
