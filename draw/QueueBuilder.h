#pragma once

#include "SeedSource.h"

#include <string>
#include <vector>

namespace draw {

// Builds a new event's draw order from the pool lines. Pinned lines ("entry#position") are
// converted from the last line up to the first, so the failing line nearest the end is the one
// reported (EConvertError). A position named by several lines goes to the line nearest the top;
// the other lines naming it, and lines naming a position outside 1..n, stay in the pool in their
// place as their entry text. Then every free position, from the head on, takes the pool line
// randomIndex(lines left) of the lines left in pool order. Every line ends up in the queue
// exactly once. O(n log n).
std::vector<std::string> buildQueue(std::vector<std::string> pool, SeedSource& seeds);

} // namespace draw
