#pragma once

#include <cstdint>
#include <string>

namespace ortavel {

// The wall clock's time of day, and its rendering as a time.
class TimeOfDay {
public:
    virtual ~TimeOfDay() = default;
    virtual std::int64_t msSinceMidnight() const = 0;
    virtual std::string formatTime(std::int64_t msSinceMidnight) const = 0;
};

} // namespace ortavel
