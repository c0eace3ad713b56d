#include "ConsecutivePool.h"

#include "common/ByteText.h"
#include "common/Errors.h"
#include "common/IntegerConversion.h"

#include <cstdint>

namespace draw {

namespace {

constexpr std::int64_t maximumNumbers = 100000;

std::optional<std::int64_t> bound(std::string_view text) {
    try {
        return common::strToInt(common::trimBlanks(text));
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<std::vector<std::string>> consecutivePool(std::string_view first,
                                                        std::string_view last) {
    const auto start = bound(first);
    const auto end = bound(last);
    if (!start || !end || *end - *start + 1 > maximumNumbers) {
        return std::nullopt;
    }
    std::vector<std::string> pool;
    for (std::int64_t n = *start; n <= *end; ++n) {
        pool.push_back(std::to_string(n));
    }
    return pool;
}

} // namespace draw
