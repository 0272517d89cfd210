#include "game/netrace/netracesetup.h"

#include "dialogs/racesetupform.h"
#include "dialogs/racewaitform.h"
#include "game/netrace/racediscovery.h"
#include "game/table/gamehost.h"
#include "network/portmapper.h"
#include "network/raceserver.h"
#include "platform/modal.h"

#include <QLabel>

#include <utility>

using namespace network;

namespace {

// The port as typed in the setup window: empty is the game's usual port;
// anything else must be a port, never wrapped or quietly replaced.
bool PortFrom(const QString& Text, quint16& Port)
{
    if (Text.isEmpty()) {
        Port = DefaultPort;
        return true;
    }
    bool Ok = false;
    const uint Value = Text.toUInt(&Ok, 10);
    if (!Ok || Value == 0 || Value > 65535)
        return false;
    Port = static_cast<quint16>(Value);
    return true;
}

// Busy for as long as it lives, however the setup returns.
class TBusy {
public:
    explicit TBusy(bool& Flag) : FFlag(Flag) { FFlag = true; }
    ~TBusy() { FFlag = false; }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

private:
    bool& FFlag;
};

} // namespace

TNetRaceSetup::TNetRaceSetup(TGameHost& Host, QWidget* Window)
    : Host(Host)
    , FWindow(Window)
{
}

TNetRaceSetup::~TNetRaceSetup() = default;

TNetRaceSetup::TReady TNetRaceSetup::HostRace(bool Ask, const QString& Name, quint16 Port, const QString& AcceptName)
{
    QString PlayerName = Name;
    quint16 PlayerPort = Port ? Port : DefaultPort;
    QString Where = QString::number(PlayerPort);
    while (Ask) {
        TRaceSetupForm Form(false, PlayerName, Where, FWindow);
        if (platform::ExecModal(Form) != QDialog::Accepted)
            return {};
        PlayerName = Form.Name();
        Where = Form.Where();
        if (PortFrom(Where, PlayerPort))
            break;
        Host.ShowMessage(tr("\"%1\" is not a port to host on: give a number from 1 to 65535.").arg(Where));
    }
    const TBusy Busy(FBusy);
    // Gone with this call, whatever happens: nobody listens once the guest
    // has come or the waiting was cancelled.
    TRaceServer Server(PlayerName);
    QString Error;
    if (!Server.Listen(PlayerPort, &Error)) {
        Host.ShowMessage(tr("Velto cannot host on port %1: %2").arg(PlayerPort).arg(Error));
        return {};
    }
    QStringList Lines{tr("Waiting for the other player to join at")};
    for (const QString& Address : LocalAddresses())
        Lines << QStringLiteral("%1:%2").arg(Address.contains(u':') ? u'[' + Address + u']' : Address).arg(Server.Port());
    // The router is asked to forward the port meanwhile; its answer joins
    // the addresses when it comes.
    TReady Ready;
    if (std::unique_ptr<TPortMapper> Mapper = MakePortMapper()) {
        Ready.PortMapping = std::make_unique<TPortMapping>(std::move(Mapper));
        Ready.PortMapping->Start(Server.Port());
    }
    const quint16 Listening = Server.Port();
    const auto WithRouter = [&] {
        return Ready.PortMapping ? Lines + QStringList{Ready.PortMapping->Text(Listening)} : Lines;
    };
    TRaceWaitForm Wait(tr("Host a Race"), WithRouter(), FWindow);
    // Known on the local network while the host waits, and no longer.
    std::unique_ptr<QObject> Announcement = RaceDiscovery().Announce(PlayerName, Server.Port());
    if (Ready.PortMapping)
        connect(Ready.PortMapping.get(), &TPortMapping::Reported, &Wait, [&] { Wait.SetLines(WithRouter()); });
    TRaceConnection* Joined = nullptr;
    connect(&Server, &TRaceServer::Joined, &Wait, [&](TRaceConnection* Connection) {
        Joined = Connection;
        Wait.accept();
    });
    // The player decides who takes the seat; until then the guest learns
    // nothing of this host, not even its name.
    Server.SetAskFirst(true);
    TRaceConnection* Asked = nullptr;
    connect(&Server, &TRaceServer::Knocking, &Wait, [&](TRaceConnection* Connection, const QString& Guest) {
        if (!AcceptName.isEmpty() && Guest == AcceptName) {
            Server.Accept(Connection);
            return;
        }
        Asked = Connection;
        Wait.Ask(tr("%1 wants to race.").arg(Guest));
    });
    connect(&Server, &TRaceServer::KnockWithdrawn, &Wait, [&](TRaceConnection* Connection) {
        if (Connection != Asked)
            return;
        Asked = nullptr;
        Wait.ClearQuestion();
    });
    connect(&Wait, &TRaceWaitForm::Answered, &Wait, [&](bool Accept) {
        TRaceConnection* Guest = std::exchange(Asked, nullptr);
        if (Accept)
            Server.Accept(Guest);
        else
            Server.Refuse(Guest);
    });
    platform::ExecModal(Wait);
    Announcement.reset();
    if (!Joined)
        return Ready;
    Joined->setParent(nullptr); // the server's until now
    Ready.Connection.reset(Joined);
    Ready.OwnName = PlayerName;
    return Ready;
}

TNetRaceSetup::TReady TNetRaceSetup::JoinRace(bool Ask, const QString& Name, const QString& Address)
{
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
                return {};
            PlayerName = Form.Name();
            Where = Form.Where();
        }
        if (ParseAddress(Where, HostName, Port))
            break;
        Host.ShowMessage(tr("\"%1\" is not an address to join: give HOST or HOST:PORT.").arg(Where));
        if (!Ask)
            return {};
    }
    Found.reset();
    const TBusy Busy(FBusy);
    std::unique_ptr<TRaceConnection> Connection(
        network::JoinRace(HostName, Port, PlayerName, TRaceConnection::TTimings{}));
    TRaceWaitForm Wait(tr("Join a Race"), {tr("Joining %1 ...").arg(Where)}, FWindow);
    QString Lost;
    connect(Connection.get(), &TRaceConnection::Opened, &Wait, [&] { Wait.accept(); });
    connect(Connection.get(), &TRaceConnection::Heard, &Wait,
            [&] { Wait.Text->setText(tr("Waiting for the host to let you in ...")); });
    connect(Connection.get(), &TRaceConnection::Lost, &Wait, [&](const QString& Why) {
        Lost = Why;
        Wait.reject();
    });
    if (platform::ExecModal(Wait) != QDialog::Accepted || !Connection->Open()) {
        Connection->Close();
        // Its socket may still be closing from the event loop.
        Connection.release()->deleteLater();
        if (!Lost.isEmpty())
            Host.ShowMessage(Lost);
        return {};
    }
    return {std::move(Connection), PlayerName, nullptr};
}
