#include "JpegDecoder.h"

#include "ImageError.h"

#include "common/FileIo.h"

#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

#include <csetjmp>
#include <string>
#include <vector>

namespace imaging {

namespace {

struct JpegRead;

// libjpeg hands its callbacks the error manager; the owner pointer beside it leads back.
struct ErrorManager {
    jpeg_error_mgr manager;
    JpegRead* owner;
};

// Everything libjpeg's error path may touch lives here, outside the frame that calls setjmp.
struct JpegRead {
    jpeg_decompress_struct info{};
    ErrorManager errors{{}, this};
    std::jmp_buf escape{};
    std::string message;
    bool endedEarly = false;
    Image image;
    std::vector<std::uint8_t> row;
};

JpegRead& readOf(j_common_ptr info) {
    return *reinterpret_cast<ErrorManager*>(info->err)->owner;
}

void onError(j_common_ptr info) {
    char text[JMSG_LENGTH_MAX] = {};
    (*info->err->format_message)(info, text);
    JpegRead& read = readOf(info);
    read.message = text;
    std::longjmp(read.escape, 1);
}

// Warnings are passed over, except that a file ending early is a damaged file here.
void onMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
        JpegRead& read = readOf(info);
        if (!read.endedEarly) {
            char text[JMSG_LENGTH_MAX] = {};
            (*info->err->format_message)(info, text);
            read.message = text;
            read.endedEarly = true;
        }
    }
}

void storeRow(JpegRead& read, JDIMENSION y) {
    const auto width = static_cast<std::size_t>(read.info.output_width);
    std::uint8_t* out = read.image.rgba.data() + std::size_t{y} * width * 4;
    const std::uint8_t* in = read.row.data();
    for (std::size_t x = 0; x < width; ++x, out += 4) {
        if (read.info.out_color_space == JCS_CMYK) {
            // Adobe writes CMYK inverted; the usual files of every tool follow it.
            const int c = in[4 * x], m = in[4 * x + 1], yellow = in[4 * x + 2], k = in[4 * x + 3];
            const bool inverted = read.info.saw_Adobe_marker;
            const int kk = inverted ? k : 255 - k;
            out[0] = static_cast<std::uint8_t>((inverted ? c : 255 - c) * kk / 255);
            out[1] = static_cast<std::uint8_t>((inverted ? m : 255 - m) * kk / 255);
            out[2] = static_cast<std::uint8_t>((inverted ? yellow : 255 - yellow) * kk / 255);
        } else {
            out[0] = in[3 * x];
            out[1] = in[3 * x + 1];
            out[2] = in[3 * x + 2];
        }
        out[3] = 255;
    }
}

bool runLibjpeg(JpegRead& read, std::string_view data) {
    if (setjmp(read.escape)) {
        return false;
    }
    jpeg_create_decompress(&read.info);
    jpeg_mem_src(&read.info, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&read.info, TRUE);
    if (read.info.image_width > maxPictureSide || read.info.image_height > maxPictureSide ||
        static_cast<long long>(read.info.image_width) * read.info.image_height > maxPicturePixels) {
        read.message = "Image too large";
        return false;
    }
    const bool cmyk =
        read.info.jpeg_color_space == JCS_CMYK || read.info.jpeg_color_space == JCS_YCCK;
    read.info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&read.info);
    read.image.width = static_cast<int>(read.info.output_width);
    read.image.height = static_cast<int>(read.info.output_height);
    read.image.rgba.assign(std::size_t{read.info.output_width} * read.info.output_height * 4, 0);
    read.row.resize(std::size_t{read.info.output_width} *
                    static_cast<std::size_t>(read.info.output_components));
    while (read.info.output_scanline < read.info.output_height && !read.endedEarly) {
        JSAMPROW rows[1] = {read.row.data()};
        const JDIMENSION y = read.info.output_scanline;
        jpeg_read_scanlines(&read.info, rows, 1);
        storeRow(read, y);
    }
    if (read.endedEarly) {
        return false;
    }
    jpeg_finish_decompress(&read.info);
    return !read.endedEarly;
}

} // namespace

Image decodeJpeg(std::string_view data) {
    JpegRead read;
    read.info.err = jpeg_std_error(&read.errors.manager);
    read.errors.manager.error_exit = &onError;
    read.errors.manager.emit_message = &onMessage;
    const bool ok = runLibjpeg(read, data);
    jpeg_destroy_decompress(&read.info);
    if (!ok) {
        throw EImageError(read.message);
    }
    return std::move(read.image);
}

Image decodeJpegFile(const std::filesystem::path& path) {
    return decodeJpeg(common::readFileBytes(path));
}

} // namespace imaging
