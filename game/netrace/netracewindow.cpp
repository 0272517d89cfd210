#include "game/netrace/netracewindow.h"

#include "dialogs/netracerecords.h"
#include "cardlib/lucarddeck.h"
#include "cardlib/lucardtable.h"
#include "game/table/cardcomponents.h"
#include "game/table/gamehost.h"
#include "core/scoring.h"
#include "game/table/gamestate.h"
#include "game/netrace/netracetable.h"
#include "network/portmapping.h"
#include "platform/stringtable.h"
#include "platform/systemclock.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

using namespace network;

TNetRaceWindow::TNetRaceWindow(TGameState& State, TCardComponents& Cards, TGameHost& Host, TNetRaceRecords& Records,
                               QWidget* Window)
    : State(State)
    , Cards(Cards)
    , Host(Host)
    , Records(Records)
    , FSetup(Host, Window)
    , FRandom(std::random_device{}())
    , FFlights(State, Cards, [this] { Relay(); })
    , FStatus(Cards.CardTable1 ? Cards.CardTable1->parentWidget() : nullptr)
{
}

TNetRaceWindow::~TNetRaceWindow() = default;

bool TNetRaceWindow::Active() const
{
    return FSetup.Busy() || (FSession && !FSession->Ended());
}

void TNetRaceWindow::HostRace(bool Ask, const QString& Name, quint16 Port, const QString& AcceptName)
{
    if (Active())
        return;
    TNetRaceSetup::TReady Ready = FSetup.HostRace(Ask, Name, Port, AcceptName);
    // The router's forwarding lasts as long as the race; a setup that came
    // to nothing lets it go at once.
    FPortMapping = std::move(Ready.PortMapping);
    if (!Ready) {
        if (FPortMapping)
            FPortMapping->Release();
        return;
    }
    Begin(std::move(Ready));
}

void TNetRaceWindow::JoinRace(bool Ask, const QString& Name, const QString& Address)
{
    if (Active())
        return;
    if (TNetRaceSetup::TReady Ready = FSetup.JoinRace(Ask, Name, Address))
        Begin(std::move(Ready));
}

void TNetRaceWindow::Begin(TNetRaceSetup::TReady Ready)
{
    if (OnRaceBegins)
        OnRaceBegins();
    FOwnName = Ready.OwnName;
    FCounted = {};
    FWaitingForPeer = false;
    FStatus.Hide();
    // Where to come back to, should the line drop: the guest calls the
    // host's address again, the host listens on its port again.
    const network::TRaceConnection& Line = *Ready.Connection;
    FWhere = {Line.IsHost(), Line.PeerAddress(), Line.IsHost() ? Line.LocalPort() : Line.PeerPort(), Line.SeatToken(),
              Ready.OwnName};
    Host.StopComputer();
    Host.EnableHelpMenu(false);
    const auto Random = [this](int N) { return N > 0 ? std::uniform_int_distribution<int>(0, N - 1)(FRandom) : 0; };
    FSession = std::make_unique<TNetRaceSession>(Ready.Connection.release(), *this, State.Decks, Random);
    FSession->Begin();
}

void TNetRaceWindow::Leave()
{
    if (FSession && !FSession->Ended())
        FSession->Leave();
    Finish();
}

void TNetRaceWindow::LandForBox()
{
    FFlights.Clear();
    Relay();
}

void TNetRaceWindow::Terminate()
{
    FTerminating = true;
    StopReturn();
    FFlights.Clear();
    if (FSession && !FSession->Ended())
        FSession->Leave();
    // The process ends right after: the router's forwarding is removed
    // first, but a router that does not answer does not hold up the end.
    if (FPortMapping)
        FPortMapping->ReleaseWithin(std::chrono::milliseconds(TPortMapping::ExitWaitMs));
}

void TNetRaceWindow::Finish()
{
    StopReturn();
    FWaitingForPeer = false;
    FStatus.Hide();
    FStatus.HidePeer();
    if (FPortMapping)
        FPortMapping->Release();
    Host.ShowPauseButton(false);
    Host.EnableHelpMenu(true);
}

void TNetRaceWindow::StopReturn()
{
    // It may be the caller: the session it hands a line to says so at once.
    if (FReturn)
        FReturn.release()->deleteLater();
}

// After this player's OK or Yes, while the other's is still to come: the
// table says whom it waits for and shows no face-up card yet, so neither
// player sees the deal before the other can.
void TNetRaceWindow::ShowWaiting()
{
    if (!FSession || FSession->Ended() || FSession->Running() || FSession->Paused())
        return;
    FWaitingForPeer = true;
    FStatus.Show(tr("Waiting for %1…").arg(FSession->PeerName()));
    Relay();
}

void TNetRaceWindow::ShowPaused(const QString& Why)
{
    Q_UNUSED(Why);
    FFlights.Clear();
    Relay();
    StopReturn();
    if (!FSession || FTerminating)
        return;
    FReturn = std::make_unique<TNetRaceReturn>(*FSession, FWhere, TRaceConnection::TTimings{}, ReturnWaitMs);
    connect(FReturn.get(), &TNetRaceReturn::Tick, this, [this](int Left) { OnReturnTick(Left); });
    connect(FReturn.get(), &TNetRaceReturn::GaveUp, this, [this] { OnGaveUp(); });
    OnReturnTick(FReturn->SecondsLeft());
}

