#pragma once

#include "SeedSource.h"

#include <cstdint>

namespace draw {

// An index from 0 to count - 1 (0 when count is 0 or less): the seed is taken afresh from the
// source, advanced once by seed * 134775813 + 1 mod 2^32, and the index is the high 32 bits of
// the 64-bit product seed * count.
std::int32_t randomIndex(SeedSource& source, std::int32_t count);

} // namespace draw
