#include "network/raceconnection.h"

#include "platform/playername.h"

#include <QCoreApplication>
#include <QTcpSocket>

#include <sys/socket.h>

namespace network {

TRaceConnection::TRaceConnection(QTcpSocket* Socket, bool IsHost, const QString& OwnName, TTimings Timings,
                                 QObject* Parent)
    : TRaceTransport(Parent)
    , FSocket(Socket)
    , FIsHost(IsHost)
    , FOwnName(OwnName)
    , FTimings(Timings)
{
    Socket->setParent(this);
    // A play is a few bytes that must leave at once.
    Socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // What the peer sends beyond this stays with the system, which stops the
    // peer once its own buffers are full: a flood costs this side nothing.
    Socket->setReadBufferSize(4 * ReadChunk);
    connect(Socket, &QTcpSocket::connected, this, [this] { OnConnected(); });
    connect(Socket, &QTcpSocket::readyRead, this, [this] { OnReadyRead(); });
    connect(Socket, &QTcpSocket::disconnected, this, [this] { OnDisconnected(); });
    connect(Socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError Error) {
        if (Error == QAbstractSocket::RemoteHostClosedError)
            OnDisconnected();
        else if (FSocket)
            Fail(tr("The connection failed: %1")
                     .arg(platform::CutName(platform::CleanName(FSocket->errorString()), MaxReasonLength)),
                 FOpen);
    });
    FHeartbeat.setInterval(FTimings.HeartbeatMs);
    connect(&FHeartbeat, &QTimer::timeout, this, [this] { OnHeartbeat(); });
    FSilence.setSingleShot(true);
    FSilence.setInterval(FTimings.SilenceMs);
    connect(&FSilence, &QTimer::timeout, this, [this] {
        Fail(FOpen ? tr("%1 stopped answering.").arg(FPeerName) : tr("The other player did not answer."), FOpen);
    });
    FSilence.start();
    // Silence alone would let a peer that sends a byte now and then, never
    // a whole hello, hold the connection for ever.
    FHelloDeadline.setSingleShot(true);
    FHelloDeadline.setInterval(FTimings.HelloMs);
    connect(&FHelloDeadline, &QTimer::timeout, this, [this] {
        if (!FOpen)
            Fail(tr("The other player did not answer."));
    });
    FHelloDeadline.start();
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
    // Options set before the connection existed are not kept everywhere.
    if (FSocket)
        FSocket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // The host says nothing until a guest has said who it is and been let in.
    if (FIsHost)
        return;
    FHelloSent = true;
    // The name goes cleaned and cut (EncodeFrame), as the peer reads it.
    Write(THello{ProtocolVersion, FOwnName, FToken});
    FHeartbeat.start();
}

void TRaceConnection::Accept(const QByteArray& Token)
{
    if (!FIsHost || !FKnocked || FOpen || FEnded || FEnding)
        return;
    FHelloSent = true;
    FSeatToken = Token;
    Write(THello{ProtocolVersion, FOwnName, Token});
    if (FEnded || FEnding)
        return;
    FOpen = true;
    Q_EMIT Opened(FPeerName);
}

void TRaceConnection::Refuse(const QString& Reason)
{
    if (!FIsHost || FOpen || FEnded)
        return;
    Write(TRefuse{Reason});
    Shut(true);
}

QString TRaceConnection::PeerAddress() const
{
    return FSocket ? FSocket->peerAddress().toString() : QString();
}

quint16 TRaceConnection::PeerPort() const
{
    return FSocket ? FSocket->peerPort() : 0;
}

quint16 TRaceConnection::LocalPort() const
{
    return FSocket ? FSocket->localPort() : 0;
}

void TRaceConnection::Send(const TMessage& Message)
{
    if (FOpen && !FEnded)
        Write(Message);
}

QString TRaceConnection::PeerOrOther() const
{
    return FPeerName.isEmpty() ? tr("The other player") : FPeerName;
}

void TRaceConnection::Write(const TMessage& Message)
{
    if (!FSocket || FEnded || FEnding)
        return;
    const QByteArray Frame = EncodeFrame(Message);
    if (Frame.isEmpty()) {
        // A message of ours out of the wire's range is a fault of this side;
        // left out quietly, the two tables would part without a word.
        FailLater(tr("Velto could not send its own move; the race has ended."));
        return;
    }
    FSocket->write(Frame);
    // Out now, not when the event loop comes round: the caller goes on to
    // paint the move, and the other player would wait for that painting.
    FSocket->flush();
    FBytesSent += Frame.size();
    // What the system could not take waits in the socket: a peer that lets
    // it pile up is not reading, and is not waited for.
    if (FSocket->bytesToWrite() > MaxUnsentBytes) {
        FailLater(tr("%1 is not reading what this side sends; the race has ended.").arg(PeerOrOther()));
        return;
    }
    // Something went out: the next heartbeat is a whole interval away.
    if (FHeartbeat.isActive())
        FHeartbeat.start();
}

void TRaceConnection::FailLater(const QString& Why)
{
    // Write runs inside the caller's Send: the connection ends from the
    // event loop, not under the caller's feet. Nothing more is written.
    FEnding = true;
    QMetaObject::invokeMethod(this, [this, Why] { Fail(Why); }, Qt::QueuedConnection);
}

