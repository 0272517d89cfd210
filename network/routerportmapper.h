#pragma once
// The home router asked to forward the hosting port: UPnP IGD first (the
// router answers a multicast search on the home network), and where no
// Internet Gateway Device answers, NAT-PMP to the default gateway. Each
// search is bounded (about a second each), so that a home without either
// is told so within about two seconds. A forwarding holds for a lease of
// LeaseSeconds where the router takes one (renewed by asking again), so a
// program that dies without removing it does not leave the port open for
// long.
#include "network/portmapper.h"

#include <memory>
#include <string>

namespace network {

class TRouterPortMapper : public TPortMapper {
public:
    static constexpr int SearchMs = 1000;
    static constexpr int LeaseSeconds = 2 * 60 * 60;

    TRouterPortMapper();
    ~TRouterPortMapper() override;

    TPortMapAnswer Map(quint16 Port) override;
    void Unmap() override;

private:
    struct TUpnp;
    TPortMapAnswer MapUpnp(quint16 Port, bool& Found);
    TPortMapAnswer MapNatPmp(quint16 Port);

    std::unique_ptr<TUpnp> FUpnp; // the router found by UPnP, and what it forwards
    quint16 FNatPmpPort = 0;      // forwarded by NAT-PMP (private port)
};

} // namespace network
