// A termination request (SIGTERM, SIGHUP, SIGINT) ends the real program at
// once wherever it stands, asks nothing, and writes the settings file whole:
// a running deal counted as given up, a race left with its goodbye, a win
// waiting for its name kept under the last name given (or the login name).
//
// Each place is reached in a child process of this test program (the place
// and the signal in its environment), which then signals itself while the
// box or dialog of that place is open: the process must end by itself with
// status 0, and the file it leaves is read here.
#include "dialogs/nameform.h"
#include "dialogs/optionsform.h"
#include "dialogs/racesetupform.h"
#include "dialogs/scoreform.h"
#include "dialogs/statisticsform.h"
#include "platform/termination.h"
#include "tests/game/gametesting.h"
#include "tests/game/netracetesting.h"

#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>

#include <csignal>
#include <unistd.h>

namespace {

using namespace gametesting;
using platform::MsgResult;
using testing_support::ScriptedModalDialogs;

const char* const PlaceVariable = "VELTO_TERMINATE_AT";
const char* const SignalVariable = "VELTO_TERMINATE_SIGNAL";
const char* const FolderVariable = "VELTO_TERMINATE_FOLDER";
const char* const LoginName = "Tess";

// ---------------------------------------------------------------- the child

class TerminationChild : public GameTest {
protected:
    QString Place = qEnvironmentVariable(PlaceVariable);
    int Signal = qEnvironmentVariableIntValue(SignalVariable);
    platform::TerminationRequests Requests;

    void SetUp() override
    {
        if (Place.isEmpty())
            GTEST_SKIP() << "only in the child processes of the Termination tests";
        appDir = qEnvironmentVariable(FolderVariable) + u'/';
        configPath = appDir + QStringLiteral("Data/Config.INI");
        QDir(appDir).mkdir(QStringLiteral("Data"));
        WriteConfig(QStringLiteral("[Other]\nKeep=this\n[Settings]\nPlaySounds=0\nAnimateCards=1\n"));
        boxes.SetFallback(MsgResult::Ok);
        // As the program's main does.
        Requests.SetHandler([this](int) {
            form->Terminate();
            platform::ExitNow(0);
        });
    }

    // The request arrives while the program stands here: only the event
    // loop of whatever is open can deliver it.
    void Arrive()
    {
        ::kill(::getpid(), Signal);
        if (Place == QStringLiteral("twice"))
            ::kill(::getpid(), SIGINT);
        QEventLoop Loop;
        QTimer::singleShot(10000, &Loop, &QEventLoop::quit);
        Loop.exec();
        ADD_FAILURE() << "still running 10 s after the signal";
        std::_Exit(3);
    }
    void ArriveAtBox(const QString& Text)
    {
        boxes.WhileOpen([this, Text](const testing_support::ScriptedMessageBoxes::Box& Box) {
            if (Box.text == Text)
                Arrive();
        });
    }
    ScriptedModalDialogs::Step ArriveInDialog()
    {
        return [this](QDialog&) {
            Arrive();
            return 0;
        };
    }

