#pragma once

#include "controls/TimeOfDay.h"

namespace ortavel {

// The local wall clock; times are written in the system locale's long time
// format without a time zone (they are also used for elapsed times).
class QtTimeOfDay final : public TimeOfDay {
public:
    std::int64_t msSinceMidnight() const override;
    std::string formatTime(std::int64_t msSinceMidnight) const override;
};

} // namespace ortavel
