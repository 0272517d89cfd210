// Whole deals driven through the real handlers, with no real waiting: the
// computer's ticks are fired directly, and between them the user makes
// random moves, legal and not, by key and by mouse. After every event the
// cards, the counts, the score and the flags are checked.
#include "dialogs/nameform.h"
#include "game/gamerules.h"
#include "platform/messagebox.h"
#include "platform/modal.h"
#include "platform/random.h"
#include "tests/game/gametesting.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>

namespace {

using namespace gametesting;

class SimulationTest : public GameTest {
protected:
    std::mt19937 rng{20261210};
    // Cards as a multiset: how many of each ID (the sides' decks may share cards).
    using Cards = std::array<int, 56>;
    Cards dealt{}; // every card dealt to both sides
    int dealsStarted = 0;
    int dealStartScore = 0;
    int userWins = 0, computerWins = 0, bothWon = 0;
    // The state as the end-of-deal question shows it.
    struct {
        QString text;
        bool userWon = false, computerWon = false;
        int score = 0, userPlayed = 0, computerPlayed = 0;
    } end;

    int Roll(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

    // Where every card of the deal is now: piles, hands and the two centre
    // piles' laid cards. The way stations hand their cards on at once.
    Cards Everywhere() const
    {
        const TMainForm& F = *form;
        Cards all{};
        const auto add = [&all](const TLuCardGroup* Group) {
            for (int I = 0; I < Group->ItemCount(); ++I)
                if (const TLuSingleCard* Card = Group->CardAt(I); Card && !Card->Empty())
                    ++all[static_cast<std::size_t>(Card->ID())];
        };
        for (const int Side : {UserSide, ComputerSide}) {
            add(F.Pile(Side));
            for (TLuCardGroup* Slot : F.Slots(Side))
                add(Slot);
        }
        for (const TLuCardTable* Centre : {F.CardTable1, F.CardTable2})
            for (const int ID : Centre->PlayedCards())
                ++all[static_cast<std::size_t>(ID)];
        return all;
    }

    int Remaining(int Side) const
    {
        const TMainForm& F = *form;
        int n = static_cast<int>(CardIDs(F.Pile(Side)).size());
        for (TLuCardGroup* Slot : F.Slots(Side))
            n += static_cast<int>(CardIDs(Slot).size());
        return n;
    }

    // The deal is laid out when its start box shows: remember its cards.
    void OnStartBox()
    {
        dealt = Everywhere();
        ++dealsStarted;
        dealStartScore = form->Score;
        ASSERT_EQ(std::accumulate(dealt.begin(), dealt.end(), 0), 2 * (form->TargetCount + 1));
    }

    void Check(const char* after)
    {
        const TMainForm& F = *form;
        SCOPED_TRACE(after);
        ASSERT_EQ(Everywhere(), dealt) << "a card was lost or made";
        ASSERT_FALSE(F.Pile1Busy || F.Pile2Busy);
        for (const TLuCardTable* Station : {F.TempTable1, F.TempTable2})
            ASSERT_EQ(TopID(Station), -1);
        ASSERT_EQ(F.ScoreLabel->text(), QString::number(F.Score));
        // Between events every refill has run: a side with pile cards left
        // holds four hand cards, and both piles refill through their stations
        // (during a deal and after it).
        for (const int Side : {UserSide, ComputerSide}) {
            if (!CardIDs(F.Pile(Side)).empty()) {
                for (TLuCardGroup* Slot : F.Slots(Side))
                    ASSERT_NE(SlotID(Slot), -1) << "side " << Side;
            }
            ASSERT_EQ(F.Pile(Side)->Table(), F.TempTable(Side)) << "side " << Side;
        }
        if (!F.InGame)
            return;
        // Every played or turned card was counted; a pass may count more.
        for (const int Side : {UserSide, ComputerSide}) {
            const int played = Side == UserSide ? F.UserPlayed : F.ComputerPlayed;
            ASSERT_LE(F.TargetCount - Remaining(Side), played);
        }
        // Each of the user's cards and each stalemate pass is one point.
        ASSERT_EQ(F.Score, dealStartScore + F.UserPlayed);
        ASSERT_EQ(F.UserStuck, F.WaitSign1->isVisibleTo(F.ClientArea()));
        ASSERT_EQ(F.ComputerStuck, F.WaitSign2->isVisibleTo(F.ClientArea()));
    }

    void UserMove()
    {
        TMainForm& F = *form;
        if (Roll(4) == 0) {
            QTest::mouseClick(F.Slot(UserSide, 1 + Roll(4)), Qt::LeftButton, {}, QPoint(10 + Roll(50), 10 + Roll(76)));
        } else {
            // Mostly the slots' keys, now and then another one.
            static const char keys[] = "1234123412345q 0";
            QChar key = QChar::fromLatin1(keys[Roll(static_cast<int>(sizeof keys) - 1)]);
            F.FormKeyPress(key);
        }
    }

    // One deal to its end: returns the number of events it took.
    int PlayDeal(int userPace)
    {
        TMainForm& F = *form;
        const int started = dealsStarted;
        F.DealMenuClick();
        EXPECT_EQ(dealsStarted, started + 1);
        Drain();
        Check("the deal");
        int events = 0;
        while (F.InGame && events < 20000) {
            if (Roll(100) < userPace)
                UserMove();
            else
                F.TimerTimer();
            end = {};
            Drain();
            ++events;
            if (!F.InGame) {
                EXPECT_TRUE(end.userWon || end.computerWon) << "a deal ends only with a winner";
                userWins += end.userWon;
                computerWins += end.computerWon && !end.userWon;
                bothWon += end.userWon && end.computerWon;
                EXPECT_EQ(end.text, end.userWon ? "You Won, Do you want to play again?"
                                                : "The Computer Won, Do you want to play again?");
                // The level's bonus, 100 for each card the computer still had to
                // play, and the closing point.
                constexpr int LevelBonus[] = {500, 400, 300, 200, 100};
                const int target = F.Decks == 1 ? 25 : 51;
                const int bonus =
                    end.userWon ? LevelBonus[F.Level] + 100 * (target - end.computerPlayed) + 1 : 0;
                EXPECT_EQ(end.score, dealStartScore + end.userPlayed + bonus);
                EXPECT_EQ(F.Score, end.score);
                EXPECT_GE(end.userWon ? end.userPlayed : end.computerPlayed, F.TargetCount);
                EXPECT_FALSE(F.Timer->isActive());
                EXPECT_FALSE(F.UserWon || F.ComputerWon);
            }
            Check("an event");
            if (HasFatalFailure())
                return events;
        }
        EXPECT_FALSE(F.InGame) << "the deal did not end";
        if (end.computerWon && !end.userWon)
            events += PlayOnAfterTheDeal();
        return events;
    }

    // After a lost deal the user's remaining cards still play, score and
    // refill from the pile; nothing else moves.
    int PlayOnAfterTheDeal()
    {
        TMainForm& F = *form;
        int events = 0;
        for (; events < 60 && F.SideCanPlay(UserSide); ++events) {
            UserMove();
            Drain();
            Check("a play after the deal");
            if (HasFatalFailure())
                break;
        }
        EXPECT_FALSE(F.Timer->isActive());
        return events;
    }
};

TEST_F(SimulationTest, ThousandsOfDealsKeepEveryCardAndEndWithAWinner)
{
    // Not shown: the cards draw into their buffers all the same, and nothing
    // is copied to a screen nobody looks at.
    TMainForm& F = Open();
    platform::MessageBoxHandler previous =
        platform::SetMessageBoxHandler([this](const QString& text, platform::MsgType, platform::MsgButtons buttons) {
            if (text == "Click Ok when Ready to Start!")
                OnStartBox();
            if (buttons == platform::MsgButtons::Ok)
                return MsgResult::Ok;
            end = {text, form->UserWon, form->ComputerWon, form->Score, form->UserPlayed, form->ComputerPlayed};
            return MsgResult::No; // never play again from the box: the test deals itself
        });
    platform::ModalHandler previousModal = platform::SetModalHandler([this](QDialog& dialog) {
        auto* name = qobject_cast<TNameForm*>(&dialog);
        EXPECT_NE(name, nullptr);
        if (!name || Roll(3) == 0)
            return static_cast<int>(QDialog::Rejected);
        name->Edit->setText(QStringLiteral("Sim %1").arg(dealsStarted));
        name->Button1->click();
        return name->result();
    });

    int deals = 0, longest = 0;
    for (int decks = 1; decks <= 2; ++decks) {
        F.Decks = decks;
        F.PrepareDeckSize();
        for (int round = 0; round < 500; ++round, ++deals) {
            F.Level = round % 5;
            F.Timer->setInterval(gamerules::LevelInterval(F.Level));
            const int scoring = (round / 5) % 2;
            if (scoring != F.Scoring) {
                F.Scoring = scoring;
                F.FreshRun = true;
            }
            longest = std::max(longest, PlayDeal(10 + Roll(60)));
            if (HasFailure())
                break;
        }
        if (HasFailure())
            break;
    }
    platform::SetMessageBoxHandler(std::move(previous));
    platform::SetModalHandler(std::move(previousModal));

    EXPECT_EQ(deals, 1000);
    EXPECT_GT(userWins, 50);
    EXPECT_GT(computerWins, 50);
    RecordProperty("longest_deal_events", longest);
    RecordProperty("user_wins", userWins);
    RecordProperty("both_won", bothWon);
    std::printf("deals %d, user wins %d, computer wins %d, both %d, longest deal %d events\n", deals, userWins,
                computerWins, bothWon, longest);
}

} // namespace
