#include "EscPos.h"

#include <algorithm>

namespace ticket {

int headDots(std::int32_t paperWidth) {
    const std::int64_t paperTenths = std::int64_t{paperWidth} + 70;
    return paperTenths < 700 ? 384 : 576;
}

std::string escPosJob(const Raster& raster) {
    std::string job = "\x1b@";
    const int rowBytes = raster.rowBytes();
    for (int top = 0; top < raster.height; top += 255) {
        const int rows = std::min(255, raster.height - top);
        // GS v 0, normal size, bytes a row and rows, each as low and high byte.
        job += "\x1dv0";
        job += '\0';
        job += static_cast<char>(rowBytes & 0xFF);
        job += static_cast<char>(rowBytes >> 8);
        job += static_cast<char>(rows & 0xFF);
        job += static_cast<char>(rows >> 8);
        const auto first = raster.bits.begin() + std::ptrdiff_t(top) * rowBytes;
        job.append(first, first + std::ptrdiff_t(rows) * rowBytes);
    }
    job += "\x1b"
           "d\x04";
    job += "\x1dV\x01";
    return job;
}

} // namespace ticket
