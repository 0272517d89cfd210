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
    // An empty range gives 0 and still takes its step (seed 12345 steps to
    // 1655067934 and then to 1242767767).
    platform::SetRandSeed(12345);
    EXPECT_EQ(platform::Random(0), 0);
    EXPECT_EQ(platform::RandSeed(), 1655067934u);
    EXPECT_EQ(platform::Random(-3), 0);
    EXPECT_EQ(platform::RandSeed(), 1242767767u);
}

// Worked out apart from this program with the same rule.
TEST(Random, AFixedSeedGivesAKnownSequenceAgainAndAgain)
{
    const std::vector<int> known = {19, 35, 12, 44, 4, 21, 21, 35, 46, 20, 14, 20};
    for (int run = 0; run < 2; ++run) {
        platform::SetRandSeed(777);
        std::vector<int> drawn;
        for (std::size_t i = 0; i < known.size(); ++i)
            drawn.push_back(platform::Random(52));
        EXPECT_EQ(drawn, known) << "run " << run;
    }
}

// 52,000 draws from 52: every value comes up, none more than 15 % off its
// share of 1,000 (from this seed the counts lie between 908 and 1069).
TEST(Random, DrawsSpreadOverTheWholeRange)
{
    platform::SetRandSeed(2024);
    std::vector<int> counts(52);
    for (int i = 0; i < 52000; ++i) {
        const int value = platform::Random(52);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 52);
        ++counts[std::size_t(value)];
    }
    for (int value = 0; value < 52; ++value) {
        EXPECT_GE(counts[std::size_t(value)], 850) << value;
        EXPECT_LE(counts[std::size_t(value)], 1150) << value;
    }
}

} // namespace
