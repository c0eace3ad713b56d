#include "draw/RandomIndex.h"
#include "tests/support/CounterSeedSource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using testsupport::CounterSeedSource;

std::vector<std::int32_t> picks(std::uint32_t start, std::int32_t count, int howMany) {
    CounterSeedSource seeds(start);
    std::vector<std::int32_t> result;
    for (int i = 0; i < howMany; ++i) {
        result.push_back(draw::randomIndex(seeds, count));
    }
    return result;
}

// Expected values worked out by hand from seed * 134775813 + 1 mod 2^32 and the high half of
// seed * count.
TEST(RandomIndex, FollowsTheFormulaForACounterSequence) {
    EXPECT_EQ(picks(0, 10, 12), (std::vector<std::int32_t>{0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3}));
    EXPECT_EQ(picks(123456789, 7, 7), (std::vector<std::int32_t>{3, 4, 4, 4, 4, 4, 5}));
    EXPECT_EQ(picks(0xFFFFFFFFu, 10, 1), std::vector<std::int32_t>{9});
    EXPECT_EQ(picks(0x80000000u, 10, 1), std::vector<std::int32_t>{5});
}

TEST(RandomIndex, KeepsAll64BitsOfTheProductForLargeCounts) {
    EXPECT_EQ(picks(1, 2147483647, 1), std::vector<std::int32_t>{67387906});
    EXPECT_EQ(picks(0xFFFFFFFFu, 2147483647, 1), std::vector<std::int32_t>{2080095741});
}

TEST(RandomIndex, IsZeroForCountsOfOneOrLess) {
    EXPECT_EQ(picks(0xFFFFFFFFu, 1, 3), (std::vector<std::int32_t>{0, 0, 0}));
    EXPECT_EQ(picks(0xFFFFFFFFu, 0, 2), (std::vector<std::int32_t>{0, 0}));
    EXPECT_EQ(picks(0xFFFFFFFFu, -5, 1), std::vector<std::int32_t>{0});
}

TEST(RandomIndex, StaysBelowTheCountForEverySeedPattern) {
    for (std::uint32_t seed : {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFEu, 0xFFFFFFFFu}) {
        for (std::int32_t count : {1, 2, 3, 10, 4096, 1000000, 2147483647}) {
            CounterSeedSource seeds(seed);
            const std::int32_t index = draw::randomIndex(seeds, count);
            EXPECT_GE(index, 0);
            EXPECT_LT(index, count);
        }
    }
}

} // namespace
