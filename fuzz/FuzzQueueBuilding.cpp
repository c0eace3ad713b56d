// Building a queue from any pool: either the conversion failure, or a permutation of the pool's
// entry texts with every pinned entry that won its position standing there.
#include "common/Errors.h"
#include "common/LineList.h"
#include "draw/PinnedEntry.h"
#include "draw/QueueBuilder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

namespace {
class CounterSeeds final : public draw::SeedSource {
public:
    std::uint32_t nextSeed() override { return next_ += 0x9E3779B9u; }

private:
    std::uint32_t next_ = 0;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto pool =
        common::parseLineList(std::string_view(reinterpret_cast<const char*>(data), size));
    CounterSeeds seeds;
    std::vector<std::string> queue;
    try {
        queue = draw::buildQueue(pool, seeds);
    } catch (const EConvertError&) {
        return 0;
    }
    std::vector<std::string> expected;
    for (const auto& line : pool) {
        expected.push_back(line.substr(0, line.find('#')));
    }
    auto sortedQueue = queue;
    std::sort(sortedQueue.begin(), sortedQueue.end());
    std::sort(expected.begin(), expected.end());
    if (sortedQueue != expected) {
        std::abort();
    }
    // The pinned line nearest the top of the pool wins its position.
    std::map<std::int64_t, std::string> winners;
    for (std::size_t i = pool.size(); i-- > 0;) {
        if (const auto pinned = draw::parsePinnedEntry(pool[i])) {
            if (pinned->position >= 1 &&
                static_cast<std::size_t>(pinned->position) <= pool.size()) {
                winners[pinned->position] = pinned->entry;
            }
        }
    }
    for (const auto& [position, entry] : winners) {
        if (queue[static_cast<std::size_t>(position - 1)] != entry) {
            std::abort();
        }
    }
    return 0;
}
