#include "network/portmapper.h"

#include "network/routerportmapper.h"

#include <QByteArray>

namespace network {

namespace {

TPortMapperFactory& Factory()
{
    static TPortMapperFactory F;
    return F;
}

} // namespace

TPortMapper::~TPortMapper() = default;

std::unique_ptr<TPortMapper> MakePortMapper()
{
    if (Factory())
        return Factory()();
    const QByteArray Off = qgetenv("VELTO_NO_PORT_MAPPING");
    if (!Off.isEmpty() && Off != "0")
        return nullptr;
    return std::make_unique<TRouterPortMapper>();
}

TPortMapperFactory SetPortMapperFactory(TPortMapperFactory F)
{
    std::swap(Factory(), F);
    return F;
}

} // namespace network
