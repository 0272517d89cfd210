#pragma once
// Hosting and joining a race. The host listens for one guest. A guest whose
// hello arrives knocks: with AskFirst the server asks its owner (Knocking)
// and waits for Accept or Refuse, one guest at a time, else it lets the
// first in at once. The one let in becomes the race, with a token of its
// own for its seat; later ones are turned away. Nothing listens until Listen is called, and the listening ends with
// Stop or with the server. Only a few connections may be waiting for their
// hello at once (each has TTimings::HelloMs for it); one more is closed at
// once, so that connecting and saying nothing cannot use the host up.
#include "network/raceconnection.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class QTcpServer;

namespace network {

constexpr quint16 DefaultPort = 47251;

// "HOST", "HOST:PORT", "[IPv6]" or "[IPv6]:PORT" (a bare IPv6 address has no
// port). False for an empty host or a port that is not 1..65535.
bool ParseAddress(const QString& Text, QString& Host, quint16& Port);

// The machine's own addresses a guest can reach it by (not the loopback),
// IPv4 first; the loopback alone when there is no other.
QStringList LocalAddresses();

class TRaceServer : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxGreeting = 8;

    TRaceServer(const QString& OwnName, TRaceConnection::TTimings Timings, QObject* Parent = nullptr);
    explicit TRaceServer(const QString& OwnName, QObject* Parent = nullptr)
        : TRaceServer(OwnName, TRaceConnection::TTimings{}, Parent)
    {
    }
    ~TRaceServer() override;

    // Listens on every address at Port (0: any free port). False with the
    // reason in Error when the port cannot be had.
    bool Listen(quint16 Port, QString* Error = nullptr);
    bool Listening() const;
    quint16 Port() const;
    void Stop();
    // Connections accepted whose hello has not arrived yet.
    int Greeting() const { return static_cast<int>(FGreeting.size()); }

    // Knocks wait for the owner's answer instead of being let in at once.
    void SetAskFirst(bool Ask) { FAskFirst = Ask; }
    // The owner's answer to Knocking: the guest takes the seat (Joined
    // follows), or is told it was not let in.
    void Accept(network::TRaceConnection* Connection);
    void Refuse(network::TRaceConnection* Connection);
    // The seat's token given to the guest let in.
    const QByteArray& Token() const { return FToken; }
    // The race's line has dropped: listening again (Listen), the server
    // takes back only the guest whose hello carries the seat's token
    // (Returned), at once and unasked; anyone else is turned away.
    void AwaitReturn(const QByteArray& Token);

Q_SIGNALS:
    // A guest has said who it is and waits at the door (AskFirst only).
    void Knocking(network::TRaceConnection* Connection, const QString& Name);
    // The guest that was knocking has gone before an answer.
    void KnockWithdrawn(network::TRaceConnection* Connection);
    // The guest whose line dropped is back (AwaitReturn).
    void Returned(network::TRaceConnection* Connection);
    // The guest's hello has arrived; the connection is the caller's now
    // (reparent it or leave it to the server).
    void Joined(network::TRaceConnection* Connection);

private:
    void OnNewConnection();
    // The guest takes the seat, with a token of its own.
    void Admit(TRaceConnection* Connection);

    QString FOwnName;
    TRaceConnection::TTimings FTimings;
    QTcpServer* FServer = nullptr;
    bool FTaken = false;
    bool FAskFirst = false;
    bool FAwaitingReturn = false;
    TRaceConnection* FJoined = nullptr;
    TRaceConnection* FAsking = nullptr;
    QByteArray FToken;
    std::vector<TRaceConnection*> FGreeting;
};

// Starts joining Host at Port; the connection's Opened or Lost tells how it
// went. Token, when given, is the seat's of a race this guest comes back to.
TRaceConnection* JoinRace(const QString& Host, quint16 Port, const QString& OwnName,
                          TRaceConnection::TTimings Timings, QObject* Parent = nullptr,
                          const QByteArray& Token = QByteArray());

} // namespace network
