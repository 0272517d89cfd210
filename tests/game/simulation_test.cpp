// Whole deals driven through the real handlers, with no real waiting: the
// computer's ticks are fired directly, and between them the user makes
// random moves, legal and not, by key and by mouse. With flights on, the
// test moves the flights' time on by random steps, so ticks, keys and
// clicks also arrive while cards are in the air. After every event the
// cards, the counts, the score and the flags are checked.
#include "cardlib/luflightlayer.h"
#include "dialogs/nameform.h"
#include "game/table/cardflights.h"
#include "core/scoring.h"
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
#include <vector>

namespace {

using namespace gametesting;

class SimulationTest : public GameTest, public ::testing::WithParamInterface<bool> {
protected:
    bool animated = GetParam();
    // The same deals every run; VELTO_SIM_SEED=N plays another thousand.
    std::mt19937 rng{static_cast<unsigned>(qEnvironmentVariableIntValue("VELTO_SIM_SEED")) + 20261210u};
    // Cards as a multiset: how many of each ID (the sides' decks may share cards).
    using Cards = std::array<int, 56>;
    Cards dealt{}; // every card dealt to both sides
    int dealsStarted = 0;
    // The deal's cards are on their way from the deck (its start box not yet shown).
    bool dealing = false;
    int dealStartScore = 0;
    int userWins = 0, computerWins = 0, bothWon = 0;
    // The state as the end-of-deal question shows it.
    struct {
        QString text;
        bool userWon = false, computerWon = false;
        int score = 0, userPlayed = 0, computerPlayed = 0;
    } end;

    int Roll(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

    TLuFlightLayer& Flights() { return *form->Game.Flights.Layer(); }

    void SetUp() override
    {
        GameTest::SetUp();
        TLuFlightLayer::SetManualTime(true);
    }
    void TearDown() override
    {
        GameTest::TearDown();
        TLuFlightLayer::SetManualTime(false);
    }

    using InAir = std::vector<TCardFlights::TCardInAir>;

    // The group's cards that are not empty, counted in place: the checks run
    // after every event of a thousand deals, and building a list of a pile's
    // cards each time was much of the simulation's time.
    static int CardCount(const TLuCardGroup* Group)
    {
        int n = 0;
        for (int I = 0; I < Group->ItemCount(); ++I)
            if (const TLuSingleCard* Card = Group->CardAt(I); Card && !Card->Empty())
                ++n;
        return n;
    }

    // Where every card of the deal is now: piles, hands and the two centre
    // piles' laid cards. The way stations hand their cards on at once.
    Cards Everywhere() const { return Everywhere(form->Game.Flights.CardsInAir()); }
    Cards Everywhere(const InAir& inAir) const
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
        // A card in the air is in one place: its flight.
        for (const auto& Card : inAir)
            ++all[static_cast<std::size_t>(Card.ID)];
        return all;
    }

    // Cards of the side in the air from its own piles and hands.
    int LeavingSide(int Side, const InAir& inAir) const
    {
        const TMainForm& F = *form;
        int n = 0;
        for (const auto& Card : inAir) {
            bool mine = Card.From == F.Pile(Side);
            for (TLuCardGroup* Slot : F.Slots(Side))
                mine = mine || Card.From == Slot;
            n += mine;
        }
        return n;
    }

    int Remaining(int Side) const
    {
        const TMainForm& F = *form;
        int n = CardCount(F.Pile(Side));
        for (TLuCardGroup* Slot : F.Slots(Side))
            n += CardCount(Slot);
        return n;
    }

    // The deal is laid out when its start box shows: remember its cards.
    void OnStartBox()
    {
        // With flights the cards were counted as the deal began, flying or not.
        if (animated) {
            EXPECT_EQ(Everywhere(), dealt) << "a card was lost in the deal's flights";
        }
        dealt = Everywhere();
        dealing = false;
        ++dealsStarted;
        dealStartScore = form->Score;
        ASSERT_EQ(std::accumulate(dealt.begin(), dealt.end(), 0), 2 * (form->TargetCount + 1));
    }

