#pragma once

#include <cstdint>
#include <vector>

namespace imaging {

// A decoded picture: width × height pixels of 8-bit red, green, blue and alpha, row by row from
// the top.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

} // namespace imaging
