// The splash window: its look, the bar filling in 26 steps (and showing it),
// and the global that names the window only while it exists.
#include "dialogs/splashform.h"

#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace {

TEST(SplashForm, ShowStepCloseFillsTheBarInTwentySixSteps)
{
    ASSERT_EQ(SplashForm, nullptr);
    ShowSplash();
    ASSERT_NE(SplashForm, nullptr);
    TSplashForm* splash = SplashForm;
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(291, 109));
    // In the middle of the offscreen platform's 800 x 800 screen, with no frame.
    EXPECT_EQ(splash->frameGeometry(), QRect(254, 345, 291, 109));
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(splash->TitleLabel->text(), QStringLiteral("Velto"));
    EXPECT_EQ(splash->TitleLabel->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(splash->Label1->text(), QStringLiteral("A game of Skill!"));
    EXPECT_EQ(splash->Label1->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(splash->ProgressBar1->geometry(), QRect(7, 75, 273, 17));
    EXPECT_EQ(splash->ProgressBar1->minimum(), 0);
    EXPECT_EQ(splash->ProgressBar1->maximum(), 26);
    EXPECT_EQ(splash->ProgressBar1->value(), 0);

    const QImage empty = splash->ProgressBar1->grab().toImage();
    for (int step = 1; step <= 26; ++step) {
        StepSplash(SplashForm);
        ASSERT_EQ(splash->ProgressBar1->value(), step);
    }
    EXPECT_NE(splash->ProgressBar1->grab().toImage(), empty);
    // A step too many leaves the full bar full.
    StepSplash(SplashForm);
    EXPECT_EQ(splash->ProgressBar1->value(), 26);

    CloseSplash();
    EXPECT_EQ(SplashForm, nullptr);
    StepSplash(SplashForm); // no window, nothing to step
    CloseSplash();          // and nothing to close
}

TEST(SplashForm, TheGlobalNeverOutlivesTheWindow)
{
    ShowSplash();
    ShowSplash(); // a second one replaces the first
    ASSERT_NE(SplashForm, nullptr);
    delete SplashForm;
    EXPECT_EQ(SplashForm, nullptr);
}

} // namespace
