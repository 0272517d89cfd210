#include "game/netrace/netracewindow.h"

#include "dialogs/racesetupform.h"
#include "dialogs/netracerecords.h"
#include "dialogs/racewaitform.h"
#include "cardlib/lucarddeck.h"
#include "game/table/cardcomponents.h"
#include "game/table/gamehost.h"
#include "core/scoring.h"
#include "game/table/gamestate.h"
#include "game/netrace/netracetable.h"
#include "game/netrace/racediscovery.h"
#include "network/raceserver.h"
#include "platform/modal.h"
#include "platform/random.h"
#include "platform/stringtable.h"
#include "platform/systemclock.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

using namespace network;

namespace {

// The deal's shuffles draw from the process-wide generator, seeded once
// from the clock when the race begins.
int RaceRandom(int N)
{
    return platform::Random(N);
}

} // namespace

TNetRaceWindow::TNetRaceWindow(TGameState& State, TCardComponents& Cards, TGameHost& Host, TNetRaceRecords& Records,
                               QWidget* Window)
    : State(State)
    , Cards(Cards)
    , Host(Host)
    , Records(Records)
    , FWindow(Window)
    , FFlights(State, Cards, [this] { Relay(); })
{
}

TNetRaceWindow::~TNetRaceWindow() = default;

bool TNetRaceWindow::Active() const
{
    return FSettingUp || (FSession && !FSession->Ended());
}

void TNetRaceWindow::HostRace(bool Ask, const QString& Name, quint16 Port)
{
    if (Active())
        return;
    QString PlayerName = Name;
    quint16 PlayerPort = Port ? Port : DefaultPort;
    if (Ask) {
        TRaceSetupForm Form(false, Name, QString::number(PlayerPort), FWindow);
        if (platform::ExecModal(Form) != QDialog::Accepted)
            return;
        PlayerName = Form.Name();
        PlayerPort = static_cast<quint16>(Form.Where().toUInt());
        if (PlayerPort == 0)
            PlayerPort = DefaultPort;
    }
    FSettingUp = true;
    FServer = std::make_unique<TRaceServer>(PlayerName);
    QString Error;
    if (!FServer->Listen(PlayerPort, &Error)) {
        FServer.reset();
        FSettingUp = false;
        Host.ShowMessage(tr("Velto cannot host on port %1: %2").arg(PlayerPort).arg(Error));
        return;
    }
    QStringList Lines{tr("Waiting for the other player to join at")};
    for (const QString& Address : LocalAddresses())
        Lines << QStringLiteral("%1:%2").arg(Address.contains(u':') ? u'[' + Address + u']' : Address).arg(FServer->Port());
    TRaceWaitForm Wait(tr("Host a Race"), Lines, FWindow);
    // Known on the local network while the host waits, and no longer.
    std::unique_ptr<QObject> Announcement = RaceDiscovery().Announce(PlayerName, FServer->Port());
    TRaceConnection* Joined = nullptr;
    connect(FServer.get(), &TRaceServer::Joined, &Wait, [&](TRaceConnection* Connection) {
        Joined = Connection;
        Wait.accept();
    });
    platform::ExecModal(Wait);
    Announcement.reset();
    FSettingUp = false;
    if (!Joined) {
        FServer.reset(); // no one listens any more
        return;
    }
    Joined->setParent(nullptr);
    FServer.reset();
    Begin(Joined, PlayerName);
}

void TNetRaceWindow::JoinRace(bool Ask, const QString& Name, const QString& Address)
{
    if (Active())
        return;
    QString PlayerName = Name;
    QString Where = Address;
    QString HostName;
    quint16 Port = DefaultPort;
    // The races on the local network, listed while the window asks.
    std::unique_ptr<TRaceList> Found = Ask ? RaceDiscovery().Browse() : nullptr;
    for (;;) {
        if (Ask) {
            TRaceSetupForm Form(true, PlayerName, Where, FWindow, Found.get());
            if (platform::ExecModal(Form) != QDialog::Accepted)
                return;
            PlayerName = Form.Name();
            Where = Form.Where();
        }
        if (ParseAddress(Where, HostName, Port))
            break;
        Host.ShowMessage(tr("\"%1\" is not an address to join: give HOST or HOST:PORT.").arg(Where));
        if (!Ask)
            return;
    }
    Found.reset();
    FSettingUp = true;
    TRaceConnection* Connection = network::JoinRace(HostName, Port, PlayerName, TRaceConnection::TTimings{});
    TRaceWaitForm Wait(tr("Join a Race"), {tr("Joining %1 ...").arg(Where)}, FWindow);
    QString Lost;
    connect(Connection, &TRaceConnection::Opened, &Wait, [&] { Wait.accept(); });
    connect(Connection, &TRaceConnection::Lost, &Wait, [&](const QString& Why) {
        Lost = Why;
        Wait.reject();
    });
    const bool Opened = platform::ExecModal(Wait) == QDialog::Accepted && Connection->Open();
    FSettingUp = false;
    if (!Opened) {
        Connection->Close();
        Connection->deleteLater();
        if (!Lost.isEmpty())
            Host.ShowMessage(Lost);
        return;
    }
    Begin(Connection, PlayerName);
}

void TNetRaceWindow::Begin(TRaceConnection* Connection, const QString& OwnName)
{
    if (OnRaceBegins)
        OnRaceBegins();
    FOwnName = OwnName;
    FCounted = {};
    Host.StopComputer();
    Host.EnableHelpMenu(false);
    const platform::SystemTime Now = platform::GetSystemTime();
    platform::SetRandSeed(static_cast<std::uint32_t>(((Now.Hour * 60 + Now.Minute) * 60 + Now.Second) * 1000
                                                     + Now.Milliseconds));
    FSession = std::make_unique<TNetRaceSession>(Connection, *this, State.Decks, &RaceRandom);
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
    FFlights.Clear();
    if (FSession && !FSession->Ended())
        FSession->Leave();
}

void TNetRaceWindow::Finish()
{
    Host.ShowPauseButton(false);
    Host.EnableHelpMenu(true);
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
    if (!FSession || !FSession->Running() || FFlights.Busy(Slot, FSession->OwnSeat()))
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
    netracetable::Lay(Cards, FFlights.Presented(Table), OwnSeat);
    const auto Own = static_cast<std::size_t>(OwnSeat), Other = static_cast<std::size_t>(1 - OwnSeat);
    // The winner's bonus for a win alone: a tie has none.
    const core::TRaceOutcome Outcome = core::RaceOutcome(Table);
    const bool OwnWin = Outcome == (OwnSeat == core::HostSeat ? core::TRaceOutcome::HostWon : core::TRaceOutcome::GuestWon);
    Host.ShowScore(core::RaceScore(Table.Target, Table.Played[Own], Table.Played[Other], OwnWin));
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
    });
}

void TNetRaceWindow::ShowRunning(bool Running)
{
    Host.ShowPauseButton(Running);
    if (Running && FSession)
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
    });
}

void TNetRaceWindow::ShowEnded(const QString& Why)
{
    // Leaving during a deal gives it up; a deal the other player left, or
    // the line lost, has no winner and is not counted.
    if (Why.isEmpty())
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
