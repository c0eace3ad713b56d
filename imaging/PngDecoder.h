#pragma once

#include "Image.h"

#include <filesystem>
#include <string_view>

namespace imaging {

// Any PNG (every colour type and bit depth, transparency, interlacing) as RGBA. Fails with
// EImageError and libpng's message for data that is not a whole PNG.
Image decodePng(std::string_view data);

// Reads the file whole first: EFOpenError when it cannot be opened.
Image decodePngFile(const std::filesystem::path& path);

} // namespace imaging
