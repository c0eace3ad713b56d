#include "ByteText.h"

namespace common {

namespace {
bool isBlank(char byte) {
    return static_cast<unsigned char>(byte) <= 32;
}
} // namespace

std::string withFullStop(std::string text) {
    if (!text.empty() &&
        static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
        text += '.';
    }
    return text;
}

std::string_view trimBlanks(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && isBlank(text[first])) {
        ++first;
    }
    std::size_t last = text.size();
    while (last > first && isBlank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool isGbkLeadByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x81 && value <= 0xFE;
}

std::size_t gbkCharLength(std::string_view text, std::size_t pos) {
    if (isGbkLeadByte(text[pos]) && pos + 1 < text.size()) {
        const auto trail = static_cast<unsigned char>(text[pos + 1]);
        if (trail >= 0x40 && trail <= 0xFE && trail != 0x7F) {
            return 2;
        }
    }
    return 1;
}

} // namespace common
