#pragma once

#include <cstdint>

namespace ortavel {

// A monotonic millisecond count: never wraps, never goes back.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() const = 0;
};

} // namespace ortavel
