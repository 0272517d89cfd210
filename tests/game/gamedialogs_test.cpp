// The small windows as the game opens them: the options dialog's every Save
// path with the computer's timer, the Hall of Fame window and the About box.
#include "dialogs/aboutform.h"
#include "dialogs/nameform.h"
#include "dialogs/optionsform.h"
#include "dialogs/scoreform.h"
#include "tests/game/gametesting.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

using namespace gametesting;
using testing_support::Press;
using testing_support::ScriptedModalDialogs;

class GameDialogsTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        Open();
    }

    // The options dialog, set to the given items and saved (or cancelled).
    // -1 leaves a group as it opened.
    void Options(int scoring, int deckSize, int level, int sounds, int back, bool save = true)
    {
        dialogs.Then(ScriptedModalDialogs::For<TOptionsForm>([=](TOptionsForm& d) {
            const std::pair<QGroupBox*, int> picks[] = {{d.ScoringStyle, scoring}, {d.DeckSize, deckSize},
                                                        {d.ComputerLevel, level},  {d.PlaySounds, sounds},
                                                        {d.CardBack, back}};
            for (const auto& [group, item] : picks)
                if (item >= 0)
                    TOptionsForm::SetItemIndex(group, item);
            if (back >= 0)
                d.CardBackClick();
            return Press(d, save ? d.SaveBtn : d.CancelBtn);
        }));
    }
};

TEST_F(GameDialogsTest, BeforeTheFirstDealAChangeOfScoringAsksNothingAndDealsNothing)
{
    TMainForm& F = *form;
    Options(1, -1, -1, -1, -1);
    F.OptionsMenu->trigger();
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(F.Scoring, 1);
    EXPECT_FALSE(F.InGame);
    EXPECT_TRUE(F.HallEntryDone) << "saving bars an entry until the next normal deal";
    Deal();
    EXPECT_EQ(F.Score, -25) << "the first deal starts a run";
}

TEST_F(GameDialogsTest, ChangingTheDeckSizeDuringADealAsksAndThenOffersTheReDeal)
{
    TMainForm& F = *form;
    Deal();
    const std::vector<int> pile = CardIDs(F.Play1Pile);

    // No to the change: the dialog stays open; Cancel then leaves everything.
    dialogs.Then(ScriptedModalDialogs::For<TOptionsForm>([](TOptionsForm& d) {
        TOptionsForm::SetItemIndex(d.DeckSize, 1);
        d.SaveBtnClick();
        EXPECT_TRUE(d.isVisible() || d.result() != QDialog::Accepted);
        return Press(d, d.CancelBtn);
    }));
    boxes.Answer(MsgResult::No);
    F.OptionsMenu->trigger();
    EXPECT_EQ(F.Decks, 1);
    EXPECT_TRUE(F.Timer->isActive());

    // Yes to the change, then No to the re-deal: the deal goes on with the
    // new deck size prepared for the next one.
    Options(-1, 1, -1, -1, -1);
    boxes.Answer(MsgResult::Yes); // "Changes require starting a new game, continue?"
    boxes.Answer(MsgResult::Ok);  // "Creating a Second Deck, Please be Patient"
    boxes.Answer(MsgResult::No);  // "Quit game and re-deal?"
    F.OptionsMenu->trigger();
    EXPECT_EQ(boxes.Texts().mid(2), (QStringList{"Changes require starting a new game, continue?",
                                                 "Creating a Second Deck, Please be Patient",
                                                 "Quit game and re-deal?"}));
    EXPECT_EQ(boxes.Boxes()[2].type, platform::MsgType::Warning);
    EXPECT_EQ(F.Decks, 2);
    EXPECT_TRUE(F.FreshRun);
    EXPECT_EQ(F.Play1Pile->ItemCount(), 47);
    EXPECT_EQ(CardIDs(F.Play1Pile), pile) << "no card of the running deal moved";
    EXPECT_EQ(F.TargetCount, 25);
    EXPECT_TRUE(F.InGame);
    EXPECT_TRUE(F.Timer->isActive());

    // The next deal is a double one.
    Deal();
    EXPECT_EQ(F.TargetCount, 51);
}

