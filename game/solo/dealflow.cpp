#include "game/solo/dealflow.h"

#include "cardlib/lucarddeck.h"
#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "dialogs/halloffame.h"
#include "game/table/cardcomponents.h"
#include "game/table/cardflights.h"
#include "game/table/gamehost.h"
#include "core/scoring.h"
#include "game/table/gamestate.h"
#include "game/solo/solorules.h"
#include "platform/stringtable.h"
#include "platform/systemclock.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

namespace {

QString QuestionText(int TextId, const QString& Arg = QString())
{
    QString Text = platform::LoadStr(TextId);
    if (!Arg.isNull())
        Text.replace(QStringLiteral("%s"), Arg);
    return Text;
}

bool SameMillisecond(const platform::SystemTime& A, const platform::SystemTime& B)
{
    return A.Hour == B.Hour && A.Minute == B.Minute && A.Second == B.Second && A.Milliseconds == B.Milliseconds;
}

// The deck seeds its shuffle from the clock's millisecond, and dealing one
// side takes less than a millisecond: without this both sides would often
// hold the same cards in the same order. A clock that stands still (a
// test's) is given up on after a few milliseconds.
void WaitForNextMillisecond(const platform::SystemTime& Seeded)
{
    for (int Tries = 0; Tries < 20 && SameMillisecond(platform::GetSystemTime(), Seeded); ++Tries)
        QThread::usleep(250);
}

} // namespace

void TDealFlow::Deal()
{
    Host.StopComputer();
    if (State.InGame) {
        Flights.LandForBox();
        if (!Host.AskYesNo(QuestionText(platform::strings::QuitAndRedeal), platform::MsgType::Confirmation)) {
            Resume();
            return;
        }
    }
    CountEnd(false);

    Flights.Settle();
    Host.EnableHelpMenu(false);
    Cards.Deck->SetDeckEmpty(false);
    Host.ShowWaitSign(UserSide, false);
    Host.ShowWaitSign(ComputerSide, false);

    State.TargetCount = core::TargetCountFor(State.Decks);
    State.UserPlayed = 0;
    State.ComputerPlayed = 0;
    State.UserStuck = State.ComputerStuck = false;
    State.Pile1Busy = State.Pile2Busy = false;
    State.UserWon = State.ComputerWon = false;

    Cards.Play1Pile->SetTable(Cards.CardTable1);
    Cards.Play2Pile->SetTable(Cards.CardTable2);
    Flights.Deal(
        [this] {
            DealSide(UserSide);
            WaitForNextMillisecond(FSideSeeded);
            DealSide(ComputerSide);
        },
        [this] { Dealt(); });
}

void TDealFlow::Dealt()
{
    Cards.Deck->SetDeckEmpty(true);
    Cards.Play1Pile->SetTable(Cards.TempTable1);
    Cards.Play2Pile->SetTable(Cards.TempTable2);

    StartScore();

    Host.ShowMessage(platform::LoadStr(platform::strings::StartBox));
    StartCounting();
    State.InGame = true;
    State.UserStuck = !Rules.SideCanPlay(UserSide);
    State.ComputerStuck = !Rules.SideCanPlay(ComputerSide);
    Host.ShowPauseButton(true);
    // A deal that opens with both sides stuck starts with a stalemate, which
    // starts the computer itself once its cards lie (unless it ends the deal).
    if (State.UserStuck && State.ComputerStuck)
        Rules.Stalemate();
    else
        Host.StartComputer();
}

// Each side is dealt from a full deck of its own, shuffled afresh: the deal
// is not a split of one deck, and both sides may hold the same card.
void TDealFlow::DealSide(int Side)
{
    TLuCardTable* Centre = Cards.CentrePile(Side);
    Centre->ClearTable(true);
    Centre->SetEmpty(true);
    Centre->PrepareDeal();
    // The shuffle was seeded at or before this moment.
    FSideSeeded = platform::GetSystemTime();
    Centre->DealToPlayers(true);
    Centre->SetLandingPosition(TLuCardTable::PosTop);
    Centre->DealToTable();
}

