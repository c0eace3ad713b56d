#include "Clock.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

namespace common {

std::uint64_t monotonicCounter() {
#ifdef _WIN32
    LARGE_INTEGER value;
    QueryPerformanceCounter(&value);
    return static_cast<std::uint64_t>(value.QuadPart);
#else
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000000000u +
           static_cast<std::uint64_t>(now.tv_nsec);
#endif
}

} // namespace common
