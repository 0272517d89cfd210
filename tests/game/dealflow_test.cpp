// A deal from start to end: the cards it lays out for a fixed seed, the
// score in both styles, the end of a deal in both directions, and the
// questions before a new deal and before closing.
#include "dialogs/nameform.h"
#include "game/solo/dealflow.h"
#include "game/table/image.h"
#include "dialogs/settingsfile.h"
#include "platform/systemclock.h"
#include "tests/game/gametesting.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

using namespace gametesting;

class DealFlowTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        Open();
    }

    // The user holds a card that fits and the counts stand one card short
    // of the target; the user's key then ends the deal.
    void OneCardFromTheEnd(int userPlayed, int computerPlayed)
    {
        ClearedDeal(Club(7), Diamond(9));
        PutCard(form->Play1Card1, 0, Heart(8));
        PutCard(form->Play2Card1, 0, Heart(3));
        form->UserPlayed = userPlayed;
        form->ComputerPlayed = computerPlayed;
    }

    void PressOne()
    {
        QChar key = u'1';
        form->FormKeyPress(key);
    }

    // The name dialog, answered with Name.
    void EnterName(const QString& Name)
    {
        dialogs.Then(testing_support::ScriptedModalDialogs::For<TNameForm>([Name](TNameForm& dialog) {
            dialog.Edit->setText(Name);
            return testing_support::Press(dialog, dialog.Button1);
        }));
    }
};

// The clock of the fixture starts at 13:00:00.125 and moves on a millisecond
// at every reading: the deal below is the one that clock always gives.
TEST_F(DealFlowTest, AFixedSeedDealsKnownCards)
{
    TMainForm& F = *form;
    Deal();
    // Each side draws 26 different cards from a full deck of its own.
    for (const int Side : {UserSide, ComputerSide}) {
        std::vector<int> all = CardIDs(F.Pile(Side));
        for (TLuCardGroup* Slot : F.Slots(Side))
            all.push_back(SlotID(Slot));
        all.push_back(TopID(F.CentrePile(Side)));
        std::sort(all.begin(), all.end());
        EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
        EXPECT_EQ(all.size(), 26u);
    }
    std::vector<int> hands;
    for (const int Side : {UserSide, ComputerSide})
        for (TLuCardGroup* Slot : F.Slots(Side))
            hands.push_back(SlotID(Slot));
    // Slots 1..4 of the user, then of the computer: 10 of clubs, queen of hearts,
    // 5 of hearts, 3 of clubs; king of diamonds, ace of diamonds, 7 of hearts, 3 of clubs.
    const std::vector<int> expectedHands = {10, 51, 44, 3, 25, 26, 46, 3};
    EXPECT_EQ(hands, expectedHands);
    EXPECT_EQ(TopID(F.CardTable1), 19); // 6 of diamonds
    EXPECT_EQ(TopID(F.CardTable2), 22); // 9 of diamonds
    const std::vector<int> pile1 = {16, 45, 8, 50, 11, 49, 35, 40, 48, 13, 7, 22, 47, 27, 31, 41, 37, 26, 20, 6, 18};
    const std::vector<int> pile2 = {5, 33, 35, 23, 31, 29, 38, 24, 27, 45, 19, 53, 21, 6, 30, 50, 8, 48, 34, 9, 37};
    EXPECT_EQ(CardIDs(F.Play1Pile), pile1);
    EXPECT_EQ(CardIDs(F.Play2Pile), pile2);
}

TEST_F(DealFlowTest, ADealLaysOutBothSidesAndStartsTheComputer)
{
    TMainForm& F = *form;
    F.show();
    sounds.Clear();
    Deal();
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Click Ok when Ready to Start!");
    EXPECT_EQ(boxes.Boxes()[0].type, platform::MsgType::Information);
    EXPECT_TRUE(F.InGame);
    EXPECT_TRUE(F.Timer->isActive());
    EXPECT_EQ(F.TargetCount, 25);
    EXPECT_FALSE(F.HelpMenu->menuAction()->isEnabled());
    EXPECT_TRUE(F.PauseBtn->isVisible());
    EXPECT_FALSE(F.PauseBtn->isEnabled());
    EXPECT_TRUE(F.Deck->DeckEmpty());
    EXPECT_EQ(F.Play1Pile->Table(), F.TempTable1);
    EXPECT_EQ(F.Play2Pile->Table(), F.TempTable2);
    EXPECT_EQ(F.ScoreLabel->text(), "0");
    EXPECT_EQ(F.UserStuck, F.WaitSign1->isVisibleTo(F.ClientArea()));
    EXPECT_EQ(F.ComputerStuck, F.WaitSign2->isVisibleTo(F.ClientArea()));
    for (const int Side : {UserSide, ComputerSide}) {
        EXPECT_EQ(CardIDs(F.Pile(Side)).size(), 21u);
        for (TLuCardGroup* Slot : F.Slots(Side))
            EXPECT_NE(SlotID(Slot), -1);
        EXPECT_NE(TopID(F.CentrePile(Side)), -1);
    }
}

