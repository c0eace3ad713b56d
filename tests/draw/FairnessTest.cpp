#include "draw/EntropySeedSource.h"
#include "draw/QueueBuilder.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

// 100 000 new events of a 10-entry pool with the program's own seed source: every entry must
// land on every position equally often. Each entry's row is a chi-square test with 9 degrees of
// freedom; the limit 33.72 is its 0.0001 point, so the ten rows together fail a fair source in
// at most one run in a thousand.
TEST(Fairness, EveryEntryLandsOnEveryPositionEquallyOften) {
    constexpr int entries = 10;
    constexpr int builds = 100000;
    std::vector<std::string> pool;
    for (int i = 0; i < entries; ++i) {
        pool.push_back(std::to_string(i));
    }
    std::array<std::array<int, entries>, entries> landed{};
    draw::EntropySeedSource seeds;
    for (int build = 0; build < builds; ++build) {
        const auto queue = draw::buildQueue(pool, seeds);
        for (int position = 0; position < entries; ++position) {
            ++landed[static_cast<std::size_t>(std::stoi(queue[static_cast<std::size_t>(position)]))]
                    [static_cast<std::size_t>(position)];
        }
    }
    const double expected = static_cast<double>(builds) / entries;
    for (int entry = 0; entry < entries; ++entry) {
        double chiSquare = 0;
        for (const int count : landed[static_cast<std::size_t>(entry)]) {
            chiSquare += (count - expected) * (count - expected) / expected;
        }
        EXPECT_LT(chiSquare, 33.72) << "entry " << entry;
    }
}

} // namespace
