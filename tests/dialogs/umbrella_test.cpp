// dialogs.h is the layer in one include: this file includes nothing else of
// the layer and names something of every header in it, so it compiles only
// while the umbrella brings them all in; the umbrella offers every header in
// the layer's folder but its own workings, and every header of the layer
// that the game (in any of its folders) includes must be one it offers.
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
    EXPECT_FALSE(TNetRaceRecords().HasEntries());             // netracerecords.h
}

QSet<QString> IncludedFromDialogs(const QString& Path)
{
    static const QRegularExpression Include(QStringLiteral("#include \"dialogs/([a-z]+\\.h)\""));
    QSet<QString> Names;
    QFile File(Path);
    EXPECT_TRUE(File.open(QIODevice::ReadOnly)) << Path.toStdString();
    const QString Text = QString::fromUtf8(File.readAll());
    for (auto It = Include.globalMatch(Text); It.hasNext();)
        Names << It.next().captured(1);
    return Names;
}

QDir SourceDir()
{
    return QDir(QFileInfo(QString::fromUtf8(__FILE__)).dir().filePath(QStringLiteral("../..")));
}

// A header added to the layer is offered with the others, unless it is one
// of the layer's own workings (which the umbrella's comment names).
TEST(DialogsUmbrella, OffersEveryHeaderInTheLayersFolder)
{
    const QDir Dialogs(SourceDir().filePath(QStringLiteral("dialogs")));
    const QSet<QString> Offered = IncludedFromDialogs(Dialogs.filePath(QStringLiteral("dialogs.h")));
    const QSet<QString> Workings = {QStringLiteral("listwindowparts.h"), QStringLiteral("namevalidator.h"),
                                    QStringLiteral("radiogroupbox.h")};
    const QStringList Headers = Dialogs.entryList({QStringLiteral("*.h")}, QDir::Files);
    ASSERT_GT(Headers.size(), 10);
    for (const QString& Working : Workings)
        EXPECT_TRUE(Headers.contains(Working)) << "no longer in the folder: " << Working.toStdString();
    for (const QString& Header : Headers) {
        if (Header == QStringLiteral("dialogs.h"))
            continue;
        EXPECT_NE(Offered.contains(Header), Workings.contains(Header))
            << Header.toStdString() << (Workings.contains(Header) ? " is a working, yet offered" : " is not offered");
    }
    for (const QString& Header : Offered)
        EXPECT_TRUE(Headers.contains(Header)) << "offered but not in the folder: " << Header.toStdString();
}

// A header the game includes that the umbrella leaves out is a way into the
// layer that nobody declared.
TEST(DialogsUmbrella, OffersEveryHeaderTheGameIncludes)
{
    const QSet<QString> Offered = IncludedFromDialogs(SourceDir().filePath(QStringLiteral("dialogs/dialogs.h")));
    QStringList Files;
    for (QDirIterator It(SourceDir().filePath(QStringLiteral("game")), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                         QDir::Files, QDirIterator::Subdirectories);
         It.hasNext();)
        Files << It.next();
    ASSERT_GT(Files.size(), 30);
    int Including = 0;
    for (const QString& File : Files) {
        const QSet<QString> Included = IncludedFromDialogs(File);
        Including += !Included.isEmpty();
        for (const QString& Header : Included)
            EXPECT_TRUE(Offered.contains(Header)) << File.toStdString() << " includes dialogs/" << Header.toStdString();
    }
    EXPECT_GT(Including, 3); // the files in the game's folders were read
}

} // namespace
