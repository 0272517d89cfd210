#pragma once
// What a race needs of the line to its peer, whatever carries it: the side
// it plays, the peer's name, messages out and in, and the end. A race's
// session holds one of these, so its rules run the same over a real
// connection (TRaceConnection) and over a test's line in memory.
//
// What an implementation owes the session: messages arrive in the order the
// peer sent them, from the event loop and never inside a Send or a Deliver;
// none before Deliver and none after Close or Lost; Lost at most once, with
// a message for the player and whether the line merely dropped, and never
// for a Close of this side's own.
#include "network/racemessages.h"

#include <QObject>
#include <QString>

namespace network {

class TRaceTransport : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~TRaceTransport() override;

    virtual bool IsHost() const = 0;
    virtual const QString& PeerName() const = 0;
    // Sends a message; nothing happens once the line has ended.
    virtual void Send(const TMessage& Message) = 0;
    // Says goodbye and ends the line.
    virtual void Close() = 0;
    // The receiver listens: what has come so far is let out, then the rest
    // as it comes.
    virtual void Deliver() = 0;

Q_SIGNALS:
    // A message from the peer.
    void Received(const network::TMessage& Message);
    // The line has ended; Why is for the player. Dropped when it broke or
    // went silent (the peer may come back), not when the peer left, spoke
    // out of turn or could not be understood.
    void Lost(const QString& Why, bool Dropped = false);
};

} // namespace network
