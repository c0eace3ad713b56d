#pragma once

#include <ctime>

namespace common {

// The local date and time; tests put in a clock of their own.
class LocalClock {
public:
    virtual ~LocalClock() = default;
    virtual std::tm now() const;
};

} // namespace common
