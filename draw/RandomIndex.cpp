#include "RandomIndex.h"

namespace draw {

std::int32_t randomIndex(SeedSource& source, std::int32_t count) {
    static_assert(sizeof(std::uint64_t) == 8 && sizeof(std::uint32_t) == 4);
    static_assert((std::uint64_t{0xFFFFFFFFu} * 0xFFFFFFFFu) >> 32 == 0xFFFFFFFEu,
                  "the product must keep all 64 bits");
    if (count <= 0) {
        return 0;
    }
    const std::uint32_t seed = source.nextSeed() * 134775813u + 1u;
    return static_cast<std::int32_t>((std::uint64_t{seed} * static_cast<std::uint32_t>(count)) >>
                                     32);
}

} // namespace draw
