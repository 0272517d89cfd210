// platform.h is the layer in one include: this file includes nothing else of
// the layer and names something of every header the other layers use, so it
// compiles only while the umbrella brings them all in; and every header of
// the layer that another layer includes must be one the umbrella offers.
// (inifilebatch.h, inifiletext.h and modalkeys.h are the layer's own
// workings.)
#include "platform/platform.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <type_traits>

namespace {

TEST(PlatformUmbrella, BringsInEveryHeaderTheOtherLayersUse)
{
    static_assert(std::is_base_of_v<std::exception, platform::EAbort>);     // abort.h
    static_assert(std::is_base_of_v<QApplication, platform::Application>);  // application.h
    static_assert(std::is_class_v<platform::Component>);                    // component.h
    static_assert(std::is_class_v<platform::IniFile>);                      // inifile.h
    static_assert(std::is_class_v<platform::SystemTime>);                   // systemclock.h
    static_assert(std::is_base_of_v<QObject, platform::TerminationRequests>); // termination.h
    static_assert(std::is_same_v<decltype(&platform::InstallTranslation), bool (*)(const QString&)>); // translations.h
    static_assert(std::is_base_of_v<QEvent, platform::PostedMessageEvent>); // windowmessages.h
    static_assert(std::is_invocable_v<platform::MessageBoxHandler, QString, platform::MsgType,
                                      platform::MsgButtons>);                     // messagebox.h
    static_assert(std::is_invocable_r_v<int, platform::ModalHandler, QDialog&>);  // modal.h
    static_assert(std::is_invocable_v<platform::ShellHandler, QString, QString>); // shell.h
    static_assert(std::is_invocable_v<platform::SoundHandler, QString>);          // sound.h
    static_assert(std::is_invocable_v<decltype(&platform::SoundPreloader::InstallOnApplication)>); // soundpreloader.h
    static_assert(std::is_invocable_v<decltype(&platform::AfterFirstPaint), QWidget&, std::function<void()>,
                                      int>);                                      // firstframe.h
    // Not drawn: the tests of the deal rely on the generator's sequence.
    static_assert(std::is_invocable_r_v<int, decltype(&platform::Random), int>); // random.h

    EXPECT_EQ(platform::LoadStr(65139), QStringLiteral("Quit game and exit?")); // stringtable.h
    EXPECT_TRUE(platform::MakeFont(QStringLiteral("MS Sans Serif"), 11, true).bold()); // fonts.h
    EXPECT_TRUE(platform::DecodeJpeg(QByteArray("not a picture")).isNull()); // jpegimage.h
    EXPECT_EQ(platform::CutName(QStringLiteral("Ann"), 2), QStringLiteral("An")); // playername.h
    EXPECT_TRUE(platform::HelpDocumentPath(QStringLiteral("/opt/velto"))     // installpaths.h
                    .endsWith(QStringLiteral(".html")));
}

QSet<QString> IncludedFromPlatform(const QString& Path)
{
    static const QRegularExpression Include(QStringLiteral("#include \"platform/([a-z]+\\.h)\""));
    QSet<QString> Names;
    QFile File(Path);
    EXPECT_TRUE(File.open(QIODevice::ReadOnly)) << Path.toStdString();
    const QString Text = QString::fromUtf8(File.readAll());
    for (auto It = Include.globalMatch(Text); It.hasNext();)
        Names << It.next().captured(1);
    return Names;
}

// A header another layer includes that the umbrella leaves out is a way
// into the layer that nobody declared.
TEST(PlatformUmbrella, OffersEveryHeaderTheOtherLayersInclude)
{
    const QDir Source(QFileInfo(QString::fromUtf8(__FILE__)).dir().filePath(QStringLiteral("../..")));
    const QSet<QString> Offered = IncludedFromPlatform(Source.filePath(QStringLiteral("platform/platform.h")));
    int Files = 0;
    for (const char* Layer : {"cardlib", "core", "dialogs", "network", "game"}) {
        for (QDirIterator It(Source.filePath(QString::fromLatin1(Layer)), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                             QDir::Files, QDirIterator::Subdirectories);
             It.hasNext();) {
            const QString File = It.next();
            ++Files;
            for (const QString& Header : IncludedFromPlatform(File))
                EXPECT_TRUE(Offered.contains(Header)) << File.toStdString() << " includes platform/" << Header.toStdString();
        }
    }
    EXPECT_GT(Files, 100); // the other layers' folders were read
}

} // namespace
