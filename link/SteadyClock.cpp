#include "SteadyClock.h"

#include <chrono>

namespace ortavel {

std::int64_t SteadyClock::nowMs() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace ortavel
