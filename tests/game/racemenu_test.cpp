// The Race menu during a deal against the computer: the deal waits while a
// race is set up, goes on exactly as it was when the setting up is
// cancelled or fails (never a half deal: the computer stopped while the
// player still scores), and is given up (counted as lost) only once a race
// begins. A setup that fails tells the player why and leaves nothing
// behind: the menu sets up the next race as if it were the first.
#include "dialogs/racesetupform.h"
#include "tests/game/gametesting.h"
#include "tests/game/netracetesting.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QPointer>
#include <QTcpServer>

namespace {

using namespace gametesting;
using testing_support::ScriptedModalDialogs;

class RaceMenuTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        Open();
        form->show();
        Deal();
        ASSERT_TRUE(form->InGame && form->Timer->isActive());
    }

    // The deal runs as before the menu was used: the clock and the computer
    // going, the Help menu off, nothing counted yet, and a key plays.
    void ExpectTheDealGoesOn(int PlayedBefore)
    {
        EXPECT_TRUE(form->InGame);
        EXPECT_TRUE(form->Timer->isActive());
        EXPECT_TRUE(form->CountedDeal.Open);
        EXPECT_FALSE(form->HelpMenu->menuAction()->isEnabled());
        EXPECT_FALSE(form->NetRace->Active());
        EXPECT_EQ(form->Statistics.At(1, form->Level + 1).Played, PlayedBefore);
        ClearTable(*form, *form, Club(7), Diamond(9));
        PutCard(form->Play1Card1, 0, Heart(8));
        QChar Key = u'1';
        form->FormKeyPress(Key);
        EXPECT_EQ(form->UserPlayed, 1);
    }

    // The menu hosts again as if nothing had happened before: the setup
    // window, then the waiting window at the port asked for, which Cancel
    // closes with nothing left listening on that port.
    void ExpectTheMenuHostsAgain()
    {
        const quint16 Port = netracetesting::FreePort();
        ASSERT_NE(Port, 0);
        boxes.Answer(MsgResult::Yes); // "Quit game and race?"
        dialogs.Then(ScriptedModalDialogs::For<TRaceSetupForm>([Port](TRaceSetupForm& F) {
            F.WhereEdit->setText(QString::number(Port));
            return testing_support::Press(F, F.OkBtn);
        }));
        bool Waited = false;
        dialogs.Then(ScriptedModalDialogs::For<TRaceWaitForm>([&](TRaceWaitForm& Wait) {
            Waited = Wait.Text->text().contains(QStringLiteral(":%1").arg(Port));
            return testing_support::Press(Wait, Wait.CancelBtn);
        }));
        form->HostRaceMenuClick();
        EXPECT_TRUE(Waited);
        EXPECT_EQ(dialogs.Unused(), 0u);
        EXPECT_FALSE(form->NetRace->Active());
        QTcpServer Again;
        EXPECT_TRUE(Again.listen(QHostAddress::Any, Port)) << "still listening after the cancel";
    }
};

// Answers the waiting window by waiting for it to close by itself (a
// connection refused closes it); one still open after a while is cancelled
// and counted in Stuck.
ScriptedModalDialogs::Step WaitUntilClosed(int& Stuck)
{
    return ScriptedModalDialogs::For<TRaceWaitForm>([&Stuck](TRaceWaitForm& Wait) {
        bool Closed = false;
        QObject::connect(&Wait, &QDialog::finished, &Wait, [&Closed] { Closed = true; });
        if (!netracetesting::WaitFor([&] { return Closed; }, 10000)) {
            ++Stuck;
            return testing_support::Press(Wait, Wait.CancelBtn);
        }
        return Wait.result();
    });
}

