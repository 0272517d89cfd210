// dialogs.h is the layer in one include: this file includes nothing else of
// the layer and names something of every header in it, so it compiles only
// while the umbrella brings them all in; and every header of the layer that
// the game includes must be one the umbrella offers.
#include "dialogs/dialogs.h"

#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>

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
    static_assert(std::is_base_of_v<QDialog, TRaceSetupForm>);  // racesetupform.h
    static_assert(std::is_base_of_v<QDialog, TRaceWaitForm>);   // racewaitform.h

    QWidget Parent;
    EXPECT_EQ(MakePlainLabel(&Parent, "L", QStringLiteral("<b>x</b>"))->textFormat(), Qt::PlainText); // plainlabel.h

    const THallOfFameTable table;                             // halloffametable.h
    EXPECT_EQ(HallOfFameLines(table).size(), 160);            // halloffame.h
    EXPECT_EQ(TGameSettings().Normalised(), TGameSettings()); // gamesettings.h
    EXPECT_EQ(TGameStatistics().At(1, 1).Played, 0);         // gamestatistics.h
    EXPECT_EQ(DurationText(0), QStringLiteral("-"));          // statisticstext.h
    EXPECT_FALSE(TNetRaceRecords().HasEntries());                // racerecords.h
}

// A header the game includes that the umbrella leaves out is a way into the
// layer that nobody declared.
TEST(DialogsUmbrella, OffersEveryHeaderTheGameIncludes)
{
    const QDir Source = QFileInfo(QString::fromUtf8(__FILE__)).dir();
    const QRegularExpression Include(QStringLiteral("#include \"dialogs/([a-z]+\\.h)\""));
    const auto Included = [&](const QString& Path) {
        QSet<QString> Names;
        QFile File(Path);
        EXPECT_TRUE(File.open(QIODevice::ReadOnly)) << Path.toStdString();
        const QString Text = QString::fromUtf8(File.readAll());
        for (auto It = Include.globalMatch(Text); It.hasNext();)
            Names << It.next().captured(1);
        return Names;
    };
    const QSet<QString> Offered = Included(Source.filePath(QStringLiteral("../../dialogs/dialogs.h")));
    // The game's folders, each kind of race's included.
    QStringList Files;
    for (QDirIterator It(Source.filePath(QStringLiteral("../../game")), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                         QDir::Files, QDirIterator::Subdirectories);
         It.hasNext();)
        Files << It.next();
    ASSERT_GT(Files.size(), 30);
    for (const QString& File : Files)
        for (const QString& Header : Included(File))
            EXPECT_TRUE(Offered.contains(Header)) << File.toStdString() << " includes dialogs/" << Header.toStdString();
}

} // namespace
