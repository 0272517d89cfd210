#include "network/routerportmapper.h"

#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <miniupnpc/upnperrors.h>
// The library has the text of its errors, declared only when asked for.
#define ENABLE_STRNATPMPERR
#include <natpmp.h>

#include <arpa/inet.h>
#include <sys/select.h>

#include <chrono>
#include <cstring>

namespace network {

namespace {

// Names the program in the router's list of forwardings.
constexpr const char* Description = "Velto race";

using TClock = std::chrono::steady_clock;

std::string UpnpError(int Code)
{
    const char* Text = strupnperror(Code);
    return std::string(Text ? Text : "error") + " (" + std::to_string(Code) + ")";
}

// One NAT-PMP request's answer, waited for no longer than Deadline: the
// library's own retries would go on for a minute.
int NatPmpAnswer(natpmp_t& N, natpmpresp_t& Response, TClock::time_point Deadline)
{
    for (;;) {
        const int R = readnatpmpresponseorretry(&N, &Response);
        if (R != NATPMP_TRYAGAIN)
            return R;
        const auto Left = std::chrono::duration_cast<std::chrono::microseconds>(Deadline - TClock::now());
        if (Left.count() <= 0)
            return NATPMP_ERR_NOGATEWAYSUPPORT;
        timeval Retry{};
        getnatpmprequesttimeout(&N, &Retry);
        const long long RetryUs = static_cast<long long>(Retry.tv_sec) * 1000000 + Retry.tv_usec;
        const long long WaitUs = std::max(0LL, std::min<long long>(RetryUs, Left.count()));
        timeval Wait{static_cast<time_t>(WaitUs / 1000000), static_cast<suseconds_t>(WaitUs % 1000000)};
        fd_set Fds;
        FD_ZERO(&Fds);
        FD_SET(N.s, &Fds);
        select(N.s + 1, &Fds, nullptr, nullptr, &Wait);
    }
}

} // namespace

struct TRouterPortMapper::TUpnp {
    UPNPUrls Urls{};
    IGDdatas Data{};
    char LanAddress[64] = {};
    quint16 Mapped = 0; // the public port forwarded, 0 when none
    ~TUpnp() { FreeUPNPUrls(&Urls); }
};

TRouterPortMapper::TRouterPortMapper() = default;

TRouterPortMapper::~TRouterPortMapper()
{
    Unmap();
}

TPortMapAnswer TRouterPortMapper::Map(quint16 Port)
{
    bool Found = false;
    TPortMapAnswer Answer = MapUpnp(Port, Found);
    if (Found)
        return Answer;
    return MapNatPmp(Port);
}

TPortMapAnswer TRouterPortMapper::MapUpnp(quint16 Port, bool& Found)
{
    TPortMapAnswer Answer;
    Answer.Via = "UPnP";
    if (!FUpnp) {
        int Error = 0;
        // One search, for the gateway device of version 1, which gateways
        // of a later version answer too: the library's usual list searches
        // four kinds one after the other, a full wait each when none answers.
        static const char* const Types[] = {"urn:schemas-upnp-org:device:InternetGatewayDevice:1", nullptr};
        UPNPDev* Devices = upnpDiscoverDevices(Types, SearchMs, nullptr, nullptr, UPNP_LOCAL_PORT_ANY, 0, 2, &Error, 0);
        if (!Devices)
            return Answer;
        auto Upnp = std::make_unique<TUpnp>();
        const int Igd = UPNP_GetValidIGD(Devices, &Upnp->Urls, &Upnp->Data, Upnp->LanAddress,
                                         sizeof Upnp->LanAddress);
        freeUPNPDevlist(Devices);
        // 1: a gateway connected to the internet; 2: one that is not, whose
        // refusal says so better than silence would; 3: some other device.
        if (Igd != 1 && Igd != 2)
            return Answer;
        FUpnp = std::move(Upnp);
    }
    Found = true;
    const char* Control = FUpnp->Urls.controlURL;
    const char* Service = FUpnp->Data.first.servicetype;
    char External[40] = {};
    if (const int R = UPNP_GetExternalIPAddress(Control, Service, External); R != UPNPCOMMAND_SUCCESS) {
        Answer.Kind = TPortMapAnswer::TKind::Refused;
        Answer.Reason = "no outside address: " + UpnpError(R);
        return Answer;
    }
    External[sizeof External - 1] = '\0';
    const std::string PortText = std::to_string(Port);
    std::string Lease = std::to_string(LeaseSeconds);
    int R = UPNP_AddPortMapping(Control, Service, PortText.c_str(), PortText.c_str(), FUpnp->LanAddress,
                                Description, "TCP", nullptr, Lease.c_str());
    if (R == 725) { // OnlyPermanentLeasesSupported: removed at the end all the same
        Lease = "0";
        R = UPNP_AddPortMapping(Control, Service, PortText.c_str(), PortText.c_str(), FUpnp->LanAddress,
                                Description, "TCP", nullptr, Lease.c_str());
    }
    if (R != UPNPCOMMAND_SUCCESS) {
        Answer.Kind = TPortMapAnswer::TKind::Refused;
        Answer.Reason = UpnpError(R);
        return Answer;
    }
    FUpnp->Mapped = Port;
    Answer.Kind = TPortMapAnswer::TKind::Mapped;
    Answer.PublicAddress = External;
    Answer.PublicPort = Port;
    Answer.LeaseSeconds = std::stoi(Lease);
    return Answer;
}

TPortMapAnswer TRouterPortMapper::MapNatPmp(quint16 Port)
{
    TPortMapAnswer Answer;
    Answer.Via = "NAT-PMP";
    natpmp_t N{};
    if (initnatpmp(&N, 0, 0) < 0)
        return Answer; // no default gateway to ask
    const TClock::time_point Deadline = TClock::now() + std::chrono::milliseconds(SearchMs);
    natpmpresp_t Response{};
    int R = sendpublicaddressrequest(&N);
    if (R >= 0)
        R = NatPmpAnswer(N, Response, Deadline);
    if (R < 0 || Response.type != NATPMP_RESPTYPE_PUBLICADDRESS) {
        closenatpmp(&N);
        // A gateway that answered with an error speaks NAT-PMP and refused.
        if (R <= NATPMP_ERR_UNDEFINEDERROR && R >= NATPMP_ERR_OUTOFRESOURCES) {
            Answer.Kind = TPortMapAnswer::TKind::Refused;
            Answer.Reason = strnatpmperr(R);
        }
        return Answer;
    }
    char External[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &Response.pnu.publicaddress.addr, External, sizeof External);
    R = sendnewportmappingrequest(&N, NATPMP_PROTOCOL_TCP, Port, Port, LeaseSeconds);
    if (R >= 0)
        R = NatPmpAnswer(N, Response, TClock::now() + std::chrono::milliseconds(SearchMs));
    closenatpmp(&N);
    Answer.Kind = TPortMapAnswer::TKind::Refused;
    if (R < 0) {
        Answer.Reason = strnatpmperr(R);
        return Answer;
    }
    if (Response.type != NATPMP_RESPTYPE_TCPPORTMAPPING || Response.pnu.newportmapping.privateport != Port) {
        Answer.Reason = "an answer to another request";
        return Answer;
    }
    FNatPmpPort = Port;
    Answer.Kind = TPortMapAnswer::TKind::Mapped;
    Answer.PublicAddress = External;
    Answer.PublicPort = Response.pnu.newportmapping.mappedpublicport;
    Answer.LeaseSeconds = static_cast<int>(std::min<uint32_t>(Response.pnu.newportmapping.lifetime, LeaseSeconds));
    return Answer;
}

void TRouterPortMapper::Unmap()
{
    if (FUpnp && FUpnp->Mapped) {
        const std::string PortText = std::to_string(FUpnp->Mapped);
        UPNP_DeletePortMapping(FUpnp->Urls.controlURL, FUpnp->Data.first.servicetype, PortText.c_str(), "TCP",
                               nullptr);
        FUpnp->Mapped = 0;
    }
    if (FNatPmpPort) {
        // A lifetime of 0 removes the forwarding (the public port must be 0 too).
        natpmp_t N{};
        if (initnatpmp(&N, 0, 0) >= 0) {
            natpmpresp_t Response{};
            if (sendnewportmappingrequest(&N, NATPMP_PROTOCOL_TCP, FNatPmpPort, 0, 0) >= 0)
                NatPmpAnswer(N, Response, TClock::now() + std::chrono::milliseconds(SearchMs));
            closenatpmp(&N);
        }
        FNatPmpPort = 0;
    }
}

} // namespace network
