// Line-list files (pool and remainder): what is read, written and read again is what was read.
#include "common/LineList.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto lines = common::parseLineList(text);
    for (const auto& line : lines) {
        if (line.size() > common::maxLineBytes || line.find_first_of("\r\n") != std::string::npos ||
            line.find('\0') != std::string::npos) {
            std::abort();
        }
    }
    if (common::parseLineList(common::formatLineList(lines)) != lines) {
        std::abort();
    }
    return 0;
}
