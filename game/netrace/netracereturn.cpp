#include "game/netrace/netracereturn.h"

#include "game/netrace/netracesession.h"
#include "network/raceserver.h"
#include "platform/systemclock.h"

#include <algorithm>

using namespace network;

TNetRaceReturn::TNetRaceReturn(TNetRaceSession& Session, TWhere Where, TRaceConnection::TTimings Timings, int WaitFor,
                               QObject* Parent)
    : QObject(Parent)
    , FSession(Session)
    , FWhere(std::move(Where))
    , FTimings(Timings)
    , FDeadline(platform::ElapsedMilliseconds() + WaitFor)
{
    FRetry.setInterval(RetryMs);
    connect(&FRetry, &QTimer::timeout, this, [this] { Try(); });
    FClock.setInterval(1000);
    connect(&FClock, &QTimer::timeout, this, [this] {
        const int Left = SecondsLeft();
        Q_EMIT Tick(Left);
        if (Left == 0 && !FGaveUp) {
            FGaveUp = true;
            Q_EMIT GaveUp();
        }
    });
    FRetry.start();
    FClock.start();
    // From the event loop: the session that paused is still telling its window.
    QTimer::singleShot(0, this, [this] { Try(); });
}

TNetRaceReturn::~TNetRaceReturn()
{
    // A line still being tried is not the race's: it goes with this.
    if (FTrying && !FBack)
        delete FTrying;
}

int TNetRaceReturn::SecondsLeft() const
{
    const qint64 Left = FDeadline - platform::ElapsedMilliseconds();
    return static_cast<int>(std::max<qint64>(0, (Left + 999) / 1000));
}

void TNetRaceReturn::Try()
{
    if (FBack)
        return;
    if (FWhere.IsHost) {
        // The port may still be held for a moment after the drop: listened
        // for again at the next try.
        if (!FServer) {
            FServer = std::make_unique<TRaceServer>(FWhere.OwnName, FTimings);
            FServer->AwaitReturn(FWhere.Token);
            connect(FServer.get(), &TRaceServer::Returned, this, [this](TRaceConnection* C) { Back(C); });
        }
        if (!FServer->Listening())
            FServer->Listen(FWhere.Port);
        return;
    }
    if (FTrying)
        return;
    FTrying = JoinRace(FWhere.Address, FWhere.Port, FWhere.OwnName, FTimings, this, FWhere.Token);
    TRaceConnection* Trying = FTrying;
    connect(Trying, &TRaceConnection::Opened, this, [this, Trying] { Back(Trying); });
    connect(Trying, &TRaceConnection::Lost, this, [Trying] { Trying->deleteLater(); });
}

void TNetRaceReturn::Back(TRaceConnection* Connection)
{
    if (FBack)
        return;
    FBack = true;
    FRetry.stop();
    FClock.stop();
    if (FServer)
        FServer->Stop();
    // The session takes the line; this object is done with (its owner
    // lets it go once the session says the race is back).
    FSession.Resume(Connection);
}