TEST_F(DealFlowTest, ANewDealDuringADealAsksFirst)
{
    TMainForm& F = *form;
    Deal();
    const std::vector<int> pile = CardIDs(F.Play1Pile);
    const int top = TopID(F.CardTable1);

    boxes.Answer(MsgResult::No);
    F.DealMenuClick();
    EXPECT_EQ(boxes.Texts().back(), "Quit game and re-deal?");
    EXPECT_EQ(boxes.Boxes().back().type, platform::MsgType::Confirmation);
    EXPECT_TRUE(F.Timer->isActive()) << "the deal goes on";
    EXPECT_EQ(CardIDs(F.Play1Pile), pile);
    EXPECT_EQ(TopID(F.CardTable1), top);

    boxes.Answer(MsgResult::Yes);
    boxes.Answer(MsgResult::Ok);
    F.Deck->OnClick(F.Deck); // a click on the deck deals too
    EXPECT_EQ(boxes.Texts().mid(2), (QStringList{"Quit game and re-deal?", "Click Ok when Ready to Start!"}));
    EXPECT_NE(CardIDs(F.Play1Pile), pile);
    EXPECT_TRUE(F.InGame);
}

TEST_F(DealFlowTest, NormalScoringWinAtUnbeatableWithFifteenComputerCardsPlayedScores1526)
{
    TMainForm& F = *form;
    F.Level = 0;
    OneCardFromTheEnd(24, 15);
    F.Score = 24;
    boxes.Answer(MsgResult::No);
    EnterName(QStringLiteral("Ann"));
    PressOne();
    EXPECT_EQ(F.Score, 25);
    Drain();
    EXPECT_EQ(F.Score, 1526);
    EXPECT_EQ(F.ScoreLabel->text(), "1526");
    EXPECT_EQ(boxes.Texts().back(), "You Won, Do you want to play again?");
    EXPECT_EQ(boxes.Boxes().back().type, platform::MsgType::Information);
    EXPECT_EQ(F.HallOfFame.At(1, 1, 1, 1), (THallOfFameEntry{1526, "Ann"}));
    EXPECT_TRUE(F.HallEntryDone);
    EXPECT_FALSE(F.InGame);
    EXPECT_FALSE(F.Timer->isActive());
    EXPECT_FALSE(F.PauseBtn->isVisible());
    EXPECT_TRUE(F.HelpMenu->menuAction()->isEnabled());
    EXPECT_FALSE(F.UserWon || F.ComputerWon);
}

TEST_F(DealFlowTest, EasyDoubleDeckWinWithFiftyOfFiftyOneComputerCardsAdds201)
{
    TMainForm& F = *form;
    F.Level = 4;
    F.Decks = 2;
    boxes.Answer(MsgResult::Ok); // the second deck's warning
    F.PrepareDeckSize();
    OneCardFromTheEnd(50, 50);
    EXPECT_EQ(F.TargetCount, 51);
    F.Score = 50;
    boxes.Answer(MsgResult::No);
    DismissNextDialog();
    PressOne();
    Drain();
    EXPECT_EQ(F.Score, 51 + 201);
}

TEST_F(DealFlowTest, LasVegasCarriesTheScoreFromDealToDealUntilTheRunChanges)
{
    TMainForm& F = *form;
    F.Scoring = 1;
    Deal();
    EXPECT_EQ(F.Score, -25);
    EXPECT_EQ(F.ScoreLabel->text(), "-25");
    EXPECT_FALSE(F.FreshRun);

    // Ten cards of the user's, then the computer's last one.
    F.Score += 10;
    F.ComputerPlayed = F.TargetCount;
    F.ComputerWon = true;
    boxes.Answer(MsgResult::No);
    F.GameOver();
    EXPECT_EQ(F.Score, -15);
    Deal();
    EXPECT_EQ(F.Score, -40);

    // A new run with a double deck.
    F.FreshRun = true;
    F.Decks = 2;
    boxes.Answer(MsgResult::Ok);
    F.PrepareDeckSize();
    Deal();
    EXPECT_EQ(F.Score, -50);
}

