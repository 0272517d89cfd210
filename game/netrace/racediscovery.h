#pragma once
// How the race window finds the races hosted on the local network and
// makes its own known while it waits for a guest: through the Avahi daemon
// unless a test has put a stand-in here, so that no test announces a race
// on the network of the machine it runs on.
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class TRaceList;

struct TRaceDiscovery {
    // The races on the network, followed for as long as the list lives.
    std::function<std::unique_ptr<TRaceList>()> Browse;
    // The host's race announced; withdrawn when the object goes.
    std::function<std::unique_ptr<QObject>(const QString& Name, quint16 Port)> Announce;
};

// The one in use.
const TRaceDiscovery& RaceDiscovery();
// Puts Discovery in place; returns what was there.
TRaceDiscovery SetRaceDiscovery(TRaceDiscovery Discovery);
