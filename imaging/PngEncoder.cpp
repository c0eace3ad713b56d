#include "PngEncoder.h"

#include "ImageError.h"

#include <png.h>

namespace imaging {

std::string encodePng(const Image& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGBA;
    // The first call measures, the second writes.
    png_alloc_size_t size = 0;
    std::string data;
    if (png_image_write_to_memory(&png, nullptr, &size, 0, image.rgba.data(), 0, nullptr)) {
        data.resize(size);
        if (png_image_write_to_memory(&png, data.data(), &size, 0, image.rgba.data(), 0, nullptr)) {
            data.resize(size);
            return data;
        }
    }
    const std::string message = png.message;
    png_image_free(&png);
    throw EImageError(message);
}

} // namespace imaging
