#pragma once

#include "draw/SeedSource.h"

#include <string>
#include <vector>

namespace testsupport {

// The queue building done the plain way, on lists that lines are erased from and put back into:
// the yardstick the fast building is compared with and measured against.
std::vector<std::string> referenceBuildQueue(std::vector<std::string> pool,
                                             draw::SeedSource& seeds);

} // namespace testsupport
