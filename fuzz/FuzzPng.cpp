// PNG decoding of any bytes: a picture of the size it says, or the decoder's failure.
#include "imaging/ImageError.h"
#include "imaging/PngDecoder.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const auto image =
            imaging::decodePng(std::string_view(reinterpret_cast<const char*>(data), size));
        if (image.width <= 0 || image.height <= 0 ||
            image.rgba.size() != std::size_t(image.width) * std::size_t(image.height) * 4) {
            std::abort();
        }
    } catch (const imaging::EImageError&) {
    }
    return 0;
}
