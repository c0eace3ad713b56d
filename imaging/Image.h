#pragma once

#include <cstdint>
#include <limits>
#include <vector>

namespace imaging {

// The largest picture decoded, in pixels (about 8K by 5K): a larger one is refused before any
// memory is taken for it, so a damaged header cannot exhaust memory.
inline constexpr long long maxPicturePixels = 40'000'000;
inline constexpr unsigned maxPictureSide = 16384;

// The largest picture's pixels must be addressable on 32-bit Windows too (within its 2 GiB).
static_assert(maxPicturePixels * 4 <= std::numeric_limits<std::int32_t>::max() &&
                  maxPicturePixels * 4 <= static_cast<long long>(SIZE_MAX / 2),
              "the largest picture's RGBA bytes fit a 32-bit address space");

// A decoded picture: width × height pixels of 8-bit red, green, blue and alpha, row by row from
// the top.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

} // namespace imaging
