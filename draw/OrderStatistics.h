#pragma once

#include <cstddef>
#include <vector>

namespace draw {

// The items 0 .. size - 1, of which the r-th one still present can be found and taken out in
// O(log size): a Fenwick tree of presence counts.
class OrderStatistics {
public:
    explicit OrderStatistics(std::size_t size);

    std::size_t remaining() const { return remaining_; }

    // Takes out the r-th present item (counted from 0, r < remaining()) and returns it.
    std::size_t takeNth(std::size_t r);

private:
    std::vector<std::size_t> tree_; // tree_[i] counts the present items of a block ending at i
    std::size_t highestStep_ = 0;
    std::size_t remaining_ = 0;
};

} // namespace draw