TEST_F(DealFlowTest, TheHallOfFameOfferFollowsTheScoringStyle)
{
    TMainForm& F = *form;
    // Las Vegas: a win followed by Yes offers nothing, by No offers once per run.
    F.Scoring = 1;
    OneCardFromTheEnd(24, 3);
    F.Score = 100;
    boxes.Answer(MsgResult::Yes); // play again: no offer
    boxes.Answer(MsgResult::Ok);  // the new deal's start box
    PressOne();
    Drain();
    EXPECT_EQ(dialogs.Titles(), QStringList{});
    EXPECT_TRUE(F.InGame);

    OneCardFromTheEnd(24, 3);
    F.Score = 100;
    boxes.Answer(MsgResult::No);
    EnterName(QStringLiteral("Bo"));
    PressOne();
    Drain();
    EXPECT_EQ(dialogs.Titles(), QStringList{"Name"});
    EXPECT_EQ(F.HallOfFame.At(1, 2, 3, 1).Name, "Bo");

    OneCardFromTheEnd(24, 3); // the same run: no second entry
    F.Score = 900;
    boxes.Answer(MsgResult::No);
    PressOne();
    Drain();
    EXPECT_EQ(dialogs.Titles().size(), 1);

    // Normal scoring: every win is offered, each deal starting a new run.
    F.Scoring = 0;
    for (const char* name : {"Cy", "Di"}) {
        OneCardFromTheEnd(24, 3);
        boxes.Answer(MsgResult::Yes);
        boxes.Answer(MsgResult::Ok);
        EnterName(QString::fromLatin1(name));
        PressOne();
        Drain();
    }
    EXPECT_EQ(dialogs.Titles(), (QStringList{"Name", "Name", "Name"}));
    EXPECT_EQ(F.HallOfFame.At(1, 1, 3, 1).Name, "Cy");
    EXPECT_EQ(F.HallOfFame.At(1, 1, 3, 2).Name, "Di") << "an equal score ranks below";
}

TEST_F(DealFlowTest, GameOverWithoutAWinnerOnlyStopsTheDeal)
{
    TMainForm& F = *form;
    Deal();
    F.GameOver();
    EXPECT_FALSE(F.InGame);
    EXPECT_FALSE(F.Timer->isActive());
    EXPECT_FALSE(F.PauseBtn->isVisible());
    EXPECT_EQ(boxes.Boxes().size(), 1u) << "no question";
    EXPECT_FALSE(F.HelpMenu->menuAction()->isEnabled());
}

TEST_F(DealFlowTest, PlayingAgainDealsWithoutTheReDealQuestion)
{
    TMainForm& F = *form;
    OneCardFromTheEnd(5, 24);
    PutCard(F.Play2Card1, 0, Heart(10));
    F.TimerTimer();
    boxes.Answer(MsgResult::Yes);
    boxes.Answer(MsgResult::Ok);
    Drain();
    EXPECT_EQ(boxes.Texts().mid(boxes.Texts().size() - 2),
              (QStringList{"The Computer Won, Do you want to play again?", "Click Ok when Ready to Start!"}));
    EXPECT_TRUE(F.InGame);
    EXPECT_EQ(F.UserPlayed, 0);
    EXPECT_FALSE(F.HelpMenu->menuAction()->isEnabled());
}

