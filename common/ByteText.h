#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Helpers for text held as code page 936 (GBK) bytes in std::string. Lengths and positions
// count bytes; a double-byte character is a lead byte 0x81..0xFE followed by a trail byte
// 0x40..0xFE other than 0x7F.
namespace common {

// The text with "." appended when its last byte sorts after "." (so a letter, a digit or a Chinese
// character gets one, while ".", "!" or ")" do not).
std::string withFullStop(std::string text);

// Removes every leading and trailing byte of value 32 or below.
std::string_view trimBlanks(std::string_view text);

// The value of a hexadecimal digit of either case, or -1 for any other byte.
int hexDigitValue(char c);

bool isGbkLeadByte(char byte);

// Length in bytes of the character that starts at pos: 2 for a lead and a trail byte, else 1
// (a lead byte at the end or before a byte that cannot trail stands alone, so a damaged text
// never makes a caller read past its end or swallow a line break).
std::size_t gbkCharLength(std::string_view text, std::size_t pos);

} // namespace common