TEST_F(RaceMenuTest, CancelledBeforeTheRaceBeganTheDealGoesOnAsItWas)
{
    struct Case {
        const char* What;
        bool Join;
        bool QuestionYes;
        std::function<void(ScriptedModalDialogs&)> Dialogs;
    };
    const auto CancelSetup = [](ScriptedModalDialogs& D) {
        D.Then(ScriptedModalDialogs::For<TRaceSetupForm>(
            [](TRaceSetupForm& F) { return testing_support::Press(F, F.CancelBtn); }));
    };
    const Case Cases[] = {
        {"host: No to the question", false, false, [](ScriptedModalDialogs&) {}},
        {"host: the setup cancelled", false, true, CancelSetup},
        {"host: the waiting cancelled", false, true,
         [](ScriptedModalDialogs& D) {
             D.Then(ScriptedModalDialogs::For<TRaceSetupForm>([](TRaceSetupForm& F) {
                 F.WhereEdit->setText(QString::number(netracetesting::FreePort()));
                 return testing_support::Press(F, F.OkBtn);
             }));
             D.Then([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
         }},
        {"join: the setup cancelled", true, true, CancelSetup},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        boxes.Answer(C.QuestionYes ? MsgResult::Yes : MsgResult::No); // "Quit game and race?"
        C.Dialogs(dialogs);
        const int Played = form->Statistics.At(1, form->Level + 1).Played; // earlier cases' deals
        if (C.Join)
            form->JoinRaceMenuClick();
        else
            form->HostRaceMenuClick();
        EXPECT_EQ(boxes.Texts().back(), QStringLiteral("Quit game and race?"));
        EXPECT_EQ(dialogs.Unused(), 0u);
        ExpectTheDealGoesOn(Played);
        Deal(); // a fresh deal for the next case
    }
}

// What a player is told when the race cannot be set up, from the menu and
// from the command line alike; after it the deal goes on and the menu hosts
// again.
TEST_F(RaceMenuTest, ASetupThatFailsSaysWhyAndLeavesNothingBehind)
{
    // A port some other program holds, on every address as the host wants it.
    QTcpServer Holder;
    ASSERT_TRUE(Holder.listen(QHostAddress::Any, 0));
    const quint16 Taken = Holder.serverPort();
    const QString TakenMessage = QStringLiteral("Velto cannot host on port %1: ").arg(Taken);
    const quint16 Nobody = netracetesting::FreePort(); // nobody listens there
    const QString Refused = QStringLiteral("127.0.0.1:%1").arg(Nobody);
    const QString NotAnAddress = QStringLiteral("<b>bo</b>:99999");
    const QString NotAnAddressMessage =
        QStringLiteral("\"%1\" is not an address to join: give HOST or HOST:PORT.").arg(NotAnAddress);
    const QString NotAPort = QStringLiteral("70000");

    enum class TVia { HostMenu, JoinMenu, HostCommandLine, JoinCommandLine };
    struct Case {
        const char* What;
        TVia Via;
        QString Where;       // typed in the setup window, or given on the command line
        bool Waits;          // the waiting window opens
        QString Told;        // the message, or how it begins
        bool AskedAgain;     // the setup window opens again with what was typed
    };
    const Case Cases[] = {
        {"host: the port is taken", TVia::HostMenu, QString::number(Taken), false, TakenMessage, false},
        {"host: the port is taken (command line)", TVia::HostCommandLine, QString::number(Taken), false,
         TakenMessage, false},
        {"host: not a port", TVia::HostMenu, NotAPort, false,
         QStringLiteral("\"70000\" is not a port to host on: give a number from 1 to 65535."), true},
        {"join: not an address", TVia::JoinMenu, NotAnAddress, false, NotAnAddressMessage, true},
        {"join: not an address (command line)", TVia::JoinCommandLine, NotAnAddress, false, NotAnAddressMessage,
         false},
        {"join: nobody listens", TVia::JoinMenu, Refused, true, QStringLiteral("The connection failed: "), false},
        {"join: nobody listens (command line)", TVia::JoinCommandLine, Refused, true,
         QStringLiteral("The connection failed: "), false},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        const bool Menu = C.Via == TVia::HostMenu || C.Via == TVia::JoinMenu;
        const int Played = form->Statistics.At(1, form->Level + 1).Played;
        const std::size_t BoxesBefore = boxes.Texts().size();
        if (Menu) {
            boxes.Answer(MsgResult::Yes); // "Quit game and race?"
            dialogs.Then(ScriptedModalDialogs::For<TRaceSetupForm>([&C](TRaceSetupForm& F) {
                F.WhereEdit->setText(C.Where);
                return testing_support::Press(F, F.OkBtn);
            }));
        }
        int Stuck = 0;
        if (C.Waits)
            dialogs.Then(WaitUntilClosed(Stuck));
        boxes.Answer(MsgResult::Ok); // what went wrong
        QString AskedAgainWith;
        if (C.AskedAgain)
            dialogs.Then(ScriptedModalDialogs::For<TRaceSetupForm>([&](TRaceSetupForm& F) {
                AskedAgainWith = F.Where();
                return testing_support::Press(F, F.CancelBtn);
            }));
        switch (C.Via) {
        case TVia::HostMenu: form->HostRaceMenuClick(); break;
        case TVia::JoinMenu: form->JoinRaceMenuClick(); break;
        case TVia::HostCommandLine: form->HostRace(QStringLiteral("Ann"), C.Where.toUShort()); break;
        case TVia::JoinCommandLine: form->JoinRace(QStringLiteral("Ann"), C.Where); break;
        }
        EXPECT_EQ(Stuck, 0) << "the waiting window stayed open after the connection failed";
        EXPECT_EQ(dialogs.Unused(), 0u);
        EXPECT_EQ(boxes.Unused(), 0u);
        const QStringList Texts = boxes.Texts().mid(static_cast<qsizetype>(BoxesBefore));
        ASSERT_EQ(Texts.size(), Menu ? 2 : 1) << Texts.join(u'|').toStdString();
        // A message that ends in ": " goes on with the system's reason.
        EXPECT_TRUE(Texts.back().startsWith(C.Told)) << Texts.back().toStdString();
        if (C.Told.endsWith(QStringLiteral(": "))) {
            EXPECT_GT(Texts.back().size(), C.Told.size()) << "no reason given";
        } else {
            EXPECT_EQ(Texts.back(), C.Told);
        }
        if (C.AskedAgain) {
            EXPECT_EQ(AskedAgainWith, C.Where);
        }
        EXPECT_FALSE(form->NetRace->Active());
        EXPECT_TRUE(form->InGame && form->Timer->isActive());
        ExpectTheMenuHostsAgain();
        ExpectTheDealGoesOn(Played);
        Deal(); // a fresh deal for the next case
    }
}

TEST_F(RaceMenuTest, TheDealIsGivenUpWhenTheRaceBegins)
{
    netracetesting::TPlayer Bo(false);
    const quint16 Port = netracetesting::FreePort();
    boxes.SetFallback(MsgResult::Ok);
    boxes.Answer(MsgResult::Yes); // "Quit game and race?"
    dialogs.Then(ScriptedModalDialogs::For<TRaceSetupForm>([Port](TRaceSetupForm& F) {
        F.WhereEdit->setText(QString::number(Port));
        return testing_support::Press(F, F.OkBtn);
    }));
    bool DealWaited = false;
    QPointer<TRaceWaitForm> HostWait;
    QString Asked;
    dialogs.Then([&](QDialog& Wait) {
        // While the waiting window is open, the deal waits, still uncounted.
        DealWaited = form->InGame && !form->Timer->isActive() && form->Statistics.At(1, form->Level + 1).Played == 0;
        HostWait = qobject_cast<TRaceWaitForm*>(&Wait);
        Bo.Form->JoinRace(QStringLiteral("Bo"), QStringLiteral("127.0.0.1:%1").arg(Port));
        netracetesting::WaitFor([&] { return Wait.result() != 0; });
        return Wait.result();
    });
    // Bo waits at the door until Ann lets him in from her waiting window.
    dialogs.Then([&](QDialog& Wait) {
        netracetesting::WaitFor([&] { return HostWait && HostWait->Asking(); });
        if (HostWait) {
            Asked = HostWait->Question->text();
            HostWait->AcceptBtn->click();
        }
        netracetesting::WaitFor([&] { return Wait.result() != 0; });
        return Wait.result();
    });
    form->HostRaceMenuClick();
    EXPECT_TRUE(DealWaited);
    EXPECT_EQ(Asked, QStringLiteral("Bo wants to race."));
    ASSERT_TRUE(form->NetRace->Active());
    EXPECT_FALSE(form->InGame);
    EXPECT_FALSE(form->Timer->isActive());
    EXPECT_EQ(form->Statistics.At(1, form->Level + 1).Played, 1);
    EXPECT_EQ(form->Statistics.At(1, form->Level + 1).Won, 0);
    form->NetRace->Leave();
    // The deal stays given up after the race: the computer does not wake.
    EXPECT_FALSE(form->Timer->isActive());
    EXPECT_TRUE(form->HelpMenu->menuAction()->isEnabled());
}

} // namespace