// Looked at from inside each box and window while it is open, not after:
// the computer must never move under a question.
TEST_F(DealFlowTest, TheComputerIsStoppedWhileEveryBoxAndWindowIsOpen)
{
    TMainForm& F = *form;
    QStringList seen;
    const auto state = [&F] { return F.Timer->isActive() ? QStringLiteral("running") : QStringLiteral("stopped"); };
    boxes.WhileOpen([&](const testing_support::ScriptedMessageBoxes::Box& box) { seen << box.text + ": " + state(); });
    const auto window = [&](QDialog& dialog) {
        seen << QString::fromLatin1(dialog.metaObject()->className()) + ": " + state();
        return static_cast<int>(QDialog::Rejected);
    };

    Deal();
    ASSERT_TRUE(F.Timer->isActive());
    boxes.Answer(MsgResult::No); // keep the deal
    F.DealMenuClick();
    ASSERT_TRUE(F.Timer->isActive());
    dialogs.Then(window); // Options, cancelled
    F.OptionsMenuClick();
    dialogs.Then(window); // Scores, closed
    F.ScoresMenuClick();
    ASSERT_TRUE(F.Timer->isActive());

    OneCardFromTheEnd(24, 3); // re-deals: the question, then the start box
    F.Timer->start();
    boxes.Answer(MsgResult::No); // "You Won, ...": no new deal
    dialogs.Then(window);         // the name, declined
    PressOne();
    Drain();

    EXPECT_EQ(seen, (QStringList{"Click Ok when Ready to Start!: stopped", "Quit game and re-deal?: stopped",
                                 "TOptionsForm: stopped", "TScoreForm: stopped", "Quit game and re-deal?: stopped",
                                 "Click Ok when Ready to Start!: stopped",
                                 "You Won, Do you want to play again?: stopped", "TNameForm: stopped"}));
}

// Every deal that reached the start box's OK counts once, under the deck size
// and level it was dealt with: a win with its time from the OK and its score,
// a loss, and a deal given up by a new deal or by the close. The counts go on
// across runs of the program through the settings file.
TEST_F(DealFlowTest, StatisticsCountEveryDealOnceUnderTheSettingsItWasDealtWith)
{
    std::int64_t Now = 5000;
    const platform::ElapsedHandler Previous = platform::SetElapsedHandler([&Now] { return Now; });
    struct TRestore {
        platform::ElapsedHandler Handler;
        ~TRestore() { platform::SetElapsedHandler(std::move(Handler)); }
    } Restore{Previous};

    TMainForm& F = *form;
    F.Level = 0;
    // A win, 83.4 s after the start box's OK.
    OneCardFromTheEnd(24, 15);
    Now += 83400;
    boxes.Answer(MsgResult::No);
    DismissNextDialog();
    PressOne();
    Drain();
    const TStatisticsRecord& Unbeatable = F.Statistics.At(1, 1);
    EXPECT_EQ(Unbeatable.Played, 1);
    EXPECT_EQ(Unbeatable.Won, 1);
    EXPECT_EQ(Unbeatable.FastestWinMs, 83400);
    EXPECT_EQ(Unbeatable.BestScore[0], std::optional<std::int32_t>(F.Score));
    EXPECT_EQ(Unbeatable.BestScore[1], std::nullopt);

    // A new deal, then given up for another: one loss, the streak over.
    Deal();
    Deal();
    EXPECT_EQ(Unbeatable.Played, 2);
    EXPECT_EQ(Unbeatable.Won, 1);
    EXPECT_EQ(Unbeatable.Streak, 0);
    EXPECT_EQ(Unbeatable.LongestStreak, 1);

    // A deal the computer wins (laid out on a new deal, which gives up the
    // running one), then a deal left running when the level changed:
    // counted at the level it was dealt with.
    OneCardFromTheEnd(5, 24);
    PutCard(F.Play2Card1, 0, Heart(10));
    F.TimerTimer();
    boxes.Answer(MsgResult::Yes); // play again
    boxes.Answer(MsgResult::Ok);
    Drain();
    EXPECT_EQ(Unbeatable.Played, 4);
    EXPECT_EQ(Unbeatable.Played - Unbeatable.Won, 3);
    F.Level = 4;
    boxes.Answer(MsgResult::Yes); // "Quit game and exit?"
    F.close();
    EXPECT_EQ(Unbeatable.Played, 5); // the deal of "play again", given up at the close
    EXPECT_EQ(F.Statistics.At(1, 5).Played, 0);
    EXPECT_EQ(F.Statistics.At(2, 1).Played, 0);

    // The next run reads them back and counts on.
    const TGameStatistics Written = TSettingsFile(appDir + QStringLiteral("Data/")).ReadStatistics();
    EXPECT_EQ(Written, F.Statistics);
    form.reset();
    Open();
    EXPECT_EQ(form->Statistics, Written);
    form->Level = 0;
    Deal();
    form->GameOver(); // a deal that ends without a winner is not counted
    EXPECT_EQ(form->Statistics, Written);
}

} // namespace
