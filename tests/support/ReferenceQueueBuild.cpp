#include "ReferenceQueueBuild.h"

#include "draw/PinnedEntry.h"
#include "draw/RandomIndex.h"

#include <algorithm>
#include <cstdint>

namespace testsupport {

namespace {
struct PoolLine {
    std::size_t origin; // line number in the pool file
    std::string text;
};
} // namespace

std::vector<std::string> referenceBuildQueue(std::vector<std::string> pool,
                                             draw::SeedSource& seeds) {
    const std::size_t n = pool.size();
    std::vector<PoolLine> lines;
    for (std::size_t i = 0; i < n; ++i) {
        lines.push_back({i, std::move(pool[i])});
    }

    std::vector<std::string> queue(n, "*");
    std::vector<bool> isFree(n, true);
    std::vector<PoolLine> placedFrom(n);

    // Walk from the last line up; a line placed later replaces the one placed there before, which
    // goes back into the pool at its own place.
    for (std::size_t walk = lines.size(); walk-- > 0;) {
        auto pinned = draw::parsePinnedEntry(lines[walk].text);
        if (!pinned) {
            continue;
        }
        lines[walk].text = pinned->entry;
        const std::int64_t k = pinned->position;
        if (k < 1 || k > static_cast<std::int64_t>(n)) {
            continue;
        }
        const std::size_t slot = static_cast<std::size_t>(k - 1);
        PoolLine taken = std::move(lines[walk]);
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(walk));
        if (!isFree[slot]) {
            PoolLine& back = placedFrom[slot];
            const auto place = std::find_if(lines.begin(), lines.end(), [&](const PoolLine& line) {
                return line.origin > back.origin;
            });
            lines.insert(place, std::move(back));
        }
        queue[slot] = taken.text;
        placedFrom[slot] = std::move(taken);
        isFree[slot] = false;
    }

    for (std::size_t slot = 0; slot < n; ++slot) {
        if (isFree[slot]) {
            const auto r = static_cast<std::size_t>(
                draw::randomIndex(seeds, static_cast<std::int32_t>(lines.size())));
            queue[slot] = std::move(lines[r].text);
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(r));
        }
    }
    return queue;
}

} // namespace testsupport
