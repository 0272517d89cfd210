#pragma once
// Asking the home router to forward a port, as a seam: the program's
// TRouterPortMapper speaks UPnP and NAT-PMP, a test's stand-in answers
// whatever the test needs. Both calls block and are made on a worker thread
// only (TPortMapping's), one at a time; each returns within a few seconds
// whatever the router does.
#include "network/portmapanswer.h"

#include <QtGlobal>

#include <functional>
#include <memory>

namespace network {

class TPortMapper {
public:
    virtual ~TPortMapper();
    // Finds the router and asks it to forward TCP Port from outside to this
    // machine; asked again, renews the forwarding.
    virtual TPortMapAnswer Map(quint16 Port) = 0;
    // Removes what Map made; nothing when it made nothing.
    virtual void Unmap() = 0;
};

// Makes the mapper for a race hosted now, or null when the router is not to
// be asked (VELTO_NO_PORT_MAPPING set to anything but 0 or empty).
using TPortMapperFactory = std::function<std::unique_ptr<TPortMapper>()>;
std::unique_ptr<TPortMapper> MakePortMapper();
// Replaces the factory (tests); returns the one it replaced. An empty
// function puts back the program's own.
TPortMapperFactory SetPortMapperFactory(TPortMapperFactory Factory);

} // namespace network
