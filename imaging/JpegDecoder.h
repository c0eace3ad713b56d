#pragma once

#include "Image.h"

#include <filesystem>
#include <string_view>

namespace imaging {

// A baseline or progressive JPEG, greyscale, colour or CMYK, as opaque RGBA. Fails with
// EImageError and libjpeg's message when the header cannot be read, the data is damaged or it
// ends early.
Image decodeJpeg(std::string_view data);

// Reads the file whole first: EFOpenError when it cannot be opened.
Image decodeJpegFile(const std::filesystem::path& path);

} // namespace imaging
