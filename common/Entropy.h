#pragma once

#include <cstddef>
#include <cstdint>

namespace common {

// Fills the buffer from the operating system's entropy source (getrandom on Linux,
// BCryptGenRandom on Windows). Throws std::system_error if the system refuses, which no
// supported system does.
void fillEntropy(void* buffer, std::size_t size);

} // namespace common
