#include "WireTiming.h"

#include "link/LineSettings.h"

#include <string>

namespace ortavel::sim {

namespace {
constexpr std::int64_t kNanosPerSecond = std::nano::den;
} // namespace

std::chrono::nanoseconds WireTiming::bytesTime(std::size_t count, int baud) const
{
    if (!wireTime || baud <= 0)
        return std::chrono::nanoseconds(0);
    return std::chrono::nanoseconds(static_cast<std::int64_t>(count) * kBitsPerCharacter * kNanosPerSecond / baud);
}

std::chrono::nanoseconds WireTiming::lateTime(int baud, std::chrono::nanoseconds pastTimeout)
{
    return std::chrono::milliseconds(replyTimeoutMs(lineSettingsText(std::to_string(baud)))) + pastTimeout;
}

} // namespace ortavel::sim
