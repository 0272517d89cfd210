#include "game/netrace/racediscovery.h"

#include "game/netrace/foundracelist.h"
#include "network/raceannouncer.h"

#include <utility>

namespace {

TRaceDiscovery& Current()
{
    static TRaceDiscovery Discovery{
        [] { return std::unique_ptr<TRaceList>(std::make_unique<TFoundRaceList>()); },
        [](const QString& Name, quint16 Port) {
            return std::unique_ptr<QObject>(std::make_unique<network::TRaceAnnouncer>(Name, Port));
        },
    };
    return Discovery;
}

} // namespace

const TRaceDiscovery& RaceDiscovery()
{
    return Current();
}

TRaceDiscovery SetRaceDiscovery(TRaceDiscovery Discovery)
{
    return std::exchange(Current(), std::move(Discovery));
}
