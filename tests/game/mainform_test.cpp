// The game window after start-up: its layout, menu, state and settings, the
// Help menu, the close query and the write at close, the posted messages and
// the key preview.
#include "game/table/bevel.h"
#include "game/table/image.h"
#include "game/mainform.h"
#include "cardlib/lucard.h"
#include "platform/inifile.h"
#include "tests/support/seams.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>
#include <memory>

namespace {

using platform::MsgResult;
using testing_support::ScriptedMessageBoxes;
using testing_support::ShellRecorder;

constexpr QRgb SilverRgb = qRgb(192, 192, 192);

// The window opened on a fresh application folder of its own, whose Data
// folder exists (as beside a built executable) unless a test removes it.
class MainFormTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString appDir = dir.path() + u'/';
    QString configPath = appDir + QStringLiteral("Data/Config.INI");

    void SetUp() override { ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Data"))); }

    void WriteConfig(const QString& text)
    {
        QFile f(configPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
    }

    std::unique_ptr<TMainForm> Open() { return std::make_unique<TMainForm>(appDir); }

    static QImage Grab(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST_F(MainFormTest, WindowIsAFixedSilverTableBelowTheMenu)
{
    auto form = Open();
    form->show();
    EXPECT_EQ(form->windowTitle(), "Velto");
    QWidget* client = form->ClientArea();
    ASSERT_EQ(form->centralWidget(), client);
    EXPECT_EQ(client->size(), QSize(572, 448));
    EXPECT_EQ(client->pos(), QPoint(0, form->menuBar()->height()));
    EXPECT_EQ(form->height(), form->menuBar()->height() + 448);
    EXPECT_EQ(form->width(), 572);
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form->font().family(), "MS Sans Serif");
    EXPECT_EQ(form->font().pixelSize(), 11);

    const QImage img = Grab(client);
    for (const QPoint p : {QPoint(5, 5), QPoint(300, 140), QPoint(566, 440), QPoint(20, 300)})
        EXPECT_EQ(img.pixel(p), SilverRgb) << p.x() << "," << p.y();
}

struct Placement {
    const char* name;
    int left, top, width, height; // width 0: sized to its content
    bool visible, enabled;
};

TEST_F(MainFormTest, ComponentsStandWhereTheLayoutPutsThemInCreationOrder)
{
    const Placement layout[] = {
        {"Bevel1", 53, 23, 73, 98, true, true},    {"Bevel2", 178, 23, 73, 98, true, true},
        {"Bevel3", 272, 23, 73, 98, true, true},   {"Bevel4", 367, 23, 73, 98, true, true},
        {"Bevel5", 462, 23, 73, 98, true, true},   {"Bevel6", 53, 343, 73, 98, true, true},
        {"Bevel7", 178, 343, 73, 98, true, true},  {"Bevel8", 272, 343, 73, 98, true, true},
        {"Bevel9", 367, 343, 73, 98, true, true},  {"Bevel10", 462, 343, 73, 98, true, true},
        {"Image2", 225, 176, 80, 80, true, true},  {"Image1", 372, 176, 80, 80, true, true},
        {"WaitSign1", 131, 364, 32, 32, false, true}, {"WaitSign2", 131, 49, 32, 32, false, true},
        {"Label9", 484, 208, 0, 0, true, true},    {"ScoreLabel", 525, 208, 0, 0, true, true},
        {"GamePausedLabel", 44, 280, 0, 0, false, true}, {"PauseBtn", 56, 304, 75, 25, false, false},
        // The card components, in front of all of the above.
        {"Play2Pile", 54, 24, 71, 96, true, true},     {"Play2Card1", 179, 24, 71, 96, true, true},
        {"Play2Card2", 273, 24, 71, 96, true, true},   {"Play2Card3", 368, 24, 71, 96, true, true},
        {"Play2Card4", 463, 24, 71, 96, true, true},   {"Play1Pile", 54, 344, 71, 96, true, true},
        {"Play1Card1", 179, 344, 71, 96, true, true},  {"Play1Card2", 273, 344, 71, 96, true, true},
        {"Play1Card3", 368, 344, 71, 96, true, true},  {"Play1Card4", 463, 344, 71, 96, true, true},
        {"CardTable1", 195, 168, 131, 156, true, true}, {"CardTable2", 342, 168, 131, 156, true, true},
        {"TempTable1", 91, 130, 30, 22, false, true},  {"TempTable2", 125, 128, 29, 26, false, true},
        {"Deck", 37, 169, 103, 104, true, true},
    };
    auto form = Open();
    form->show();
    QWidgetList children;
    for (QObject* o : form->ClientArea()->children())
        if (o->isWidgetType())
            children << static_cast<QWidget*>(o);
    ASSERT_EQ(children.size(), static_cast<qsizetype>(std::size(layout)));
    for (std::size_t i = 0; i < std::size(layout); ++i) {
        const Placement& p = layout[i];
        QWidget* w = children[static_cast<qsizetype>(i)];
        EXPECT_EQ(w->objectName(), p.name) << "creation order at " << i;
        EXPECT_EQ(w->pos(), QPoint(p.left, p.top)) << p.name;
        if (p.width) {
            EXPECT_EQ(w->size(), QSize(p.width, p.height)) << p.name;
        }
        EXPECT_EQ(w->isVisible(), p.visible) << p.name;
        EXPECT_EQ(w->isEnabled(), p.enabled) << p.name;
    }

    EXPECT_EQ(form->Bevel1->objectName(), "Bevel1");
    EXPECT_EQ(form->Bevel10->objectName(), "Bevel10");
    EXPECT_TRUE(form->Image1->Transparent());
    EXPECT_TRUE(form->WaitSign2->Transparent());
    EXPECT_EQ(form->Label9->text(), "Score :");
    EXPECT_EQ(form->ScoreLabel->text(), "0");
    EXPECT_EQ(form->GamePausedLabel->text(), "GAME PAUSED");
    EXPECT_EQ(form->GamePausedLabel->font().family(), "Times New Roman");
    EXPECT_TRUE(form->GamePausedLabel->font().bold());
    EXPECT_EQ(form->GamePausedLabel->font().pixelSize(), 16);
    EXPECT_EQ(form->GamePausedLabel->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(form->PauseBtn->text(), "&Pause");
    EXPECT_EQ(form->PauseBtn->font().family(), "Times New Roman");
    EXPECT_TRUE(form->PauseBtn->font().bold());
    EXPECT_EQ(form->PauseBtn->font().pixelSize(), 13);
    EXPECT_FALSE(form->Timer->isActive());
}

TEST_F(MainFormTest, BevelsAreLoweredFramesAroundTheCardSlots)
{
    auto form = Open();
    const QImage img = Grab(form->ClientArea());
    const QRgb shadow = TBevel::ShadowColor.rgb(), light = TBevel::HighlightColor.rgb();
    for (const TBevel* b : {form->Bevel1, form->Bevel5, form->Bevel6, form->Bevel10}) {
        const int l = b->x(), t = b->y(), r = l + 72, btm = t + 97;
        EXPECT_EQ(img.pixel(l, t), shadow);
        EXPECT_EQ(img.pixel(l + 30, t), shadow);
        EXPECT_EQ(img.pixel(l, t + 50), shadow);
        EXPECT_EQ(img.pixel(l, btm), shadow);   // bottom-left corner goes to the shadow
        EXPECT_EQ(img.pixel(r, t), light);      // top-right corner to the highlight
        EXPECT_EQ(img.pixel(r, t + 50), light);
        EXPECT_EQ(img.pixel(l + 30, btm), light);
        EXPECT_EQ(img.pixel(r, btm), light);
        // The card slot inside (71 x 96 at one pixel in) is left alone.
        EXPECT_EQ(img.pixel(l + 1, t + 1), SilverRgb);
        EXPECT_EQ(img.pixel(r - 1, btm - 1), SilverRgb);
        EXPECT_EQ(img.pixel(r + 1, t + 10), SilverRgb);
    }
}

TEST_F(MainFormTest, MenuHasItsCaptionsAndMnemonics)
{
    auto form = Open();
    QStringList top;
    for (QAction* a : form->menuBar()->actions())
        top << a->text();
    EXPECT_EQ(top, (QStringList{"&Deal", "&Options", "&Scores", "&Race", "&Help", "&Exit"}));
    EXPECT_EQ(form->menuBar()->actions()[3], form->RaceMenu->menuAction());
    EXPECT_EQ(form->menuBar()->actions()[4], form->HelpMenu->menuAction());
    EXPECT_EQ(form->HostRaceMenu->text(), "&Host a Race...");
    EXPECT_EQ(form->JoinRaceMenu->text(), "&Join a Race...");
    EXPECT_TRUE(form->HelpMenu->menuAction()->isEnabled());

    QStringList help;
    for (QAction* a : form->HelpMenu->actions())
        help << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(help, (QStringList{"Contents", "Gorvane Web Site", "-", "Contact Us", "-", "About Velto"}));
    EXPECT_EQ(form->DealMenu->text(), "&Deal");
    EXPECT_EQ(form->ExitMenu->text(), "&Exit");
    EXPECT_EQ(form->AboutVeltoMenu->text(), "About Velto");
}

TEST_F(MainFormTest, StartStateWithoutASettingsFile)
{
    auto form = Open();
    EXPECT_EQ(form->AppDir, appDir);
    EXPECT_EQ(form->DataDir, appDir + "Data/");
    EXPECT_EQ(form->VersionText, "Version 1.1");
    EXPECT_TRUE(form->SoundsOn);
    EXPECT_FALSE(form->InGame);
    EXPECT_EQ(form->Scoring, 0);
    EXPECT_EQ(form->Decks, 1);
    EXPECT_EQ(form->Level, 2);
    EXPECT_EQ(form->Deck->CardBack(), cbDefault);
    EXPECT_EQ(form->UserPlayed, 0);
    EXPECT_EQ(form->ComputerPlayed, 0);
    EXPECT_EQ(form->Score, 0);
    EXPECT_TRUE(form->FreshRun);
    EXPECT_FALSE(form->HallEntryDone);
    EXPECT_FALSE(form->UserStuck || form->ComputerStuck || form->Pile1Busy || form->Pile2Busy || form->UserWon
                 || form->ComputerWon);
    EXPECT_EQ(form->HallOfFame, THallOfFameTable{});
    EXPECT_EQ(form->Timer->interval(), 750);
    EXPECT_FALSE(form->Timer->isActive());
    EXPECT_FALSE(QFile::exists(configPath)); // reading creates nothing
}

TEST_F(MainFormTest, AppDirGetsItsTrailingSlash)
{
    TMainForm form(dir.path());
    EXPECT_EQ(form.AppDir, appDir);
    EXPECT_EQ(form.DataDir, appDir + "Data/");
}

TEST_F(MainFormTest, SettingsAndHallOfFameAreReadIntoTheState)
{
    WriteConfig(QStringLiteral("[Settings]\nScoring=1\nDeckSize=1\nVelto=0\nPlaySounds=0\nCardBack=7\n"
                               "[Single Deck - Las Vegas Scoring - Unbeatable]\n1=Ann`1526\n3=`250\n"));
    auto form = Open();
    EXPECT_EQ(form->Scoring, 1);
    EXPECT_EQ(form->Decks, 1);
    EXPECT_EQ(form->Level, 0);
    EXPECT_FALSE(form->SoundsOn);
    EXPECT_EQ(form->Deck->CardBack(), cbIceCream);
    EXPECT_EQ(form->HallOfFame.At(1, 2, 1, 1), (THallOfFameEntry{1526, "Ann"}));
    EXPECT_EQ(form->HallOfFame.At(1, 2, 1, 3), (THallOfFameEntry{250, ""}));
    EXPECT_EQ(form->HallOfFame.At(1, 2, 1, 2), THallOfFameEntry{});
}

TEST_F(MainFormTest, TimerIntervalFollowsTheLevel)
{
    const struct {
        const char* value;
        int level, interval;
    } cases[] = {{"0", 0, 250}, {"1", 1, 500}, {"2", 2, 750}, {"3", 3, 1000}, {"4", 4, 1250},
                 {"7", 4, 1250}, {"-1", 0, 250},  {"Hard", 2, 750}};
    for (const auto& c : cases) {
        WriteConfig(QStringLiteral("[Settings]\nVelto=%1\n").arg(QString::fromLatin1(c.value)));
        auto form = Open();
        EXPECT_EQ(form->Level, c.level) << c.value;
        EXPECT_EQ(form->Timer->interval(), c.interval) << c.value;
        EXPECT_FALSE(form->Timer->isActive());
    }
}

TEST_F(MainFormTest, HelpMenuOpensTheHelpDocumentAndTheMakersPages)
{
    auto form = Open();
    ShellRecorder shell;
    form->ContentsMenu->trigger();
    form->WebSiteMenu->trigger();
    form->ContactUsMenu->trigger();
    ASSERT_EQ(shell.Requests().size(), 3u);
    for (const auto& r : shell.Requests())
        EXPECT_EQ(r.verb, "Open");
    EXPECT_EQ(shell.Targets(), (QStringList{appDir + "help/velto.html", "https://www.gorvane.com/?Velto",
                                            "https://www.gorvane.com/ContactUs.htm"}));
}

TEST_F(MainFormTest, ExitBetweenDealsClosesAtOnceAndWritesTheFile)
{
    WriteConfig(QStringLiteral("[Settings]\nVelto=7\nDeckSize=2\n"));
    auto form = Open();
    form->show();
    form->HallOfFame.At(2, 1, 5, 1) = {2222, QStringLiteral("Bo")};
    ScriptedMessageBoxes boxes; // closing between deals asks nothing
    form->ExitMenu->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(boxes.Boxes().empty());

    const platform::IniFile ini(configPath);
    EXPECT_EQ(ini.ReadString("Settings", "Velto", "?"), "4"); // normalised when read, written back so
    EXPECT_EQ(ini.ReadString("Settings", "DeckSize", "?"), "2");
    EXPECT_EQ(ini.ReadString("Double Deck - Normal Scoring - Easy", "1", "?"), "Bo`2222");
    EXPECT_EQ(ini.ReadString("Double Deck - Las Vegas Scoring - Easy", "5", "?"), "`0");

    form->close(); // a second close writes nothing more and asks nothing
    EXPECT_TRUE(boxes.Boxes().empty());
}

// Whether cards fly is read at start-up (a file from before the switch
// existed reads as on) and written back at close.
TEST_F(MainFormTest, TheAnimateCardsSwitchIsReadAtStartAndWrittenAtClose)
{
    const struct {
        const char* file;
        bool read;
        const char* written;
    } cases[] = {{"[Settings]\nVelto=2\n", true, "1"},
                 {"[Settings]\nAnimateCards=0\n", false, "0"},
                 {"[Settings]\nAnimateCards=1\n", true, "1"},
                 {"[Settings]\nAnimateCards=yes\n", true, "1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        WriteConfig(QString::fromLatin1(c.file));
        {
            TMainForm form(appDir);
            EXPECT_EQ(form.AnimateCards, c.read);
            form.show();
            form.close();
        }
        EXPECT_EQ(platform::IniFile(configPath).ReadString("Settings", "AnimateCards", "?"), c.written);
    }
}

TEST_F(MainFormTest, ClosingDuringADealAsksFirst)
{
    auto form = Open();
    form->show();
    form->InGame = true;
    form->Timer->start();

    ScriptedMessageBoxes boxes{MsgResult::No, MsgResult::Yes};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->Timer->isActive()); // the deal goes on
    EXPECT_FALSE(QFile::exists(configPath));

    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->Timer->isActive());
    EXPECT_TRUE(QFile::exists(configPath));
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    for (const auto& box : boxes.Boxes()) {
        EXPECT_EQ(box.text, "Quit game and exit?");
        EXPECT_EQ(box.type, platform::MsgType::Confirmation);
        EXPECT_EQ(box.buttons, platform::MsgButtons::YesNo);
    }
}

TEST_F(MainFormTest, WithoutTheDataFolderTheWindowStillClosesAfterOneErrorBox)
{
    auto form = Open();
    ASSERT_TRUE(QDir(appDir + "Data").removeRecursively());
    form->show();
    ScriptedMessageBoxes boxes{MsgResult::Ok};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(boxes.Texts(), QStringList{"Unable to write to " + configPath});
    EXPECT_FALSE(QDir(appDir + "Data").exists());
}

// Records what reaches the places the rules fill in later.
class RecordingForm : public TMainForm {
public:
    using TMainForm::TMainForm;
    QStringList calls;
    QChar swallow;

protected:
    void RefillUserSlot(int slot) override { calls << QStringLiteral("user %1").arg(slot); }
    void RefillComputerSlot(int slot) override { calls << QStringLiteral("computer %1").arg(slot); }
    void GameOver() override { calls << QStringLiteral("game over"); }
    void FormKeyPress(QChar& key) override
    {
        calls << QStringLiteral("key %1").arg(key);
        if (key == swallow)
            key = QChar();
    }
};

// The window's own messages lie above WM_USER, clear of the system's, and
// each is its own: whatever order they are posted in, each reaches its own
// handler, in that order.
TEST_F(MainFormTest, EachOfTheWindowsOwnMessagesReachesItsOwnHandler)
{
    struct Own {
        unsigned Msg;
        int Slot;
        QString Call;
    };
    std::vector<Own> Messages = {
        {MsgRefillUser, 2, QStringLiteral("user 2")},
        {MsgRefillComputer, 4, QStringLiteral("computer 4")},
        {MsgGameOver, 0, QStringLiteral("game over")},
    };
    std::set<unsigned> Numbers;
    for (const Own& M : Messages) {
        EXPECT_GT(M.Msg, platform::WM_USER);
        Numbers.insert(M.Msg);
    }
    EXPECT_EQ(Numbers.size(), Messages.size()) << "two messages share a number";

    RecordingForm form(appDir);
    const auto ByNumber = [](const Own& A, const Own& B) { return A.Msg < B.Msg; };
    std::sort(Messages.begin(), Messages.end(), ByNumber);
    do {
        form.calls.clear();
        QStringList Expected;
        for (const Own& M : Messages) {
            platform::PostMessage(&form, M.Msg, static_cast<std::uintptr_t>(M.Slot));
            Expected << M.Call;
        }
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(form.calls, Expected);
    } while (std::next_permutation(Messages.begin(), Messages.end(), ByNumber));
}

TEST_F(MainFormTest, PostedMessagesReachTheirHandlersInPostingOrder)
{
    RecordingForm form(appDir);
    platform::PostMessage(&form, MsgRefillUser, 3);
    platform::PostMessage(&form, MsgGameOver);
    platform::PostMessage(&form, platform::WM_USER + 9, 1); // unknown: ignored
    platform::PostMessage(&form, MsgRefillComputer, 1);
    EXPECT_TRUE(form.calls.isEmpty()); // posted, not sent
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(form.calls, (QStringList{"user 3", "game over", "computer 1"}));
}

TEST_F(MainFormTest, TypedCharactersReachFormKeyPressFirstAndOnce)
{
    RecordingForm form(appDir);
    auto* edit = new QLineEdit(form.ClientArea());
    edit->move(200, 300);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), edit);

    form.swallow = u'2';
    QTest::keyClicks(edit, QStringLiteral("1x2"));
    EXPECT_EQ(form.calls, (QStringList{"key 1", "key x", "key 2"}));
    EXPECT_EQ(edit->text(), "1x"); // the swallowed key never reached the control

    // Keys typed in another window are not this window's.
    form.calls.clear();
    QLineEdit other;
    other.show();
    QTest::keyClicks(&other, QStringLiteral("3"));
    EXPECT_TRUE(form.calls.isEmpty());
}

TEST_F(MainFormTest, RingsAndWaitSignsShowTheirPicturesOnSilver)
{
    auto form = Open();
    form->WaitSign1->show();
    form->show();
    const QImage table = Grab(form->ClientArea());
    const auto reddish = [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 120 && qBlue(c) < 120; };
    for (const TImage* ring : {form->Image2, form->Image1}) {
        ASSERT_EQ(ring->Picture().size(), QSize(80, 80));
        const QPoint at = ring->pos();
        EXPECT_EQ(table.pixel(at + QPoint(40, 40)), SilverRgb); // the top card shows through the ring
        EXPECT_EQ(table.pixel(at + QPoint(0, 0)), SilverRgb);
        int red = 0;
        for (int x = 0; x < 80; ++x)
            red += reddish(table.pixel(at + QPoint(x, 40)));
        EXPECT_GE(red, 4) << "the ring crosses its middle row twice";
    }
    ASSERT_EQ(form->WaitSign1->Picture().size(), QSize(32, 32));
    EXPECT_EQ(form->WaitSign1->Picture(), form->WaitSign2->Picture());
    const QPoint sign = form->WaitSign1->pos();
    int red = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            red += reddish(table.pixel(sign + QPoint(x, y)));
    EXPECT_GT(red, 10) << "the light shows red";
}

TEST(Image, TransparentJpegLeavesOutItsBackgroundColour)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(qRgb(250, 252, 248)); // a JPEG's near-white background
    picture.setPixel(0, 0, qRgb(255, 255, 255));
    picture.setPixel(4, 4, qRgb(200, 0, 0));
    TImage image;
    image.resize(8, 8);
    image.SetPicture(picture);
    EXPECT_EQ(qAlpha(image.Displayed().pixel(0, 0)), 255); // opaque until it is made transparent
    image.SetTransparent(true);
    EXPECT_EQ(qAlpha(image.Displayed().pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.Displayed().pixel(7, 7)), 0);
    EXPECT_EQ(image.Displayed().pixel(4, 4), qRgba(200, 0, 0, 255));

    QImage alpha(4, 4, QImage::Format_ARGB32);
    alpha.fill(qRgba(0, 0, 0, 0));
    alpha.setPixel(1, 1, qRgba(0, 200, 0, 255));
    image.SetPicture(alpha);
    EXPECT_EQ(image.Displayed(), alpha); // an alpha channel is used as it is

    image.SetPicture(QImage());
    EXPECT_TRUE(image.Displayed().isNull());
}

} // namespace
