#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace draw {

// The pool of every whole number from first to last, as the settings window's generator makes it.
// The bounds go through the integer conversion after their blanks are trimmed; nothing when one of
// them is not a number or the pool would hold more than 100 000 numbers. A last below first gives
// the empty pool.
std::optional<std::vector<std::string>> consecutivePool(std::string_view first,
                                                        std::string_view last);

} // namespace draw
