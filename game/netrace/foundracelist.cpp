#include "game/netrace/foundracelist.h"

#include "network/racebrowser.h"

using network::TDiscoveryStatus;

TFoundRaceList::TFoundRaceList(QObject* Parent)
    : TRaceList(Parent)
    , FBrowser(new network::TRaceBrowser(this))
{
    connect(FBrowser, &network::TRaceBrowser::Changed, this, &TRaceList::Changed);
}

TFoundRaceList::~TFoundRaceList() = default;

TRaceList::TState TFoundRaceList::State() const
{
    switch (FBrowser->Status()) {
    case TDiscoveryStatus::Starting: return TState::Looking;
    case TDiscoveryStatus::Running: return TState::Ready;
    case TDiscoveryStatus::NoDaemon: return TState::NoDaemon;
    case TDiscoveryStatus::Failed: break;
    }
    return TState::Failed;
}

QString TFoundRaceList::Error() const
{
    return FBrowser->Error();
}

std::vector<TListedRace> TFoundRaceList::Races() const
{
    std::vector<TListedRace> Listed;
    for (const network::TFoundRace& Race : FBrowser->Races())
        Listed.push_back({Race.Name, network::JoinAddress(Race)});
    return Listed;
}
