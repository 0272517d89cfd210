#include "game/dealflow.h"

#include "cardlib/lucarddeck.h"
#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "game/gamerules.h"
#include "game/mainform.h"
#include "platform/messagebox.h"
#include "platform/stringtable.h"
#include "platform/systemclock.h"

#include <QMenu>
#include <QPushButton>
#include <QThread>
#include <QTimer>

namespace {

constexpr int StartBoxId = 65136;
constexpr int QuitAndExitId = 65139;
constexpr int QuitAndRedealId = 65140;
constexpr int PlayAgainId = 65141;

bool AskYesNo(int TextId, const QString& Arg = QString(), platform::MsgType Type = platform::MsgType::Confirmation)
{
    QString Text = platform::LoadStr(TextId);
    if (!Arg.isNull())
        Text.replace(QStringLiteral("%s"), Arg);
    return platform::MessageDlg(Text, Type, platform::MsgButtons::YesNo) == platform::MsgResult::Yes;
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
    F.Timer->stop();
    if (F.InGame && !AskYesNo(QuitAndRedealId)) {
        F.Timer->start();
        return;
    }

    F.HelpMenu->menuAction()->setEnabled(false);
    F.Deck->SetDeckEmpty(false);
    F.ShowWaitSign(UserSide, false);
    F.ShowWaitSign(ComputerSide, false);

    F.TargetCount = gamerules::TargetCountFor(F.Decks);
    F.UserPlayed = 0;
    F.ComputerPlayed = 0;
    F.UserStuck = F.ComputerStuck = false;
    F.Pile1Busy = F.Pile2Busy = false;
    F.UserWon = F.ComputerWon = false;

    F.Play1Pile->SetTable(F.CardTable1);
    F.Play2Pile->SetTable(F.CardTable2);
    DealSide(UserSide);
    WaitForNextMillisecond(FSideSeeded);
    DealSide(ComputerSide);
    F.Deck->SetDeckEmpty(true);
    F.Play1Pile->SetTable(F.TempTable1);
    F.Play2Pile->SetTable(F.TempTable2);

    StartScore();

    platform::MessageDlg(platform::LoadStr(StartBoxId), platform::MsgType::Information, platform::MsgButtons::Ok);
    F.InGame = true;
    F.UserStuck = !F.SideCanPlay(UserSide);
    F.ComputerStuck = !F.SideCanPlay(ComputerSide);
    if (F.UserStuck && F.ComputerStuck)
        F.Stalemate();
    F.PauseBtn->show();
    F.Timer->start();
}

// Each side is dealt from a full deck of its own, shuffled afresh: the deal
// is not a split of one deck, and both sides may hold the same card.
void TDealFlow::DealSide(int Side)
{
    TLuCardTable* Centre = F.CentrePile(Side);
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
    if (F.Scoring != 1) {
        F.HallEntryDone = false;
        F.FreshRun = false;
        F.Score = gamerules::DealStartScore(F.Scoring, false, F.Decks, F.Score);
    } else {
        F.Score = gamerules::DealStartScore(F.Scoring, F.FreshRun, F.Decks, F.Score);
        F.FreshRun = false;
    }
    F.UpdateScoreLabel();
}

void TDealFlow::GameOver()
{
    F.Timer->stop();
    F.PauseBtn->hide();
    F.InGame = false;

    QString Winner;
    if (F.UserWon)
        Winner = QStringLiteral("You");
    else if (F.ComputerWon)
        Winner = QStringLiteral("The Computer");
    else
        return;

    if (F.UserWon) {
        F.Score += gamerules::WinPoints(F.Level, F.TargetCount, F.ComputerPlayed);
        F.UpdateScoreLabel();
    }
    const bool Again = AskYesNo(PlayAgainId, Winner, platform::MsgType::Information);
    if (F.UserWon && (F.Scoring != 1 || !Again))
        F.EnterHallOfFame();
    F.UserWon = false;
    F.ComputerWon = false;

    if (Again)
        F.DealMenuClick();
    else
        F.HelpMenu->menuAction()->setEnabled(true);
}

bool TDealFlow::CloseQuery()
{
    F.Timer->stop();
    if (!F.InGame)
        return true;
    if (AskYesNo(QuitAndExitId))
        return true;
    F.Timer->start();
    return false;
}