void TNetRaceWindow::OnReturnTick(int SecondsLeft)
{
    if (!FSession)
        return;
    if (SecondsLeft > 0)
        FStatus.Show(tr("Waiting for %1 to come back… %2").arg(FSession->PeerName(), TNetRaceStatus::Clock(SecondsLeft)));
    else
        FStatus.Show(tr("%1 has not come back.").arg(FSession->PeerName()));
}

void TNetRaceWindow::OnGaveUp()
{
    // Asked only over the bare table: a box already open (the start box, the
    // question) has its answer to give first, and the news stays on the table.
    if (!FSession || FSession->Ended() || FStartBox || FQuestion || QApplication::activeModalWidget())
        return;
    if (!Host.AskYesNo(tr("%1 has not come back. End the race?").arg(FSession->PeerName()),
                       platform::MsgType::Confirmation))
        return;
    // A race the line ended is not counted, for either side.
    FCounted.Open = false;
    Leave();
}

void TNetRaceWindow::ShowResumed()
{
    StopReturn();
    FStatus.Hide();
    if (FWaitingForPeer)
        ShowWaiting();
}

void TNetRaceWindow::Deal()
{
    LandForBox();
    if (Host.AskYesNo(tr("Leave the race?"), platform::MsgType::Confirmation))
        Leave();
}

bool TNetRaceWindow::CloseQuery()
{
    LandForBox();
    if (!Host.AskYesNo(platform::LoadStr(platform::strings::QuitAndExit), platform::MsgType::Confirmation))
        return false;
    Leave();
    return true;
}

void TNetRaceWindow::Key(QChar Key)
{
    if (Key >= u'1' && Key <= u'4')
        PlaySlot(Key.unicode() - u'1');
}

void TNetRaceWindow::Click(TLuCardGroup* Slot)
{
    if (const int N = Cards.SlotNumber(UserSide, Slot); N > 0)
        PlaySlot(N - 1);
}

void TNetRaceWindow::PlaySlot(int Slot)
{
    // While the line is down no card leaves its slot: there is nobody to
    // answer its request.
    if (!FSession || !FSession->Running() || FSession->Paused() || FFlights.Busy(Slot, FSession->OwnSeat()))
        return;
    const int Own = FSession->OwnSeat();
    const std::optional<int> Centre = netracetable::CentreFor(FSession->Table(), Own, Slot);
    if (!Centre)
        return;
    // The host decides its own play at once (the change arrives in Play);
    // the guest's request goes out first, and only then does its card
    // leave for the answer (its slot still shows it until Lay).
    FSession->Play(Slot, *Centre);
    if (!FSession->IsHost()) {
        FFlights.Request(Slot, *Centre, Own);
        Lay(FSession->Table(), Own);
    }
}

void TNetRaceWindow::ShowTable(const TRaceSnapshot& Table, int OwnSeat)
{
    if (FWaitingForPeer && FSession && !FSession->Paused() && !FSession->Running()) {
        // A new deal: the wait for the other's Yes is over; its OK is next.
        FWaitingForPeer = false;
        FStatus.Hide();
    }
    // The deck has been dealt out, as in a deal against the computer.
    Cards.Deck->SetDeckEmpty(true);
    FFlights.Clear();
    FShownBefore = Table;
    Lay(Table, OwnSeat);
}

// The table, the player's count of cards played so far as the score, and
// the red lights of a seat that cannot play.
void TNetRaceWindow::Lay(const TRaceSnapshot& Table, int OwnSeat)
{
    TRaceSnapshot Shown = FFlights.Presented(Table);
    if (FSession && !FSession->Ended() && !FSession->Running() && !(Table.Won[0] || Table.Won[1]))
        Shown = netracetable::Covered(Shown);
    netracetable::Lay(Cards, Shown, OwnSeat);
    const auto Own = static_cast<std::size_t>(OwnSeat), Other = static_cast<std::size_t>(1 - OwnSeat);
    // The winner's bonus for a win alone: a tie has none.
    const core::TRaceOutcome Outcome = core::RaceOutcome(Table);
    const bool OwnWin = Outcome == (OwnSeat == core::HostSeat ? core::TRaceOutcome::HostWon : core::TRaceOutcome::GuestWon);
    Host.ShowScore(core::RaceScore(Table.Target, Table.Played[Own], Table.Played[Other], OwnWin));
    const bool PeerWin =
        Outcome == (OwnSeat == core::HostSeat ? core::TRaceOutcome::GuestWon : core::TRaceOutcome::HostWon);
    if (FSession)
        FStatus.ShowPeer(FSession->PeerName(),
                         core::RaceScore(Table.Target, Table.Played[Other], Table.Played[Own], PeerWin));
    const bool Over = Table.Won[0] || Table.Won[1];
    Host.ShowWaitSign(UserSide, !Over && !netracetable::SeatCanPlay(Table, OwnSeat));
    Host.ShowWaitSign(ComputerSide, !Over && !netracetable::SeatCanPlay(Table, 1 - OwnSeat));
}