void TDealFlow::StartScore()
{
    if (State.Scoring != core::ScoringLasVegas) {
        State.HallEntryDone = false;
        State.FreshRun = false;
        State.Score = core::DealStartScore(State.Scoring, false, State.Decks, State.Score);
    } else {
        State.Score = core::DealStartScore(State.Scoring, State.FreshRun, State.Decks, State.Score);
        State.FreshRun = false;
    }
    Host.ShowScore(State.Score);
}

void TDealFlow::GameOver()
{
    // The deal ends when its last card lies: one still in the air would land
    // on the question, or count for a deal that has ended.
    if (Flights.InAir()) {
        Flights.WhenSettled([this] { Host.Post(MsgGameOver); });
        return;
    }
    Host.StopComputer();
    Host.ShowPauseButton(false);
    State.InGame = false;

    QString Winner;
    if (State.UserWon)
        Winner = QCoreApplication::translate("TDealFlow", "You");
    else if (State.ComputerWon)
        Winner = QCoreApplication::translate("TDealFlow", "The Computer");
    else
        return;

    if (State.UserWon) {
        State.Score += core::WinPoints(State.Level, State.TargetCount, State.ComputerPlayed);
        Rules.UpdateScoreLabel();
    }
    CountEnd(State.UserWon);
    if (State.UserWon)
        FHallBeforeName = State.HallOfFame;
    const bool Again = Host.AskYesNo(QuestionText(platform::strings::PlayAgain, Winner), platform::MsgType::Information);
    if (State.UserWon && (State.Scoring != core::ScoringLasVegas || !Again))
        Host.EnterHallOfFame();
    FHallBeforeName.reset();
    State.UserWon = false;
    State.ComputerWon = false;

    if (Again)
        Deal();
    else
        Host.EnableHelpMenu(true);
}

bool TDealFlow::CloseQuery()
{
    Host.StopComputer();
    if (State.InGame) {
        Flights.LandForBox();
        if (!Host.AskYesNo(QuestionText(platform::strings::QuitAndExit), platform::MsgType::Confirmation)) {
            Resume();
            return false;
        }
    }
    CountEnd(false);
    Flights.Settle();
    return true;
}

bool TDealFlow::AskToLeave(const QString& Question)
{
    Host.StopComputer();
    if (!State.InGame)
        return true;
    Flights.LandForBox();
    if (!Host.AskYesNo(Question, platform::MsgType::Confirmation)) {
        Resume();
        return false;
    }
    return true;
}

void TDealFlow::Resume()
{
    Flights.RunHeld();
    // A deal that has its winner, or none at all, has no clock to restart.
    if (State.InGame && !State.UserWon && !State.ComputerWon)
        Host.StartComputer();
}

void TDealFlow::Abandon()
{
    Host.StopComputer();
    CountEnd(false);
    Flights.Settle();
    State.InGame = false;
    Host.ShowPauseButton(false);
    Host.EnableHelpMenu(true);
}

void TDealFlow::OverTheTable(const std::function<void()>& Box)
{
    Flights.LandForBox();
    Box();
    Flights.RunHeld();
}

void TDealFlow::Terminate(const QString& Name)
{
    Host.StopComputer();
    CountEnd(false);
    if (FHallBeforeName) {
        // As if the question had been answered No and the name given: the
        // run ends here whatever the scoring.
        State.HallOfFame = *FHallBeforeName;
        FHallBeforeName.reset();
        EnterHallOfFame(State.HallOfFame, State.Decks, State.Scoring + 1, State.Level + 1, State.Score,
                        State.HallEntryDone, [&Name] { return std::optional<QString>(Name); });
    }
    Flights.Settle();
}

void TDealFlow::StartCounting()
{
    State.CountedDeal = {true, State.Decks, State.Level + 1, State.Scoring + 1, platform::ElapsedMilliseconds()};
}

void TDealFlow::CountEnd(bool Won)
{
    TGameState::TCountedDeal& Deal = State.CountedDeal;
    if (!Deal.Open)
        return;
    Deal.Open = false;
    if (Won)
        State.Statistics.RecordWin(Deal.Deck, Deal.Level, Deal.Scoring,
                                   std::max<std::int64_t>(0, platform::ElapsedMilliseconds() - Deal.StartedMs),
                                   State.Score);
    else
        State.Statistics.RecordLoss(Deal.Deck, Deal.Level);
}
