#include "PngDecoder.h"

#include "ImageError.h"

#include "common/FileIo.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <limits>
#include <string>

namespace imaging {

namespace {

// Everything libpng's error path may touch lives here, outside the frame that calls setjmp, so
// nothing that longjmp skips needs destroying.
struct PngRead {
    std::string_view data;
    std::size_t offset = 0;
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::string message;
    Image image;
    std::vector<png_bytep> rows;
};

void readData(png_structp png, png_bytep out, png_size_t length) {
    auto* read = static_cast<PngRead*>(png_get_io_ptr(png));
    if (read->data.size() - read->offset < length) {
        png_error(png, "Read Error: the file ends early");
    }
    std::memcpy(out, read->data.data() + read->offset, length);
    read->offset += length;
}

void onError(png_structp png, png_const_charp message) {
    auto* read = static_cast<PngRead*>(png_get_error_ptr(png));
    read->message = message ? message : "PNG error";
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

// Returns false with read.message set when libpng gives up.
bool runLibpng(PngRead& read) {
    if (setjmp(png_jmpbuf(read.png))) {
        return false;
    }
    png_set_read_fn(read.png, &read, &readData);
    // No chunk of a skin picture needs more than a few megabytes; a chunk that claims more, or
    // inflates to more, is refused instead of taking the memory.
    png_set_chunk_malloc_max(read.png, 8u << 20);
    png_set_user_limits(read.png, maxPictureSide, maxPictureSide);
    // Texts, colour profiles and the like play no part in showing a skin picture: they are
    // skipped unread, whatever size they claim.
    static const png_byte unused[] = "tEXt\0zTXt\0iTXt\0iCCP\0sPLT\0eXIf";
    png_set_keep_unknown_chunks(read.png, PNG_HANDLE_CHUNK_NEVER, unused, 6);
    png_read_info(read.png, read.info);

    const png_uint_32 width = png_get_image_width(read.png, read.info);
    const png_uint_32 height = png_get_image_height(read.png, read.info);
    const int colourType = png_get_color_type(read.png, read.info);
    if (width > maxPictureSide || height > maxPictureSide ||
        static_cast<long long>(width) * height > maxPicturePixels) {
        png_error(read.png, "Image too large");
    }

    png_set_expand(read.png); // palette, grey below 8 bits and tRNS
    png_set_scale_16(read.png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_gray_to_rgb(read.png);
    }
    png_set_add_alpha(read.png, 0xff, PNG_FILLER_AFTER);
    png_set_interlace_handling(read.png);
    png_read_update_info(read.png, read.info);
    if (png_get_rowbytes(read.png, read.info) != std::size_t{width} * 4) {
        png_error(read.png, "Unexpected row layout");
    }

    read.image.width = static_cast<int>(width);
    read.image.height = static_cast<int>(height);
    read.image.rgba.assign(std::size_t{width} * height * 4, 0);
    read.rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) {
        read.rows[y] = read.image.rgba.data() + std::size_t{y} * width * 4;
    }
    png_read_image(read.png, read.rows.data());
    png_read_end(read.png, nullptr);
    return true;
}

} // namespace

Image decodePng(std::string_view data) {
    PngRead read;
    read.data = data;
    read.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &read, &onError, &onWarning);
    if (!read.png) {
        throw EImageError("Out of memory");
    }
    read.info = png_create_info_struct(read.png);
    const bool ok = read.info && runLibpng(read);
    png_destroy_read_struct(&read.png, read.info ? &read.info : nullptr, nullptr);
    if (!ok) {
        throw EImageError(read.message.empty() ? "Out of memory" : read.message);
    }
    return std::move(read.image);
}

Image decodePngFile(const std::filesystem::path& path) {
    return decodePng(common::readFileBytes(path));
}

} // namespace imaging
