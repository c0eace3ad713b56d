#include "OrderStatistics.h"

#include <bit>

namespace draw {

OrderStatistics::OrderStatistics(std::size_t size)
    : tree_(size + 1), highestStep_(size == 0 ? 0 : std::bit_floor(size)), remaining_(size) {
    // Every item present: node i covers the lowbit(i) items that end at i.
    for (std::size_t i = 1; i <= size; ++i) {
        tree_[i] = i & (~i + 1);
    }
}

std::size_t OrderStatistics::takeNth(std::size_t r) {
    // Descend from the largest power of two: find the last node whose prefix holds at most r.
    std::size_t node = 0;
    std::size_t before = r;
    for (std::size_t step = highestStep_; step > 0; step >>= 1) {
        const std::size_t next = node + step;
        if (next < tree_.size() && tree_[next] <= before) {
            node = next;
            before -= tree_[next];
        }
    }
    const std::size_t item = node; // 0-based index of the (r+1)-th present item
    for (std::size_t i = item + 1; i < tree_.size(); i += i & (~i + 1)) {
        --tree_[i];
    }
    --remaining_;
    return item;
}

} // namespace draw
