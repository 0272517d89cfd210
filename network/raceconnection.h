#pragma once
// One end of a race between two machines: a TCP connection that says hello
// first (the protocol's version and the player's name), the guest as it
// connects and the host only once it has let the guest in, keeps itself alive
// with heartbeats while nothing else is sent, and reads the peer's bytes
// only through TFrameReader, so that nothing unchecked reaches the game.
//
// Whatever ends it (the peer leaves or closes, stops answering, speaks
// another version, sends what cannot be read, or stops reading what this
// side sends), Lost is emitted once with a message for the player, the
// socket is closed, and nothing is received after it. Never a hang: a peer
// that says nothing, or too little to make a whole message, is given up on.
//
// What a peer can make this side hold is bounded whatever it does: the
// bytes read at a time, the messages waiting for Deliver and the bytes
// waiting to be sent to it. Nothing here waits in an event loop of its own.
// A race sees it only as its TRaceTransport.
#include "network/racemessages.h"
#include "network/racetransport.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstddef>
#include <vector>

class QTcpSocket;

namespace network {

class TRaceConnection : public TRaceTransport {
    Q_OBJECT
public:
    // How often to say something when there is nothing to say, how long a
    // silent peer is waited for, and how long the hello may take from the
    // start, whatever else arrives (tests make them short).
    struct TTimings {
        int HeartbeatMs = 1000;
        int SilenceMs = 6000;
        int HelloMs = 5000;
    };
    // Bytes for the peer that it has not taken yet; a peer that lets more
    // pile up is not reading, and is dropped.
    static constexpr qint64 MaxUnsentBytes = 64 * 1024;
    // Messages waiting for Deliver; a peer that sends more before this side
    // listens is dropped.
    static constexpr std::size_t MaxWaiting = 64;
    // Bytes read from the socket at a time.
    static constexpr qint64 ReadChunk = 4096;
    // How long our goodbye may hold up the close when the system did not
    // take it at once (no event loop runs meanwhile).
    static constexpr int GoodbyeWaitMs = 200;
    // After our goodbye, how long the peer's last bytes are read and dropped
    // before the socket closes whole.
    static constexpr int LingerMs = 2000;

    // Takes Socket (connected or connecting). A guest sends its hello once
    // connected, with Token when it comes back to a race it had a seat in.
    // A host waits for the guest's hello (Knocked) and says its own only
    // at Accept; a hello of another version is answered with TRefuse before
    // the connection closes.
    TRaceConnection(QTcpSocket* Socket, bool IsHost, const QString& OwnName, TTimings Timings, QObject* Parent = nullptr);
    TRaceConnection(QTcpSocket* Socket, bool IsHost, const QString& OwnName, QObject* Parent = nullptr)
        : TRaceConnection(Socket, IsHost, OwnName, TTimings{}, Parent)
    {
    }
    ~TRaceConnection() override;
    // The token a guest's hello carries (before it connects).
    void SetToken(const QByteArray& Token) { FToken = Token; }

    bool IsHost() const override { return FIsHost; }
    // True from the peer's hello until the connection is lost.
    bool Open() const { return FOpen; }
    const QString& PeerName() const override { return FPeerName; }
    // The host: the token the guest's hello carried (empty for a new guest).
    // The guest: the seat's token the host's hello gave it.
    const QByteArray& PeerToken() const { return FPeerToken; }
    // The token of the seat this line's guest holds, once both hellos are
    // said: what the guest shows to come back after the line drops.
    const QByteArray& SeatToken() const { return FSeatToken; }
    // Where the other end is, and the port on this machine's side: where a
    // guest comes back to, and where a host listens again.
    QString PeerAddress() const;
    quint16 PeerPort() const;
    quint16 LocalPort() const;
    // The host lets the guest that knocked in, giving its seat Token: our
    // hello goes out and the connection opens.
    void Accept(const QByteArray& Token);
    // The host turns the guest that knocked away with Reason; the line
    // closes with no Lost.
    void Refuse(const QString& Reason);
    // Bytes sent so far, frames and prefixes included.
    qint64 BytesSent() const { return FBytesSent; }

    // Sends a message; nothing happens before the handshake or after the
    // loss. Our texts are cleaned and cut as the wire wants them.
    void Send(const TMessage& Message) override;
    // Says goodbye and closes; Lost is not emitted for a close of our own.
    void Close() override;
    // Messages after the hello wait here until their receiver listens: the
    // peer may send its first ones while this side is still between the
    // hello and the race that handles them. Deliver lets the waiting ones
    // out from the event loop, in order, and every later one as it comes.
    void Deliver() override;

Q_SIGNALS:
    // The host: a guest's hello has arrived in our version; it waits for
    // Accept or Refuse, kept alive by our heartbeats meanwhile.
    void Knocked(const QString& PeerName);
    // The guest: the host has our hello and its player is deciding.
    void Heard();
    // Both hellos have been said: the race can begin.
    void Opened(const QString& PeerName);
    // Received (TRaceTransport's) carries every message after the hello,
    // heartbeats excepted.

private:
    void OnConnected();
    void OnReadyRead();
    void OnDisconnected();
    void OnHeartbeat();
    void Handle(const TMessage& Message);
    void Write(const TMessage& Message);
    // Ends the line for Why; Dropped when it broke rather than ended.
    void Fail(const QString& Why, bool Dropped = false);
    void FailLater(const QString& Why);
    // Stops everything; what the system did not take is dropped with the
    // socket, after a brief wait when it holds our goodbye.
    void Shut(bool Goodbye);
    QString PeerOrOther() const;

    QPointer<QTcpSocket> FSocket;
    bool FIsHost;
    QString FOwnName;
    TTimings FTimings;
    TFrameReader FReader;
    QTimer FHeartbeat;
    QTimer FSilence;
    QTimer FHelloDeadline;
    bool FHelloSent = false;
    bool FOpen = false;
    bool FKnocked = false; // the host has the guest's hello
    QByteArray FToken;
    QByteArray FPeerToken;
    QByteArray FSeatToken;
    bool FEnded = false;
    bool FEnding = false; // Lost is on its way
    bool FDelivering = false;
    std::vector<TMessage> FWaiting;
    QString FPeerName;
    qint64 FBytesSent = 0;
};

} // namespace network
