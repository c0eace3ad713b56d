#pragma once

#include "Image.h"

#include <string>

namespace imaging {

// The picture as PNG data (8-bit RGBA). Fails with EImageError and libpng's message.
std::string encodePng(const Image& image);

} // namespace imaging
