#pragma once
// A line between two race sessions in memory: what one end sends reaches
// the other from the event loop, in order, never inside the Send, after an
// optional delay. It keeps the promises a real connection makes to a race
// (nothing before Deliver, nothing after Close or Lost, Lost once, a
// goodbye that reaches the peer as "... left the race."), so the session's
// rules are tested without sockets, and a test can speak past a session
// with the end's own Send, as a peer of another make would.
#include "network/racetransport.h"

#include <QPointer>
#include <QTimer>

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace fakerace {

class TFakeRaceTransport final : public network::TRaceTransport {
    Q_OBJECT
public:
    TFakeRaceTransport(bool IsHost, const QString& OwnName, const QString& PeerName, int DelayMs)
        : FIsHost(IsHost)
        , FOwnName(OwnName)
        , FPeerName(PeerName)
        , FDelayMs(DelayMs)
    {
    }
    // An end that goes without a word (its program ended) is lost to the peer.
    ~TFakeRaceTransport() override
    {
        if (!FEnded && FPeer)
            FPeer->Carry({std::nullopt, QStringLiteral("The connection to %1 was lost.").arg(FOwnName)});
    }

    // Two ends joined to each other; the sessions that take them own them.
    static std::pair<TFakeRaceTransport*, TFakeRaceTransport*> Line(const QString& HostName, const QString& GuestName,
                                                                    int DelayMs = 0)
    {
        auto* Host = new TFakeRaceTransport(true, HostName, GuestName, DelayMs);
        auto* Guest = new TFakeRaceTransport(false, GuestName, HostName, DelayMs);
        Host->FPeer = Guest;
        Guest->FPeer = Host;
        return {Host, Guest};
    }

    bool IsHost() const override { return FIsHost; }
    const QString& PeerName() const override { return FPeerName; }
    void Send(const network::TMessage& Message) override
    {
        if (FEnded)
            return;
        FSent.push_back(Message);
        if (FPeer)
            FPeer->Carry({Message, QString()});
        if (OnSent)
            OnSent(Message);
    }
    // Runs after each message this end sends (a test may drop the line there).
    std::function<void(const network::TMessage&)> OnSent;

    // The line between the two ends drops, as a cable pulled out would drop
    // it: what is on its way is lost, nothing sent later arrives, and each
    // end learns of it from the event loop as a line that dropped.
    static void Drop(TFakeRaceTransport* A, TFakeRaceTransport* B, const QString& Why)
    {
        for (TFakeRaceTransport* End : {A, B}) {
            if (!End || End->FEnded)
                continue;
            End->FPeer = nullptr;
            End->FInFlight.clear();
            End->FArrived.push_back({std::nullopt, Why, true});
            QTimer::singleShot(0, End, [End] { End->Drain(); });
        }
    }
    void Close() override
    {
        if (FEnded)
            return;
        FEnded = true;
        FClosed = true;
        if (FPeer)
            FPeer->Carry({std::nullopt, QStringLiteral("%1 left the race.").arg(FOwnName)});
    }
    void Deliver() override
    {
        if (FListening)
            return;
        FListening = true;
        QTimer::singleShot(0, this, [this] { Drain(); });
    }

    // The line breaks here, as a silent peer's timeout would break it.
    void Cut(const QString& Why) { Carry({std::nullopt, Why}); }

    // Everything this end's session sent, in order (the goodbye is not a message).
    const std::vector<network::TMessage>& Sent() const { return FSent; }
    // This side said goodbye.
    bool Closed() const { return FClosed; }
    bool Ended() const { return FEnded; }
    // Nothing on its way to this end or waiting in it for a listener.
    bool Quiet() const { return FInFlight.empty() && (FArrived.empty() || !FListening || FEnded); }

private:
    // A message, or the line's end with the player's message.
    struct TItem {
        std::optional<network::TMessage> Message;
        QString Lost;
        bool Dropped = false;
    };

    void Carry(TItem Item)
    {
        if (FEnded)
            return;
        FInFlight.push_back(std::move(Item));
        // Whichever timer fires takes the oldest item, so equal delays keep
        // the order whatever order the timers fire in.
        QTimer::singleShot(FDelayMs, Qt::PreciseTimer, this, [this] {
            if (FInFlight.empty())
                return;
            FArrived.push_back(std::move(FInFlight.front()));
            FInFlight.pop_front();
            Drain();
        });
    }

    // From the event loop only: a receiver that sends, closes or deletes
    // this end while it is being told something never finds itself inside
    // another delivery.
    void Drain()
    {
        if (FDraining)
            return;
        FDraining = true;
        const QPointer<TFakeRaceTransport> Alive(this);
        while (FListening && !FEnded && !FArrived.empty()) {
            TItem Item = std::move(FArrived.front());
            FArrived.pop_front();
            if (!Item.Message) {
                FEnded = true;
                Q_EMIT Lost(Item.Lost, Item.Dropped);
            } else {
                Q_EMIT Received(*Item.Message);
            }
            if (!Alive)
                return;
        }
        FDraining = false;
    }

    bool FIsHost;
    QString FOwnName;
    QString FPeerName;
    int FDelayMs;
    QPointer<TFakeRaceTransport> FPeer;
    std::deque<TItem> FInFlight;
    std::deque<TItem> FArrived;
    std::vector<network::TMessage> FSent;
    bool FListening = false;
    bool FDraining = false;
    bool FEnded = false;
    bool FClosed = false;
};

} // namespace fakerace