void TNetRaceWindow::Relay()
{
    if (FSession)
        Lay(FSession->Table(), FSession->OwnSeat());
}

void TNetRaceWindow::ShowEvent(const TRaceEvent& Event, const TRaceSnapshot& After, int OwnSeat)
{
    FFlights.Event(Event, FShownBefore, OwnSeat);
    FShownBefore = After;
    Lay(After, OwnSeat);
    if (Event.Kind == TRaceEvent::TKind::Played && Event.Seat == OwnSeat && State.SoundsOn)
        Host.PlaySound("PlayCard");
    if (Event.Kind == TRaceEvent::TKind::Turned && Event.Seat == OwnSeat && State.SoundsOn)
        Host.PlaySound("NoPlay");
}

void TNetRaceWindow::ShowRefused(const TPlayRequest& Request)
{
    // The host took the pile for another card first: the card goes back to
    // its slot, which in the host's table it never left.
    if (!FSession)
        return;
    FFlights.Refused(Request.Slot, FSession->OwnSeat());
    Lay(FSession->Table(), FSession->OwnSeat());
}

void TNetRaceWindow::AskReady()
{
    // After the message that brought the deal has been handled: the box
    // runs an event loop of its own.
    QTimer::singleShot(0, this, [this] {
        // One start box at a time: it serves whatever deal is on the table
        // when its OK is pressed.
        if (!FSession || FSession->Ended() || FStartBox)
            return;
        FStartBox = true;
        Host.ShowMessage(platform::LoadStr(platform::strings::StartBox));
        FStartBox = false;
        if (FSession)
            FSession->Ready();
        ShowWaiting();
    });
}

void TNetRaceWindow::ShowRunning(bool Running)
{
    Host.ShowPauseButton(Running);
    if (Running) {
        FWaitingForPeer = false;
        FStatus.Hide();
        Relay();
    }
    // A race that comes back after a dropped line goes on with its count.
    if (Running && FSession && !FCounted.Open)
        FCounted = {true, FSession->Table().Decks, platform::ElapsedMilliseconds()};
}

// A won race enters the player's own records under the name they race by;
// a lost one, or one this player gave up, counts as lost; a tie as tied.
void TNetRaceWindow::CountEnd(TRaceEnd End)
{
    if (!FCounted.Open || !FSession)
        return;
    FCounted.Open = false;
    if (End == TRaceEnd::Lost) {
        Records.RecordLoss(FCounted.Deck);
        return;
    }
    if (End == TRaceEnd::Tied) {
        Records.RecordTie(FCounted.Deck);
        return;
    }
    const TRaceSnapshot& Table = FSession->Table();
    const auto Own = static_cast<std::size_t>(FSession->OwnSeat()), Other = 1 - Own;
    Records.RecordWin(FCounted.Deck, platform::ElapsedMilliseconds() - FCounted.StartedMs,
                                core::RaceScore(Table.Target, Table.Played[Own], Table.Played[Other], true),
                                FOwnName);
}

void TNetRaceWindow::ShowEnd(const QString& WinnerName, TRaceEnd End)
{
    CountEnd(End);
    // The last cards lie where they go before the question opens: under a
    // modal box flights hold still, and the table must show how it ended.
    FFlights.Clear();
    Relay();
    if (State.SoundsOn)
        Host.PlaySound(End == TRaceEnd::Won ? "YouWon" : End == TRaceEnd::Lost ? "YouLost" : "NoPlay");
    const QString Question = End == TRaceEnd::Tied
        ? tr("It is a tie, Do you want to play again?")
        : platform::LoadStr(platform::strings::PlayAgain).replace(QStringLiteral("%s"), WinnerName);
    QTimer::singleShot(0, this, [this, Question] {
        if (!FSession || FSession->Ended() || FQuestion)
            return;
        FQuestion = true;
        const bool Again = Host.AskYesNo(Question, platform::MsgType::Information);
        FQuestion = false;
        if (FSession)
            FSession->Again(Again);
        if (Again)
            ShowWaiting();
    });
}

void TNetRaceWindow::ShowEnded(const QString& Why)
{
    // Leaving during a deal gives it up; a deal the other player left, or
    // the line lost, has no winner and is not counted, nor is one left
    // while its line was down.
    if (Why.isEmpty() && FSession && !FSession->Paused())
        CountEnd(TRaceEnd::Lost);
    FCounted.Open = false;
    FFlights.Clear();
    Relay();
    Finish();
    // A start box or a question to play again that is still open has no
    // race to serve any more: it closes (as No) before the news shows.
    if (FQuestion || FStartBox)
        if (auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            Box->close();
    if (!Why.isEmpty() && !FTerminating)
        QTimer::singleShot(0, this, [this, Why] { Host.ShowMessage(Why); });
}
