#include "Speech.h"

#include <algorithm>

namespace speech {

namespace {

constexpr std::string_view numberSuffix = "\xba\xc5"; // 号 in GBK

} // namespace

std::string announcementText(std::string_view entry) {
    const bool digitsOnly = !entry.empty() && std::all_of(entry.begin(), entry.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    std::string text(entry);
    if (digitsOnly) {
        text += numberSuffix;
    }
    return text;
}

} // namespace speech
