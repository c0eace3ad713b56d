// How evenly the queue building deals a 10-entry pool, fed by the operating system's entropy and,
// for comparison, by a counter read before every pick. Prints the largest chi-square of the ten
// entries' rows (9 degrees of freedom; 27.88 is the 0.001 point) and the most frequent
// position of the first entry.
#include "draw/EntropySeedSource.h"
#include "draw/QueueBuilder.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

class ClockSeedSource final : public draw::SeedSource {
public:
    std::uint32_t nextSeed() override {
        return static_cast<std::uint32_t>(
            std::chrono::steady_clock::now().time_since_epoch().count());
    }
};

void report(const char* name, draw::SeedSource& seeds, int builds) {
    constexpr std::size_t entries = 10;
    std::vector<std::string> pool;
    for (std::size_t i = 0; i < entries; ++i) {
        pool.push_back(std::to_string(i));
    }
    std::array<std::array<int, entries>, entries> landed{};
    for (int build = 0; build < builds; ++build) {
        const auto queue = draw::buildQueue(pool, seeds);
        for (std::size_t position = 0; position < entries; ++position) {
            ++landed[static_cast<std::size_t>(std::stoi(queue[position]))][position];
        }
    }
    const double expected = static_cast<double>(builds) / entries;
    double worst = 0;
    for (const auto& row : landed) {
        double chiSquare = 0;
        for (const int count : row) {
            chiSquare += (count - expected) * (count - expected) / expected;
        }
        worst = std::max(worst, chiSquare);
    }
    const int top = *std::max_element(landed[0].begin(), landed[0].end());
    std::printf(
        "%-8s builds %d  largest chi-square %.1f  first entry's most frequent position %.1f %%\n",
        name, builds, worst, 100.0 * top / builds);
}

} // namespace

int main() {
    draw::EntropySeedSource entropy;
    ClockSeedSource clock;
    report("entropy", entropy, 200000);
    report("clock", clock, 200000);
}
