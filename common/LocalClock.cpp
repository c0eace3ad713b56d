#include "LocalClock.h"

namespace common {

std::tm LocalClock::now() const {
    std::tm local{};
#ifdef _WIN32
    // The 64-bit calls: 32-bit MinGW's time_t has 32 bits and would end in January 2038.
    const __time64_t seconds = _time64(nullptr);
    _localtime64_s(&local, &seconds);
#else
    static_assert(sizeof(std::time_t) >= 8, "tickets after 2038 need a 64-bit time_t");
    const std::time_t seconds = std::time(nullptr);
    localtime_r(&seconds, &local);
#endif
    return local;
}

} // namespace common
