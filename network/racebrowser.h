#pragma once
// The races hosted on the local network, as the Avahi daemon finds them:
// every service of RaceServiceType is resolved to its address and port,
// checked (CheckFoundRace) and listed once per host (MergeFoundRaces). The
// list follows the network while the object lives: a race that is
// withdrawn, or whose host goes, leaves it.
#include "network/discoveryclient.h"
#include "network/foundrace.h"

#include <QObject>

#include <map>
#include <optional>
#include <tuple>
#include <vector>

struct AvahiServiceBrowser;
struct AvahiServiceResolver;

namespace network {

class TRaceBrowser : public QObject {
    Q_OBJECT
public:
    explicit TRaceBrowser(QObject* Parent = nullptr);
    ~TRaceBrowser() override;

    // Running once the first answers are in (the daemon's cache, or the
    // network's within about a second); NoDaemon where none runs.
    TDiscoveryStatus Status() const;
    QString Error() const;
    const std::vector<TFoundRace>& Races() const { return FRaces; }

Q_SIGNALS:
    // The list, the status or both have changed.
    void Changed();

private:
    // interface, protocol, instance name, domain
    using TKey = std::tuple<int, int, QByteArray, QByteArray>;
    struct TService {
        AvahiServiceResolver* Resolver = nullptr;
        std::optional<TFoundRace> Race; // once resolved and checked
    };

    // From the library's callbacks, with what they said as our types.
    void OnBrowse(int Event, const TKey& Key);
    void OnResolved(const TKey& Key, const std::optional<TResolvedService>& Service);
    void Browse();
    void Drop();
    void Relist();

    TDiscoveryClient FClient;
    AvahiServiceBrowser* FBrowser = nullptr;
    std::map<TKey, TService> FServices;
    std::vector<TFoundRace> FRaces;
    bool FLooked = false; // the first answers are in
    QString FError;       // the browser's own failure
};

} // namespace network
