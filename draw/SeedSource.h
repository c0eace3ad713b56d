#pragma once

#include <cstdint>

namespace draw {

// Where every pick of the random index takes its fresh seed from.
class SeedSource {
public:
    virtual ~SeedSource() = default;
    virtual std::uint32_t nextSeed() = 0;
};

} // namespace draw
