#include "EscPosReading.h"

#include <cstdint>
#include <cstdio>

namespace testsupport {

namespace {

std::string at(std::size_t offset) {
    return " at byte " + std::to_string(offset);
}

} // namespace

EscPosReading readEscPos(std::string_view job) {
    EscPosReading reading;
    int rowBytes = -1;
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(job[i]); };
    std::size_t i = 0;
    while (i < job.size() && reading.error.empty()) {
        const std::size_t left = job.size() - i;
        if (left >= 2 && byte(i) == 0x1B && byte(i + 1) == '@') {
            i += 2;
        } else if (left >= 3 && byte(i) == 0x1B && byte(i + 1) == 'd') {
            i += 3;
        } else if (left >= 3 && byte(i) == 0x1D && byte(i + 1) == 'V' &&
                   (byte(i + 2) == 0 || byte(i + 2) == 1)) {
            reading.cut = true;
            i += 3;
        } else if (left >= 3 && byte(i) == 0x1D && byte(i + 1) == 'v' && byte(i + 2) == '0') {
            if (left < 8) {
                reading.error = "a GS v 0 header that ends early" + at(i);
                break;
            }
            const int mode = byte(i + 3);
            const int width = byte(i + 4) | byte(i + 5) << 8;
            const int rows = byte(i + 6) | byte(i + 7) << 8;
            const std::size_t size = std::size_t(width) * std::size_t(rows);
            if (mode != 0) {
                reading.error = "a GS v 0 band of mode " + std::to_string(mode) + at(i);
            } else if (rows < 1 || rows > 255 || width < 1) {
                reading.error = "a GS v 0 band of " + std::to_string(rows) + " rows of " +
                                std::to_string(width) + " bytes" + at(i);
            } else if (rowBytes != -1 && width != rowBytes) {
                reading.error = "a GS v 0 band of another width" + at(i);
            } else if (left - 8 < size) {
                reading.error = "a GS v 0 band whose data ends early" + at(i);
            } else {
                rowBytes = width;
                imaging::Image& picture = reading.picture;
                picture.width = width * 8;
                const std::size_t top = std::size_t(picture.height);
                picture.height += rows;
                picture.rgba.resize(std::size_t(picture.width) * std::size_t(picture.height) * 4,
                                    0xFF);
                for (std::size_t dot = 0; dot < size * 8; ++dot) {
                    if ((byte(i + 8 + dot / 8) >> (7 - dot % 8)) & 1) {
                        const std::size_t y = top + dot / std::size_t(picture.width);
                        const std::size_t x = dot % std::size_t(picture.width);
                        std::uint8_t* pixel =
                            &picture.rgba[(y * std::size_t(picture.width) + x) * 4];
                        pixel[0] = pixel[1] = pixel[2] = 0;
                    }
                }
                ++reading.bands;
                i += 8 + size;
            }
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02X", byte(i));
            reading.error = std::string("an unknown command ") + hex + at(i);
        }
    }
    return reading;
}

} // namespace testsupport