void TRaceConnection::OnHeartbeat()
{
    if (!FEnded)
        Write(THeartbeat{});
}

void TRaceConnection::OnReadyRead()
{
    if (FEnded) {
        // Closing after our goodbye: whatever still comes is dropped.
        if (FSocket)
            FSocket->readAll();
        return;
    }
    const QPointer<TRaceConnection> Alive(this);
    // A piece at a time: however much the peer has sent, this side holds
    // one piece and the messages in it.
    while (Alive && !FEnded && FSocket && FSocket->bytesAvailable() > 0) {
        const std::vector<TMessage> Messages = FReader.Feed(FSocket->read(ReadChunk));
        // Only whole messages are a sign of life: bytes that never make one
        // must not keep the connection open.
        if (!Messages.empty())
            FSilence.start();
        for (const TMessage& Message : Messages) {
            Handle(Message);
            if (!Alive || FEnded)
                return;
        }
        if (FReader.Failed()) {
            Fail(tr("The other player sent something Velto cannot read (%1).").arg(FReader.Error()));
            return;
        }
    }
}

void TRaceConnection::Handle(const TMessage& Message)
{
    if (const auto* Refuse = std::get_if<TRefuse>(&Message)) {
        if (Refuse->Reason == QLatin1String(NotLetIn))
            Fail(tr("The host did not let you into the race."));
        else
            Fail(tr("The other player cannot race now: %1").arg(Refuse->Reason));
        return;
    }
    if (FKnocked && !FOpen) {
        // Waiting to be let in, a guest has nothing to say.
        if (!std::holds_alternative<THeartbeat>(Message))
            Fail(tr("The other player did not wait to be let in."));
        return;
    }
    if (!FOpen && !FIsHost && std::holds_alternative<THeartbeat>(Message)) {
        // The host has our hello and is deciding: it may take the player
        // a while, and its heartbeats show it is there.
        if (FHelloDeadline.isActive()) {
            FHelloDeadline.stop();
            Q_EMIT Heard();
        }
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
        FHelloDeadline.stop();
        FPeerName = Hello->Name.trimmed().isEmpty() ? tr("The other player") : Hello->Name.trimmed();
        FPeerToken = Hello->Token;
        if (FIsHost) {
            FKnocked = true;
            FHeartbeat.start();
            Q_EMIT Knocked(FPeerName);
            return;
        }
        FOpen = true;
        FSeatToken = Hello->Token;
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
        // Before the race listens, a few messages can come (a deal, a
        // ready); a peer that sends many more is not racing.
        if (FWaiting.size() >= MaxWaiting) {
            Fail(tr("%1 sent too many messages at once; the race has ended.").arg(FPeerName));
            return;
        }
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
            const QPointer<TRaceConnection> Alive(this);
            for (const TMessage& Message : Waiting) {
                if (!Alive || FEnded)
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
    // What the peer sent before it closed may still wait in the socket's
    // buffer (its goodbye, say): it is read first, as it came.
    OnReadyRead();
    if (FEnded)
        return;
    // Closed without a goodbye: the peer may have given up on this side as
    // well as gone, so the message blames no one.
    Fail(FOpen ? tr("The connection to %1 was lost.").arg(FPeerName)
               : tr("The connection to the other player was lost."),
         FOpen);
}

void TRaceConnection::Shut(bool Goodbye)
{
    FEnded = true;
    FOpen = false;
    FHeartbeat.stop();
    FSilence.stop();
    FHelloDeadline.stop();
    if (!FSocket)
        return;
    FSocket->flush();
    if (Goodbye && FSocket->bytesToWrite() > 0) {
        // Our own goodbye must reach the peer, also when the program ends
        // right after: a few bytes, waited for briefly without an event loop.
        FSocket->waitForBytesWritten(GoodbyeWaitMs);
    }
    // What the system cannot take now the peer is not reading: dropped with
    // the connection rather than held until it is.
    if (FSocket->bytesToWrite() > 0) {
        FSocket->abort();
        return;
    }
    if (Goodbye && FSocket->state() == QAbstractSocket::ConnectedState && FSocket->socketDescriptor() >= 0) {
        // Only our side of the line closes: a message the peer sends before
        // it has read our goodbye, arriving at a socket closed whole, would
        // be answered with a reset that throws our goodbye away on its side.
        // What comes meanwhile is read and dropped until the peer closes
        // too, or a little while has passed.
        ::shutdown(static_cast<int>(FSocket->socketDescriptor()), SHUT_WR);
        FSocket->readAll();
        const QPointer<QTcpSocket> Socket(FSocket);
        QTimer::singleShot(LingerMs, FSocket, [Socket] {
            if (Socket)
                Socket->abort();
        });
        return;
    }
    FSocket->disconnectFromHost();
}

void TRaceConnection::Fail(const QString& Why, bool Dropped)
{
    if (FEnded)
        return;
    Shut(false);
    Q_EMIT Lost(Why, Dropped);
}

void TRaceConnection::Close()
{
    if (FEnded)
        return;
    // A guest still waiting at the door is told it was not let in.
    if (FIsHost && FKnocked && !FOpen && !FEnding) {
        Refuse(QString::fromLatin1(NotLetIn));
        return;
    }
    const bool Goodbye = FOpen && !FEnding;
    if (Goodbye)
        Write(TBye{});
    Shut(Goodbye);
}

} // namespace network
