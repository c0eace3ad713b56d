#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace draw {

// A pool line that contains "#": the text before the first "#" is the entry, the text after it
// the position, counted from 1.
struct PinnedEntry {
    std::string entry;
    std::int32_t position = 0;
};

// Nothing for a plain line; the pinned entry otherwise. The position text goes through the
// integer conversion, so a text that is not an integer fails with EConvertError.
std::optional<PinnedEntry> parsePinnedEntry(std::string_view line);

} // namespace draw
