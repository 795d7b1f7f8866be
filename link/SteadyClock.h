#pragma once

#include "Clock.h"

namespace ortavel {

class SteadyClock final : public Clock {
public:
    std::int64_t nowMs() const override;
};

} // namespace ortavel
