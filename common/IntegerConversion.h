#pragma once

#include <cstdint>
#include <string_view>

namespace common {

// Text to a signed 32-bit integer: leading spaces (byte 32 only), one optional sign, then
// decimal digits or a hexadecimal prefix ("$", "x", "X", "0x", "0X") with hexadecimal digits,
// running to the very end of the text. Hexadecimal values take up to 8 significant digits as
// 32 signed bits. Anything else fails with EConvertError "'<text>' is not a valid integer value".
std::int32_t strToInt(std::string_view text);

} // namespace common