TEST_F(GameDialogsTest, LevelSoundsAndBackNeverAskAndTheNewPaceAppliesAtOnce)
{
    TMainForm& F = *form;
    Deal();
    EXPECT_EQ(F.Timer->interval(), 750);
    Options(-1, -1, 0, 0, 8);
    F.OptionsMenu->trigger();
    EXPECT_EQ(boxes.Boxes().size(), 1u) << "only the deal's start box";
    EXPECT_EQ(F.Level, 0);
    EXPECT_EQ(F.Timer->interval(), 250);
    EXPECT_TRUE(F.Timer->isActive());
    EXPECT_FALSE(F.SoundsOn);
    EXPECT_EQ(F.Deck->CardBack(), cbRobot);
    EXPECT_TRUE(F.InGame);
}

TEST_F(GameDialogsTest, CancelAfterClickingThroughBacksChangesNothing)
{
    TMainForm& F = *form;
    dialogs.Then(ScriptedModalDialogs::For<TOptionsForm>([](TOptionsForm& d) {
        for (int back : {3, 7, 11}) {
            TOptionsForm::SetItemIndex(d.CardBack, back);
            d.CardBackClick();
        }
        TOptionsForm::SetItemIndex(d.ComputerLevel, 4);
        return Press(d, d.CancelBtn);
    }));
    F.OptionsMenu->trigger();
    EXPECT_EQ(F.Deck->CardBack(), cbDefault);
    EXPECT_EQ(F.Level, 2);
    EXPECT_FALSE(F.HallEntryDone);
}

TEST_F(GameDialogsTest, SavingAfterAWinEntersTheScoreAndLeavesTheTimerOff)
{
    TMainForm& F = *form;
    ClearedDeal(Club(7), Diamond(9));
    F.Timer->start();
    F.UserWon = true;
    F.Score = 700;
    Options(-1, -1, 3, -1, -1);
    dialogs.Then(ScriptedModalDialogs::For<TNameForm>([](TNameForm& d) {
        d.Edit->setText(QStringLiteral("Eve"));
        return Press(d, d.Button1);
    }));
    F.OptionsMenu->trigger();
    EXPECT_EQ(F.HallOfFame.At(1, 1, 3, 1), (THallOfFameEntry{700, "Eve"})) << "the table of the level before";
    EXPECT_TRUE(F.HallEntryDone);
    EXPECT_FALSE(F.Timer->isActive()) << "a side has won: the end of the deal follows";
    F.UserWon = false;
}

TEST_F(GameDialogsTest, TheHallOfFameWindowListsTheTablesAndPausesTheComputer)
{
    TMainForm& F = *form;
    F.HallOfFame.At(1, 1, 1, 1) = {1526, QStringLiteral("Ann")};
    bool timerRanWhileOpen = true;
    dialogs.Then(ScriptedModalDialogs::For<TScoreForm>([&](TScoreForm& d) {
        timerRanWhileOpen = F.Timer->isActive();
        EXPECT_EQ(d.windowTitle(), "Scores");
        EXPECT_EQ(d.List->count(), 160);
        EXPECT_EQ(d.List->item(2)->text(), "  1     1526    Ann");
        return Press(d, d.OkBtn);
    }));
    Deal();
    F.ScoresMenu->trigger();
    EXPECT_FALSE(timerRanWhileOpen);
    EXPECT_TRUE(F.Timer->isActive()) << "running again, as before";

    // Between deals the timer stays off.
    boxes.Answer(MsgResult::No);
    F.ComputerWon = true;
    F.GameOver();
    dialogs.Then([](QDialog& d) { return d.metaObject()->className() == QByteArray("TScoreForm") ? 1 : 0; });
    F.ScoresMenu->trigger();
    EXPECT_FALSE(F.Timer->isActive());
}

TEST_F(GameDialogsTest, AboutShowsTheVersionBelowTheName)
{
    TMainForm& F = *form;
    dialogs.Then(ScriptedModalDialogs::For<TAboutForm>([](TAboutForm& d) {
        EXPECT_EQ(d.windowTitle(), "About Velto");
        EXPECT_EQ(d.Label4->text(), "Velto");
        EXPECT_EQ(d.VersionLabel->text(), "Version 1.1");
        EXPECT_GT(d.VersionLabel->y(), d.Label4->y());
        return Press(d, d.OkBtn);
    }));
    F.AboutVeltoMenu->trigger();
    EXPECT_EQ(dialogs.Titles(), QStringList{"About Velto"});
}

} // namespace
