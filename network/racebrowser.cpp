#include "network/racebrowser.h"

#include <QTimer>

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-common/address.h>
#include <avahi-common/error.h>

#include <net/if.h>

namespace network {

namespace {

TResolvedService Described(int Interface, const char* Name, const AvahiAddress* Address, uint16_t Port,
                           AvahiStringList* Txt)
{
    TResolvedService S;
    S.Name = QByteArray(Name ? Name : "");
    char Text[AVAHI_ADDRESS_STR_MAX] = {};
    if (Address && avahi_address_snprint(Text, sizeof Text, Address))
        S.Address = QByteArray(Text);
    char Scope[IF_NAMESIZE] = {};
    if (Address && Address->proto == AVAHI_PROTO_INET6 && Interface >= 0
        && if_indextoname(static_cast<unsigned>(Interface), Scope))
        S.Scope = QByteArray(Scope);
    S.Port = Port;
    for (AvahiStringList* Item = Txt; Item; Item = avahi_string_list_get_next(Item))
        S.Txt << QByteArray(reinterpret_cast<const char*>(avahi_string_list_get_text(Item)),
                            static_cast<qsizetype>(avahi_string_list_get_size(Item)));
    return S;
}

} // namespace

TRaceBrowser::TRaceBrowser(QObject* Parent)
    : QObject(Parent)
    , FClient(this)
{
    connect(&FClient, &TDiscoveryClient::Dropping, this, [this] { Drop(); });
    connect(&FClient, &TDiscoveryClient::StatusChanged, this, [this] {
        if (FClient.Client())
            Browse();
        Q_EMIT Changed();
    });
    if (FClient.Client())
        Browse();
}

TRaceBrowser::~TRaceBrowser()
{
    Drop();
}

TDiscoveryStatus TRaceBrowser::Status() const
{
    if (!FError.isEmpty())
        return TDiscoveryStatus::Failed;
    const TDiscoveryStatus Client = FClient.Status();
    if (Client == TDiscoveryStatus::Running && !FLooked)
        return TDiscoveryStatus::Starting;
    return Client;
}

QString TRaceBrowser::Error() const
{
    return FError.isEmpty() ? FClient.Error() : FError;
}

void TRaceBrowser::Browse()
{
    AvahiClient* Client = FClient.Client();
    if (FBrowser || !FError.isEmpty() || !Client)
        return;
    FBrowser = avahi_service_browser_new(
        Client, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, RaceServiceType, nullptr, AvahiLookupFlags(0),
        [](AvahiServiceBrowser*, AvahiIfIndex Interface, AvahiProtocol Protocol, AvahiBrowserEvent Event,
           const char* Name, const char*, const char* Domain, AvahiLookupResultFlags, void* Self) {
            static_cast<TRaceBrowser*>(Self)->OnBrowse(
                Event, TKey{Interface, Protocol, QByteArray(Name ? Name : ""), QByteArray(Domain ? Domain : "")});
        },
        this);
    if (!FBrowser) {
        FError = AvahiErrorText(avahi_client_errno(Client));
        Q_EMIT Changed();
    }
}

void TRaceBrowser::OnBrowse(int Event, const TKey& Key)
{
    switch (Event) {
    case AVAHI_BROWSER_NEW: {
        if (FServices.count(Key))
            return;
        TService& Service = FServices[Key];
        const auto& [KeyInterface, KeyProtocol, KeyName, KeyDomain] = Key;
        // Each family on its own: the row then shows the IPv4 address
        // wherever the host has one.
        Service.Resolver = avahi_service_resolver_new(
            FClient.Client(), KeyInterface, KeyProtocol, KeyName.constData(), RaceServiceType, KeyDomain.constData(),
            KeyProtocol, AvahiLookupFlags(0),
            [](AvahiServiceResolver*, AvahiIfIndex Interface, AvahiProtocol Protocol, AvahiResolverEvent Resolved,
               const char* Name, const char*, const char* Domain, const char*, const AvahiAddress* Address,
               uint16_t Port, AvahiStringList* Txt, AvahiLookupResultFlags, void* Self) {
                const TKey Of{Interface, Protocol, QByteArray(Name ? Name : ""), QByteArray(Domain ? Domain : "")};
                static_cast<TRaceBrowser*>(Self)->OnResolved(
                    Of, Resolved == AVAHI_RESOLVER_FOUND
                            ? std::optional<TResolvedService>(Described(Interface, Name, Address, Port, Txt))
                            : std::nullopt);
            },
            this);
        return;
    }
    case AVAHI_BROWSER_REMOVE:
        if (const auto It = FServices.find(Key); It != FServices.end()) {
            if (It->second.Resolver)
                avahi_service_resolver_free(It->second.Resolver);
            FServices.erase(It);
            Relist();
        }
        return;
    case AVAHI_BROWSER_ALL_FOR_NOW:
    case AVAHI_BROWSER_CACHE_EXHAUSTED:
        if (!FLooked) {
            FLooked = true;
            Q_EMIT Changed();
        }
        return;
    case AVAHI_BROWSER_FAILURE:
    default:
        FError = AvahiErrorText(avahi_client_errno(FClient.Client()));
        // Not freed from its own callback: from the event loop.
        QTimer::singleShot(0, this, [this] { Drop(); });
        Q_EMIT Changed();
        return;
    }
}

void TRaceBrowser::OnResolved(const TKey& Key, const std::optional<TResolvedService>& Service)
{
    const auto It = FServices.find(Key);
    if (It == FServices.end())
        return;
    // A service that fails the checks is not listed; its resolver keeps
    // watching it, and a changed record may still list it. One that cannot
    // be resolved (its host does not answer) is let go until it is
    // announced anew.
    It->second.Race = Service ? CheckFoundRace(*Service) : std::nullopt;
    if (!Service && It->second.Resolver) {
        avahi_service_resolver_free(It->second.Resolver);
        It->second.Resolver = nullptr;
    }
    Relist();
}

void TRaceBrowser::Relist()
{
    std::vector<TFoundRace> Seen;
    for (const auto& [Key, Service] : FServices)
        if (Service.Race)
            Seen.push_back(*Service.Race);
    std::vector<TFoundRace> Races = MergeFoundRaces(Seen);
    if (Races == FRaces)
        return;
    FRaces = std::move(Races);
    Q_EMIT Changed();
}

void TRaceBrowser::Drop()
{
    for (auto& [Key, Service] : FServices)
        if (Service.Resolver)
            avahi_service_resolver_free(Service.Resolver);
    FServices.clear();
    if (FBrowser)
        avahi_service_browser_free(FBrowser);
    FBrowser = nullptr;
    FLooked = false;
    Relist();
}

} // namespace network
