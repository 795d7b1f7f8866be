#pragma once

#include "link/Clock.h"

namespace ortavel::test {

// A clock that moves only when told to.
class FakeClock final : public Clock {
public:
    std::int64_t nowMs() const override { return m_now; }
    void advance(std::int64_t ms) { m_now += ms; }
    void setNow(std::int64_t ms) { m_now = ms; }

private:
    std::int64_t m_now = 1000;
};

} // namespace ortavel::test
