#include "QueueBuilder.h"

#include "OrderStatistics.h"
#include "PinnedEntry.h"
#include "RandomIndex.h"

#include <cstdint>

namespace draw {

namespace {
constexpr std::size_t noLine = static_cast<std::size_t>(-1);
}

std::vector<std::string> buildQueue(std::vector<std::string> pool, SeedSource& seeds) {
    const std::size_t n = pool.size();

    // Walking upwards, a later (higher) line naming a position replaces an earlier one.
    std::vector<std::size_t> pinnedLine(n, noLine);
    for (std::size_t i = n; i-- > 0;) {
        if (auto pinned = parsePinnedEntry(pool[i])) {
            if (pinned->position >= 1 && static_cast<std::size_t>(pinned->position) <= n) {
                pinnedLine[static_cast<std::size_t>(pinned->position) - 1] = i;
            }
            pool[i] = std::move(pinned->entry);
        }
    }

    std::vector<std::string> queue(n);
    std::vector<bool> placed(n, false);
    for (std::size_t position = 0; position < n; ++position) {
        if (pinnedLine[position] != noLine) {
            queue[position] = std::move(pool[pinnedLine[position]]);
            placed[pinnedLine[position]] = true;
        }
    }

    std::vector<std::size_t> left;
    left.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (!placed[i]) {
            left.push_back(i);
        }
    }

    OrderStatistics order(left.size());
    for (std::size_t position = 0; position < n; ++position) {
        if (pinnedLine[position] == noLine) {
            const auto r = randomIndex(seeds, static_cast<std::int32_t>(order.remaining()));
            queue[position] = std::move(pool[left[order.takeNth(static_cast<std::size_t>(r))]]);
        }
    }
    return queue;
}

} // namespace draw
