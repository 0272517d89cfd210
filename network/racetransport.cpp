#include "network/racetransport.h"

namespace network {

// Defined here, so the class's tables live in one place.
TRaceTransport::~TRaceTransport() = default;

} // namespace network
