#pragma once

#include "SeedSource.h"

#include <array>
#include <cstddef>

namespace draw {

// The program's seed source: the operating system's entropy. A clock read before every pick
// lands on a few values only and would deal some positions far more often than others.
// Entropy is fetched a block at a time, since a system call per pick would dominate the
// building of a large event.
class EntropySeedSource final : public SeedSource {
public:
    std::uint32_t nextSeed() override;

private:
    std::array<std::uint32_t, 256> buffer_{};
    std::size_t next_ = buffer_.size();
};

} // namespace draw
