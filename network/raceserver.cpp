#include "network/raceserver.h"

#include "network/hostaddresses.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>

namespace network {

bool ParseAddress(const QString& Text, QString& Host, quint16& Port)
{
    const QString T = Text.trimmed();
    QString PortText;
    if (T.startsWith(u'[')) {
        const qsizetype Close = T.indexOf(u']');
        if (Close < 0)
            return false;
        Host = T.mid(1, Close - 1);
        const QString Rest = T.mid(Close + 1);
        if (!Rest.isEmpty()) {
            if (!Rest.startsWith(u':'))
                return false;
            PortText = Rest.mid(1);
        }
    } else if (T.count(u':') == 1) {
        Host = T.section(u':', 0, 0);
        PortText = T.section(u':', 1);
    } else {
        Host = T; // a name, an IPv4 address or a bare IPv6 address
    }
    if (Host.isEmpty() || Host.contains(u' '))
        return false;
    Port = DefaultPort;
    if (!PortText.isNull()) {
        bool Ok = false;
        const uint Value = PortText.toUInt(&Ok, 10);
        if (!Ok || Value == 0 || Value > 65535)
            return false;
        Port = static_cast<quint16>(Value);
    }
    return true;
}

QStringList LocalAddresses()
{
    const QStringList All = ReachableAddresses(QNetworkInterface::allAddresses());
    return All.isEmpty() ? QStringList{QStringLiteral("127.0.0.1")} : All;
}

TRaceServer::TRaceServer(const QString& OwnName, TRaceConnection::TTimings Timings, QObject* Parent)
    : QObject(Parent)
    , FOwnName(OwnName)
    , FTimings(Timings)
{
}

TRaceServer::~TRaceServer() = default;

bool TRaceServer::Listen(quint16 Port, QString* Error)
{
    Stop();
    FServer = new QTcpServer(this);
    connect(FServer, &QTcpServer::newConnection, this, [this] { OnNewConnection(); });
    if (!FServer->listen(QHostAddress::Any, Port)) {
        if (Error)
            *Error = FServer->errorString();
        delete FServer;
        FServer = nullptr;
        return false;
    }
    FTaken = false;
    return true;
}

bool TRaceServer::Listening() const
{
    return FServer && FServer->isListening();
}

quint16 TRaceServer::Port() const
{
    return FServer ? FServer->serverPort() : 0;
}

void TRaceServer::Stop()
{
    if (FServer) {
        FServer->close();
        FServer->deleteLater();
        FServer = nullptr;
    }
}

void TRaceServer::OnNewConnection()
{
    while (FServer && FServer->hasPendingConnections()) {
        QTcpSocket* Socket = FServer->nextPendingConnection();
        if (static_cast<int>(FGreeting.size()) >= MaxGreeting) {
            // Nothing is said to it: a word would be one more thing to
            // hold for a peer that may not read it.
            Socket->abort();
            Socket->deleteLater();
            continue;
        }
        auto* Connection = new TRaceConnection(Socket, true, FOwnName, FTimings, this);
        FGreeting.push_back(Connection);
        const auto Greeted = [this, Connection] { std::erase(FGreeting, Connection); };
        connect(Connection, &TRaceConnection::Knocked, this, [this, Connection, Greeted](const QString& Name) {
            Greeted();
            if (FAwaitingReturn && !FToken.isEmpty() && Connection->PeerToken() == FToken) {
                FAwaitingReturn = false;
                FTaken = true;
                FJoined = Connection;
                Stop();
                Connection->Accept(FToken);
                Q_EMIT Returned(Connection);
                return;
            }
            if (FTaken || FAsking || FAwaitingReturn) {
                // One race at a time, one guest asked about at a time: a
                // second is told so and let go.
                Connection->Refuse(QStringLiteral("this host is already racing"));
                Connection->deleteLater();
                return;
            }
            if (!FAskFirst) {
                Admit(Connection);
                return;
            }
            FAsking = Connection;
            Q_EMIT Knocking(Connection, Name);
        });
        // One that never became the race goes once it is lost.
        connect(Connection, &TRaceConnection::Lost, this, [this, Connection, Greeted] {
            Greeted();
            if (Connection == FAsking) {
                FAsking = nullptr;
                Q_EMIT KnockWithdrawn(Connection);
            }
            if (Connection != FJoined)
                Connection->deleteLater();
        });
        connect(Connection, &QObject::destroyed, this, [this, Connection, Greeted] {
            Greeted();
            if (Connection == FAsking)
                FAsking = nullptr;
            if (Connection == FJoined)
                FJoined = nullptr;
        });
    }
}

void TRaceServer::Accept(TRaceConnection* Connection)
{
    // Only the guest being asked about, while it is still at the door: an
    // answer that comes after it left names a connection that is gone.
    if (!Connection || Connection != FAsking)
        return;
    Admit(Connection);
}

void TRaceServer::Admit(TRaceConnection* Connection)
{
    if (FTaken)
        return;
    FAsking = nullptr;
    FTaken = true;
    FJoined = Connection;
    Stop(); // nobody else can join now
    QByteArray Token(TokenSize, Qt::Uninitialized);
    QRandomGenerator::system()->generate(Token.begin(), Token.end());
    FToken = Token;
    Connection->Accept(Token);
    Q_EMIT Joined(Connection);
}

void TRaceServer::AwaitReturn(const QByteArray& Token)
{
    FToken = Token;
    FAwaitingReturn = true;
    FTaken = false;
    FJoined = nullptr;
}

void TRaceServer::Refuse(TRaceConnection* Connection)
{
    if (!Connection || Connection != FAsking)
        return;
    FAsking = nullptr;
    Connection->Refuse(QString::fromLatin1(NotLetIn));
    Connection->deleteLater();
}

TRaceConnection* JoinRace(const QString& Host, quint16 Port, const QString& OwnName,
                          TRaceConnection::TTimings Timings, QObject* Parent, const QByteArray& Token)
{
    auto* Socket = new QTcpSocket;
    auto* Connection = new TRaceConnection(Socket, false, OwnName, Timings, Parent);
    Connection->SetToken(Token);
    Socket->connectToHost(Host, Port);
    return Connection;
}

} // namespace network
