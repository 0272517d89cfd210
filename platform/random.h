#pragma once
// The one process-wide pseudo-random generator: a 32-bit linear congruential
// generator, S := S * 134775813 + 1, whose Random(n) is the upper 32 bits of
// S * n. Shuffles and random card choices all draw from it, so a fixed seed
// reproduces a whole deal.
#include <cstdint>

namespace platform {

std::uint32_t RandSeed();
void SetRandSeed(std::uint32_t seed);

// Advances the generator and returns a number in 0..n-1 (0 when n <= 0, still advancing).
int Random(int n);

} // namespace platform
