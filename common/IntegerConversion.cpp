#include "IntegerConversion.h"

#include "ByteText.h"
#include "Errors.h"

#include <string>

namespace common {

namespace {

[[noreturn]] void fail(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

// Length of a hexadecimal prefix at the start of rest, or 0 when there is none.
std::size_t hexPrefixLength(std::string_view rest) {
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
        return 1;
    }
    if (rest.starts_with("0x") || rest.starts_with("0X")) {
        return 2;
    }
    return 0;
}

} // namespace

std::int32_t strToInt(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t prefix = hexPrefixLength(text.substr(pos));
    pos += prefix;
    const std::string_view digits = text.substr(pos);
    if (digits.empty()) {
        fail(text);
    }

    if (prefix > 0) {
        std::uint32_t bits = 0;
        int significant = 0;
        for (const char c : digits) {
            const int value = hexDigitValue(c);
            if (value < 0) {
                fail(text);
            }
            if (bits != 0 || value != 0) {
                ++significant;
            }
            if (significant > 8) {
                fail(text);
            }
            bits = (bits << 4) | static_cast<std::uint32_t>(value);
        }
        // Negation works on the 32 bits, so "-$80000000" stays the lowest value.
        return static_cast<std::int32_t>(negative ? 0u - bits : bits);
    }

    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            fail(text);
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            fail(text);
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace common
