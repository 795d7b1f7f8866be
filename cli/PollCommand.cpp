#include "PollCommand.h"

#include "AddressText.h"
#include "Bus.h"
#include "CollectLoop.h"
#include "CommonOptions.h"
#include "SearchOptions.h"
#include "TargetRate.h"
#include "link/SteadyClock.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <thread>

namespace ortavel::cli {

namespace {
constexpr int kMaxIntervalMs = 3600 * 1000;
constexpr int kSleepSliceMs = 20;

// Waits until `due`, looking for Ctrl-C in between.
void waitUntil(const SteadyClock &clock, std::int64_t due, const Bus &bus)
{
    for (std::int64_t now = clock.nowMs(); now < due && !bus.interrupted(); now = clock.nowMs())
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min<std::int64_t>(due - now, kSleepSliceMs)));
}
} // namespace

bool PollCommand::parse(const std::vector<std::string> &args, const CommonOptions &, std::string &error)
{
    std::vector<std::string> rest = args;
    std::string value;
    bool present = false;
    if (!takeOption(rest, "--count", value, present, error))
        return false;
    if (present) {
        const auto count = parseBoundedInt(value, 1, INT_MAX);
        if (!count) {
            error = "--count takes a whole number of at least 1";
            return false;
        }
        m_count = *count;
    }
    if (!takeOption(rest, "--interval", value, present, error))
        return false;
    if (present) {
        const auto interval = parseBoundedInt(value, 0, kMaxIntervalMs);
        if (!interval) {
            error = "--interval takes milliseconds from 0 to 3600000";
            return false;
        }
        m_intervalMs = *interval;
    }
    const auto address = rest.size() == 1 ? parseAddress(rest.front()) : std::nullopt;
    if (!address) {
        error = "poll takes ADDR [--count N] [--interval MS]";
        return false;
    }
    m_address = formatAddress(*address);
    return true;
}

int PollCommand::run(Bus &bus, const CommonOptions &options)
{
    std::string error;
    if (!prepareTargetRate(bus, m_address, options, error)) {
        std::fprintf(stderr, "ortavel-cli: %s\n", error.c_str());
        return bus.interrupted() ? kExitInterrupted : kExitFailed;
    }
    const SteadyClock clock;
    const std::int64_t start = clock.nowMs();
    CollectLoop loop(m_address);
    std::puts("time_ms,pressure,temperature");
    std::fflush(stdout);
    // Ticks are due every interval from the start; a late tick is not
    // made up for, as the window's timer does not pile ticks up either.
    std::int64_t due = start;
    for (int n = 0; (m_count == 0 || n < m_count) && !bus.interrupted(); ++n) {
        waitUntil(clock, due, bus);
        if (bus.interrupted())
            break;
        const std::int64_t now = clock.nowMs();
        due = std::max(due + m_intervalMs, now);
        if (const auto row = loop.tick(bus, now - start)) {
            std::printf("%lld,%s,%s\n", static_cast<long long>(row->timeMs), row->pressure.c_str(),
                        row->temperature.c_str());
            std::fflush(stdout);
        }
    }
    const bool interrupted = bus.interrupted();
    const int failed = loop.failedPressure() + loop.failedTemperature();
    if (loop.maximum().empty())
        std::fputs("pressure min - max - (no good pressure)\n", stderr);
    else
        std::fprintf(stderr, "pressure min %s max %s\n", loop.minimum().c_str(), loop.maximum().c_str());
    std::fprintf(stderr, "%d polls, %d failed (pressure %d, temperature %d)%s\n", loop.polls(), failed,
                 loop.failedPressure(), loop.failedTemperature(), interrupted ? "; interrupted" : "");
    // Without --count, Ctrl-C is the ordinary end of polling.
    if (interrupted && m_count != 0)
        return kExitInterrupted;
    return failed == 0 ? kExitOk : kExitFailed;
}

} // namespace ortavel::cli
