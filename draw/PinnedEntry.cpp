#include "PinnedEntry.h"

#include "common/IntegerConversion.h"

namespace draw {

std::optional<PinnedEntry> parsePinnedEntry(std::string_view line) {
    // "#" is a single-byte character that never occurs inside a GBK double-byte character.
    const std::size_t hash = line.find('#');
    if (hash == std::string_view::npos) {
        return std::nullopt;
    }
    return PinnedEntry{std::string(line.substr(0, hash)), common::strToInt(line.substr(hash + 1))};
}

} // namespace draw
