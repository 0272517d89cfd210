#include "platform/random.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Worked out by hand from S := S * 134775813 + 1 (mod 2^32) and
// Random(n) = (S * n) >> 32:
//   seed 0:   S1 = 1            Random(10) = 0
//             S2 = 134775814    Random(100) = (134775814 * 100) >> 32 = 3
//             S3 = 134775814 * 134775813 + 1 = 18164519904586783
//                  mod 2^32 = 3698175007
//                              Random(52) = 192305100364 >> 32 = 44
//   seed 12345: S1 = 12345 * 134775813 + 1 = 1663807411486
//                  mod 2^32 = 1655067934
//             Random(1000) = 1655067934000 >> 32 = 385
TEST(Random, FirstValuesForKnownSeeds)
{
    platform::SetRandSeed(0);
    EXPECT_EQ(platform::Random(10), 0);
    EXPECT_EQ(platform::RandSeed(), 1u);
    EXPECT_EQ(platform::Random(100), 3);
    EXPECT_EQ(platform::RandSeed(), 134775814u);
    EXPECT_EQ(platform::Random(52), 44);
    EXPECT_EQ(platform::RandSeed(), 3698175007u);

    platform::SetRandSeed(12345);
    EXPECT_EQ(platform::Random(1000), 385);
    EXPECT_EQ(platform::RandSeed(), 1655067934u);
}

TEST(Random, StaysInRangeAndAdvancesForEmptyRanges)
{
    platform::SetRandSeed(0xDEADBEEF);
    for (int n : {1, 2, 3, 7, 52, 104, 1000, 2147483647}) {
        for (int i = 0; i < 200; ++i) {
            const int value = platform::Random(n);
            ASSERT_GE(value, 0);
            ASSERT_LT(value, n);
        }
    }
    const std::uint32_t before = platform::RandSeed();
    EXPECT_EQ(platform::Random(0), 0);
    EXPECT_EQ(platform::Random(-3), 0);
    EXPECT_EQ(platform::RandSeed(), (before * 134775813u + 1u) * 134775813u + 1u);
}

TEST(Random, AFixedSeedRepeatsTheSequence)
{
    platform::SetRandSeed(777);
    std::vector<int> first;
    for (int i = 0; i < 50; ++i)
        first.push_back(platform::Random(52));
    platform::SetRandSeed(777);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(platform::Random(52), first[std::size_t(i)]);
}

} // namespace
