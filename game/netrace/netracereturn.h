#pragma once
// Bringing a race back after its line dropped. The guest calls the host
// again, every RetryMs, at the address and port it had joined, showing its
// seat's token; the host listens again on its port for that guest alone
// (anyone else is turned away). The first line that opens goes to the
// session, which takes the race up where it stood. Each second the time
// left is told (Tick); once it has run out the player left is asked what
// to do (GaveUp), and the tries go on until this object goes.
#include "network/raceconnection.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class TNetRaceSession;

namespace network {
class TRaceServer;
}

class TNetRaceReturn : public QObject {
    Q_OBJECT
public:
    // Where the race's line ran, from this side.
    struct TWhere {
        bool IsHost = false;
        QString Address;   // the guest: the host's address
        quint16 Port = 0;  // the guest: the host's port; the host: its own
        QByteArray Token;  // the seat's
        QString OwnName;
    };
    static constexpr int WaitMs = 60000;
    static constexpr int RetryMs = 1000;

    TNetRaceReturn(TNetRaceSession& Session, TWhere Where, network::TRaceConnection::TTimings Timings,
                   int WaitFor = WaitMs, QObject* Parent = nullptr);
    ~TNetRaceReturn() override;

    int SecondsLeft() const;

Q_SIGNALS:
    void Tick(int SecondsLeft);
    void GaveUp();

private:
    void Try();
    void Back(network::TRaceConnection* Connection);

    TNetRaceSession& FSession;
    TWhere FWhere;
    network::TRaceConnection::TTimings FTimings;
    std::unique_ptr<network::TRaceServer> FServer;
    QPointer<network::TRaceConnection> FTrying;
    QTimer FRetry;
    QTimer FClock;
    qint64 FDeadline = 0;
    bool FGaveUp = false;
    bool FBack = false;
};
