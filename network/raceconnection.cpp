#include "network/raceconnection.h"

#include <QCoreApplication>
#include <QTcpSocket>

namespace network {

TRaceConnection::TRaceConnection(QTcpSocket* Socket, bool IsHost, const QString& OwnName, TTimings Timings,
                                 QObject* Parent)
    : QObject(Parent)
    , FSocket(Socket)
    , FIsHost(IsHost)
    , FOwnName(OwnName)
    , FTimings(Timings)
{
    Socket->setParent(this);
    // A play is a few bytes that must leave at once.
    Socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(Socket, &QTcpSocket::connected, this, [this] { OnConnected(); });
    connect(Socket, &QTcpSocket::readyRead, this, [this] { OnReadyRead(); });
    connect(Socket, &QTcpSocket::disconnected, this, [this] { OnDisconnected(); });
    connect(Socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError Error) {
        if (Error == QAbstractSocket::RemoteHostClosedError)
            OnDisconnected();
        else if (FSocket)
            Fail(tr("The connection failed: %1").arg(FSocket->errorString()));
    });
    FHeartbeat.setInterval(FTimings.HeartbeatMs);
    connect(&FHeartbeat, &QTimer::timeout, this, [this] { OnHeartbeat(); });
    FSilence.setSingleShot(true);
    FSilence.setInterval(FTimings.SilenceMs);
    connect(&FSilence, &QTimer::timeout, this,
            [this] { Fail(FOpen ? tr("The other player stopped answering.") : tr("The other player did not answer.")); });
    FSilence.start();
    if (Socket->state() == QAbstractSocket::ConnectedState)
        OnConnected();
}

TRaceConnection::~TRaceConnection()
{
    FEnded = true;
    // The socket goes first, while this object is whole: its last signals
    // (a disconnection) must not reach a connection half taken apart.
    if (FSocket) {
        FSocket->disconnect(this);
        delete FSocket;
    }
}

void TRaceConnection::OnConnected()
{
    if (FHelloSent || FEnded)
        return;
    FHelloSent = true;
    // Options set before the connection existed are not kept everywhere.
    if (FSocket)
        FSocket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    Write(THello{ProtocolVersion, FOwnName});
    FHeartbeat.start();
}

void TRaceConnection::Send(const TMessage& Message)
{
    if (FOpen && !FEnded)
        Write(Message);
}

void TRaceConnection::Write(const TMessage& Message)
{
    if (!FSocket)
        return;
    const QByteArray Frame = EncodeFrame(Message);
    FSocket->write(Frame);
    // Out now, not when the event loop comes round: the caller goes on to
    // paint the move, and the other player would wait for that painting.
    FSocket->flush();
    FBytesSent += Frame.size();
    // Something went out: the next heartbeat is a whole interval away.
    if (FHeartbeat.isActive())
        FHeartbeat.start();
}

void TRaceConnection::OnHeartbeat()
{
    if (!FEnded)
        Write(THeartbeat{});
}

void TRaceConnection::OnReadyRead()
{
    if (FEnded || !FSocket)
        return;
    FSilence.start();
    const std::vector<TMessage> Messages = FReader.Feed(FSocket->readAll());
    for (const TMessage& Message : Messages) {
        if (FEnded)
            return;
        Handle(Message);
    }
    if (FReader.Failed())
        Fail(tr("The other player sent something Velto cannot read (%1).").arg(FReader.Error()));
}

void TRaceConnection::Handle(const TMessage& Message)
{
    if (const auto* Refuse = std::get_if<TRefuse>(&Message)) {
        Fail(tr("The other player cannot race now: %1").arg(Refuse->Reason));
        return;
    }
    if (!FOpen) {
        const auto* Hello = std::get_if<THello>(&Message);
        if (!Hello) {
            Fail(tr("The other player did not say hello first."));
            return;
        }
        if (Hello->Version != ProtocolVersion) {
            const QString Why = tr("The other player's Velto races by version %1 of the rules for two, this one by "
                                   "version %2. Both need the same version.")
                                    .arg(Hello->Version)
                                    .arg(ProtocolVersion);
            if (FIsHost)
                Write(TRefuse{QStringLiteral("this host speaks version %1").arg(ProtocolVersion)});
            Fail(Why);
            return;
        }
        FOpen = true;
        FPeerName = Hello->Name.trimmed().isEmpty() ? tr("The other player") : Hello->Name.trimmed();
        Q_EMIT Opened(FPeerName);
        return;
    }
    if (std::holds_alternative<THeartbeat>(Message))
        return;
    if (std::holds_alternative<THello>(Message)) {
        Fail(tr("The other player said hello twice."));
        return;
    }
    if (std::holds_alternative<TBye>(Message)) {
        Fail(tr("%1 left the race.").arg(FPeerName));
        return;
    }
    if (!FDelivering || !FWaiting.empty()) {
        FWaiting.push_back(Message);
        return;
    }
    Q_EMIT Received(Message);
}

void TRaceConnection::Deliver()
{
    if (FDelivering)
        return;
    FDelivering = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            const std::vector<TMessage> Waiting = std::move(FWaiting);
            FWaiting.clear();
            for (const TMessage& Message : Waiting) {
                if (FEnded)
                    return;
                Q_EMIT Received(Message);
            }
        },
        Qt::QueuedConnection);
}

void TRaceConnection::OnDisconnected()
{
    if (FEnded)
        return;
    Fail(FOpen ? tr("%1 closed the connection.").arg(FPeerName) : tr("The other player closed the connection."));
}

void TRaceConnection::Fail(const QString& Why)
{
    if (FEnded)
        return;
    FEnded = true;
    FOpen = false;
    FHeartbeat.stop();
    FSilence.stop();
    if (FSocket) {
        FSocket->flush();
        FSocket->disconnectFromHost();
    }
    Q_EMIT Lost(Why);
}

void TRaceConnection::Close()
{
    if (FEnded)
        return;
    if (FOpen)
        Write(TBye{});
    FEnded = true;
    FOpen = false;
    FHeartbeat.stop();
    FSilence.stop();
    if (FSocket) {
        FSocket->flush();
        FSocket->disconnectFromHost();
    }
}

} // namespace network