    void Check(const char* after)
    {
        const TMainForm& F = *form;
        SCOPED_TRACE(after);
        const InAir inAir = F.Game.Flights.CardsInAir();
        ASSERT_EQ(Everywhere(inAir), dealt) << "a card was lost or made";
        // A pile is busy exactly while a card is on its way onto it.
        ASSERT_EQ(F.Pile1Busy, F.Game.Flights.Bound(F.CardTable1));
        ASSERT_EQ(F.Pile2Busy, F.Game.Flights.Bound(F.CardTable2));
        if (!animated) {
            ASSERT_FALSE(F.Game.Flights.InAir());
        }
        for (const TLuCardTable* Station : {F.TempTable1, F.TempTable2})
            ASSERT_EQ(TopID(Station), -1);
        ASSERT_EQ(F.ScoreLabel->text(), QString::number(F.Score));
        // Between events every refill has run or is in the air: a side with
        // pile cards left holds four hand cards, but for a slot whose card or
        // refill is on its way; and both piles refill through their stations
        // (during a deal and after it, not while the deal's cards fly).
        for (const int Side : {UserSide, ComputerSide}) {
            if (CardCount(F.Pile(Side)) > 0) {
                for (TLuCardGroup* Slot : F.Slots(Side))
                    ASSERT_TRUE(SlotID(Slot) != -1 || F.Game.Flights.Bound(Slot) || F.Game.Flights.Leaving(Slot))
                        << "side " << Side;
            }
            if (!dealing) {
                ASSERT_EQ(F.Pile(Side)->Table(), F.TempTable(Side)) << "side " << Side;
            }
        }
        if (!F.InGame)
            return;
        // Every played or turned card was counted; a pass may count more.
        for (const int Side : {UserSide, ComputerSide}) {
            const int played = Side == UserSide ? F.UserPlayed : F.ComputerPlayed;
            ASSERT_LE(F.TargetCount - Remaining(Side) - LeavingSide(Side, inAir), played);
        }
        // Each of the user's cards and each stalemate pass is one point.
        ASSERT_EQ(F.Score, dealStartScore + F.UserPlayed);
        ASSERT_EQ(F.UserStuck, F.WaitSign1->isVisibleTo(F.ClientArea()));
        ASSERT_EQ(F.ComputerStuck, F.WaitSign2->isVisibleTo(F.ClientArea()));
    }

    void UserMove()
    {
        TMainForm& F = *form;
        // No key or click plays a card still in the air (the slot shows
        // empty until its refill lands): such a slot's flights stay as they are.
        std::vector<std::pair<TLuCardGroup*, int>> inAir;
        for (TLuCardGroup* Slot : F.Slots(UserSide))
            if (F.Game.Flights.Bound(Slot) || F.Game.Flights.Leaving(Slot))
                inAir.emplace_back(Slot, CardsLeaving(Slot));
        AnyUserMove();
        for (const auto& [Slot, leaving] : inAir) {
            EXPECT_EQ(SlotID(Slot), -1);
            EXPECT_EQ(CardsLeaving(Slot), leaving) << "a card in the air was played";
        }
    }

    int CardsLeaving(const TLuCardGroup* Group) const
    {
        const auto cards = form->Game.Flights.CardsInAir();
        return static_cast<int>(std::count_if(cards.begin(), cards.end(), [Group](const auto& C) { return C.From == Group; }));
    }

    void AnyUserMove()
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
        dealing = true;
        F.DealMenuClick();
        int events = 0;
        if (dealing) {
            // Keys and clicks while the deal's cards fly play nothing.
            dealt = Everywhere();
            for (; dealing && events < 1000; ++events) {
                if (Roll(3) == 0)
                    UserMove();
                else
                    Flights().Advance(1 + Roll(40));
                Drain();
                Check("a moment of the deal");
                if (HasFatalFailure())
                    return events;
            }
        }
        EXPECT_EQ(dealsStarted, started + 1);
        Drain();
        Check("the deal");
        while (F.InGame && events < 20000) {
            const int roll = Roll(100);
            if (roll < userPace)
                UserMove();
            else if (animated && roll < userPace + (100 - userPace) / 2)
                Flights().Advance(1 + Roll(60));
            else if (!animated || F.Timer->isActive())
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
        for (; events < 200 && (F.SideCanPlay(UserSide) || F.Game.Flights.InAir()); ++events) {
            if (animated && Roll(2) == 0)
                Flights().Advance(1 + Roll(60));
            else
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

TEST_P(SimulationTest, ThousandsOfDealsKeepEveryCardAndEndWithAWinner)
{
    // Not shown: the cards draw into their buffers all the same, and nothing
    // is copied to a screen nobody looks at.
    TMainForm& F = Open();
    F.AnimateCards = animated;
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
            F.Timer->setInterval(core::LevelInterval(F.Level));
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
    std::printf("%s: deals %d, user wins %d, computer wins %d, both %d, longest deal %d events\n", animated ? "flights" : "no flights", deals, userWins,
                computerWins, bothWon, longest);
}

INSTANTIATE_TEST_SUITE_P(Cards, SimulationTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& Info) { return Info.param ? "Flying" : "Jumping"; });

} // namespace
