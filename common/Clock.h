#pragma once

#include <cstdint>

namespace common {

// A high-resolution counter that only moves forward: QueryPerformanceCounter on Windows,
// CLOCK_MONOTONIC in nanoseconds elsewhere.
std::uint64_t monotonicCounter();

} // namespace common
