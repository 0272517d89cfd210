// The Race menu during a deal against the computer: the deal waits while a
// race is set up, goes on exactly as it was when the setting up is
// cancelled (never a half deal: the computer stopped while the player still
// scores), and is given up (counted as lost) only once a race begins.
#include "dialogs/racesetupform.h"
#include "tests/game/gametesting.h"
#include "tests/game/netracetesting.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

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
};

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
    dialogs.Then([&](QDialog& Wait) {
        // While the waiting window is open, the deal waits, still uncounted.
        DealWaited = form->InGame && !form->Timer->isActive() && form->Statistics.At(1, form->Level + 1).Played == 0;
        Bo.Form->JoinRace(QStringLiteral("Bo"), QStringLiteral("127.0.0.1:%1").arg(Port));
        netracetesting::WaitFor([&] { return Wait.result() != 0; });
        return Wait.result();
    });
    dialogs.Then([](QDialog& Wait) {
        netracetesting::WaitFor([&] { return Wait.result() != 0; });
        return Wait.result();
    });
    form->HostRaceMenuClick();
    EXPECT_TRUE(DealWaited);
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
