#include "platform/random.h"

namespace platform {

namespace {
std::uint32_t seed = 0;
}

std::uint32_t RandSeed() { return seed; }

void SetRandSeed(std::uint32_t value) { seed = value; }

int Random(int n)
{
    seed = seed * 134775813u + 1u;
    if (n <= 0)
        return 0;
    return static_cast<int>((static_cast<std::uint64_t>(seed) * static_cast<std::uint32_t>(n)) >> 32);
}

} // namespace platform
