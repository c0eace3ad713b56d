#pragma once

#include "draw/SeedSource.h"

namespace testsupport {

// Seeds start, start + 1, ...: a stand-in for a counter read before every pick.
class CounterSeedSource final : public draw::SeedSource {
public:
    explicit CounterSeedSource(std::uint32_t start = 0) : next_(start) {}
    std::uint32_t nextSeed() override { return next_++; }
    std::uint32_t taken(std::uint32_t start = 0) const { return next_ - start; }

private:
    std::uint32_t next_;
};

} // namespace testsupport
