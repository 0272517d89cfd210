// dialogs.h is the layer in one include: this file includes nothing else of
// the layer and names something of every header in it, so it compiles only
// while the umbrella brings them all in.
#include "dialogs/dialogs.h"

#include <QDialog>

#include <gtest/gtest.h>

#include <type_traits>

namespace {

TEST(DialogsUmbrella, BringsInEveryHeaderOfTheLayer)
{
    static_assert(std::is_base_of_v<QDialog, TAboutForm>);   // aboutform.h
    static_assert(std::is_base_of_v<QDialog, TNameForm>);    // nameform.h
    static_assert(std::is_base_of_v<QDialog, TOptionsForm>); // optionsform.h
    static_assert(std::is_abstract_v<TOptionsHost>);         // optionshost.h
    static_assert(std::is_base_of_v<QDialog, TScoreForm>);   // scoreform.h
    static_assert(std::is_class_v<TSettingsFile>);           // settingsfile.h
    static_assert(std::is_base_of_v<QWidget, TSplashForm>);  // splashform.h
    static_assert(std::is_base_of_v<QDialog, TStatisticsForm>); // statisticsform.h

    const THallOfFameTable table;                             // halloffametable.h
    EXPECT_EQ(HallOfFameLines(table).size(), 160);            // halloffame.h
    EXPECT_EQ(TGameSettings().Normalised(), TGameSettings()); // gamesettings.h
    EXPECT_EQ(TGameStatistics().At(1, 1).Played, 0);         // gamestatistics.h
    EXPECT_EQ(DurationText(0), QStringLiteral("-"));          // statisticstext.h
    EXPECT_FALSE(TRaceRecords().HasEntries());                // racerecords.h
}

} // namespace