    void StartDeal()
    {
        form->DealMenuClick();
        ASSERT_TRUE(WaitForDeal());
    }
    bool WaitForDeal()
    {
        return netracetesting::WaitFor([this] { return form->InGame && form->Timer->isActive(); });
    }
    // The user's next key wins the deal.
    void OneKeyFromAWin()
    {
        form->AnimateCards = false;
        ClearTable(*form, *form, Club(7), Diamond(9));
        PutCard(form->Play1Card1, 0, Heart(8));
        PutCard(form->Play2Card1, 0, Heart(3));
        form->UserPlayed = form->TargetCount - 1;
        form->Score = 24;
    }
    void Win()
    {
        OneKeyFromAWin();
        QChar Key = u'1';
        form->FormKeyPress(Key);
        Drain();
    }
};

TEST_F(TerminationChild, StandsAtItsPlaceWhenTheRequestArrives)
{
    Open();
    form->show();
    const QString You = QStringLiteral("You Won, Do you want to play again?");
    if (Place == "idle") {
        Arrive();
    } else if (Place == "startbox") {
        ArriveAtBox(QStringLiteral("Click Ok when Ready to Start!"));
        form->DealMenuClick();
    } else if (Place == "middeal" || Place == "twice") {
        StartDeal();
        Arrive();
    } else if (Place == "redeal") {
        StartDeal();
        ArriveAtBox(QStringLiteral("Quit game and re-deal?"));
        form->DealMenuClick();
    } else if (Place == "quit") {
        StartDeal();
        ArriveAtBox(QStringLiteral("Quit game and exit?"));
        form->close();
    } else if (Place == "playagain") {
        StartDeal();
        ArriveAtBox(You);
        Win();
    } else if (Place == "name") {
        StartDeal();
        boxes.Answer(MsgResult::No);
        dialogs.Then(ScriptedModalDialogs::For<TNameForm>([this](TNameForm& Form) {
            Form.Edit->setText(QStringLiteral("Half a na")); // typed, not given
            Arrive();
            return 0;
        }));
        Win();
    } else if (Place == "lastname") {
        StartDeal();
        boxes.Answer(MsgResult::Yes); // the first win: again
        dialogs.Then(ScriptedModalDialogs::For<TNameForm>([](TNameForm& Form) {
            Form.Edit->setText(QStringLiteral("Ann"));
            return testing_support::Press(Form, Form.Button1);
        }));
        Win();
        ASSERT_TRUE(WaitForDeal());
        ArriveAtBox(You);
        Win();
    } else if (Place == "options") {
        StartDeal();
        dialogs.Then(ArriveInDialog());
        form->OptionsMenuClick();
    } else if (Place == "scores") {
        dialogs.Then(ArriveInDialog());
        form->ScoresMenuClick();
    } else if (Place == "statistics") {
        dialogs.Then(ScriptedModalDialogs::For<TScoreForm>([](TScoreForm& Form) {
            Form.StatisticsBtn->click();
            return 0;
        }));
        dialogs.Then(ScriptedModalDialogs::For<TStatisticsForm>([this](TStatisticsForm&) {
            Arrive();
            return 0;
        }));
        form->ScoresMenuClick();
    } else if (Place == "about") {
        dialogs.Then(ArriveInDialog());
        form->AboutVeltoMenuClick();
    } else if (Place == "racesetup") {
        StartDeal();
        boxes.Answer(MsgResult::Yes); // "Quit game and race?"
        dialogs.Then(ScriptedModalDialogs::For<TRaceSetupForm>([this](TRaceSetupForm&) {
            Arrive();
            return 0;
        }));
        form->HostRaceMenuClick();
    } else if (Place == "racewait") {
        dialogs.Then(ScriptedModalDialogs::For<TRaceWaitForm>([this](TRaceWaitForm&) {
            Arrive();
            return 0;
        }));
        form->HostRace(QStringLiteral("Ann"), netracetesting::FreePort());
    } else if (Place == "racemiddeal") {
        // This window hosts; the other player's program is a second window.
        QTemporaryDir Other;
        netracetesting::TPlayer Bo(true, Other.path());
        const quint16 Port = netracetesting::FreePort();
        dialogs.Then(ScriptedModalDialogs::For<TRaceWaitForm>([&Bo, Port](TRaceWaitForm& Wait) {
            Bo.Form->JoinRace(QStringLiteral("Bo"), QStringLiteral("127.0.0.1:%1").arg(Port));
            netracetesting::WaitFor([&] { return Wait.result() != 0; });
            return Wait.result();
        }));
        dialogs.Then(ScriptedModalDialogs::For<TRaceWaitForm>([](TRaceWaitForm& Wait) {
            netracetesting::WaitFor([&] { return Wait.result() != 0; });
            return Wait.result();
        }));
        form->HostRace(QStringLiteral("Ann"), Port, QStringLiteral("Bo"));
        ASSERT_TRUE(netracetesting::WaitFor([&] {
            return form->NetRace->Session() && form->NetRace->Session()->Running();
        }));
        Arrive();
    } else {
        FAIL() << "no such place: " << Place.toStdString();
    }
    ADD_FAILURE() << "the place was passed without the request arriving";
    std::_Exit(4);
}

// --------------------------------------------------------------- the table

struct TExpected {
    int Played = 0;
    int Won = 0;
    QString Name; // the Hall of Fame's first entry, when a win made one
    int RacesLost = 0;
};

struct TPlaceCase {
    const char* Place;
    int Signal;
    TExpected Expected;
};

TEST(Termination, EveryPlaceEndsTheProgramWithTheFileWhole)
{
    const TPlaceCase Cases[] = {
        {"idle", SIGTERM, {}},
        {"idle", SIGINT, {}},
        {"startbox", SIGTERM, {}},
        {"middeal", SIGTERM, {1, 0, {}, 0}},
        {"middeal", SIGHUP, {1, 0, {}, 0}},
        {"middeal", SIGINT, {1, 0, {}, 0}},
        {"twice", SIGTERM, {1, 0, {}, 0}},
        {"redeal", SIGTERM, {1, 0, {}, 0}},
        {"quit", SIGTERM, {1, 0, {}, 0}},
        {"playagain", SIGTERM, {1, 1, QString::fromLatin1(LoginName), 0}},
        {"name", SIGHUP, {1, 1, QString::fromLatin1(LoginName), 0}},
        {"lastname", SIGTERM, {2, 2, QStringLiteral("Ann"), 0}},
        {"options", SIGTERM, {1, 0, {}, 0}},
        {"scores", SIGTERM, {}},
        {"statistics", SIGTERM, {}},
        {"about", SIGTERM, {}},
        {"racesetup", SIGTERM, {1, 0, {}, 0}},
        {"racewait", SIGTERM, {}},
        {"racemiddeal", SIGTERM, {0, 0, {}, 1}},
    };
    for (const TPlaceCase& C : Cases) {
        SCOPED_TRACE(std::string(C.Place) + " / signal " + std::to_string(C.Signal));
        QTemporaryDir Folder;
        QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
        Environment.insert(QString::fromLatin1(PlaceVariable), QString::fromLatin1(C.Place));
        Environment.insert(QString::fromLatin1(SignalVariable), QString::number(C.Signal));
        Environment.insert(QString::fromLatin1(FolderVariable), Folder.path());
        Environment.insert(QStringLiteral("USER"), QString::fromLatin1(LoginName));
        QProcess Child;
        Child.setProcessEnvironment(Environment);
        Child.setProcessChannelMode(QProcess::MergedChannels);
        Child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=TerminationChild.*")});
        // A hang would show as the child still running long after.
        const bool Ended = Child.waitForFinished(60000);
        const std::string Output = Child.readAll().toStdString();
        ASSERT_TRUE(Ended) << Output;
        EXPECT_EQ(Child.exitStatus(), QProcess::NormalExit) << Output;
        EXPECT_EQ(Child.exitCode(), 0) << Output;

        const QString Data = Folder.path() + QStringLiteral("/Data/");
        // One file, replaced whole: no temporary left beside it, and the
        // lines of another program kept.
        EXPECT_EQ(QDir(Data).entryList(QDir::Files), QStringList{QStringLiteral("Config.INI")});
        QFile File(Data + QStringLiteral("Config.INI"));
        ASSERT_TRUE(File.open(QIODevice::ReadOnly));
        const QString Text = QString::fromUtf8(File.readAll());
        EXPECT_TRUE(Text.startsWith(QStringLiteral("[Other]\nKeep=this\n"))) << Text.toStdString();
        EXPECT_TRUE(Text.contains(QStringLiteral("[Statistics]"))) << Text.toStdString();

        TSettingsFile Settings(Data);
        const TStatisticsRecord R = Settings.ReadStatistics().At(1, 3);
        EXPECT_EQ(R.Played, C.Expected.Played);
        EXPECT_EQ(R.Won, C.Expected.Won);
        THallOfFameTable Hall;
        Settings.ReadHallOfFame(Hall);
        EXPECT_EQ(Hall.At(1, 1, 3, 1).Name, C.Expected.Name);
        if (C.Expected.Won > 0) {
            EXPECT_GT(Hall.At(1, 1, 3, 1).Score, 0);
        }
        EXPECT_EQ(Settings.ReadRaceRecords().Statistics(1).Lost(), C.Expected.RacesLost);
    }
}

// Outside the child too: a race left because the program ends tells the
// other player at once, and the one who ended it counts the deal as lost.
TEST(Termination, ARaceEndingWithTheProgramTellsTheOtherPlayer)
{
    testing_support::ScriptedMessageBoxes Boxes;
    Boxes.SetFallback(MsgResult::Ok);
    ScriptedModalDialogs Modals;
    netracetesting::TPlayer Ann(true), Bo(true);
    netracetesting::Connect(Ann, Bo, Modals);
    if (HasFatalFailure())
        return;
    Ann.Form->Terminate();
    ASSERT_TRUE(netracetesting::WaitFor([&] { return !Bo.Racing(); }, 3000));
    ASSERT_TRUE(netracetesting::WaitFor([&] { return Boxes.Texts().contains(QStringLiteral("Ann left the race.")); }, 3000))
        << Boxes.Texts().join(u'|').toStdString();
    EXPECT_EQ(Ann.FileRecords().Statistics(1).Played, 1);
    EXPECT_EQ(Ann.FileRecords().Statistics(1).Won, 0);
    // The other player's deal has no winner: not counted.
    EXPECT_EQ(Bo.Form->RaceRecords.Statistics(1).Played, 0);
    // Nothing is asked of the one who is leaving; its window closes as usual.
    Ann.Form->close();
}

} // namespace
