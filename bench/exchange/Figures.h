#pragma once

#include "link/Exchange.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <ctime>
#endif

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <vector>

namespace ortavel::bench {

// The value below which the share p of the values lie.
inline double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(std::lround(p * static_cast<double>(values.size() - 1)));
    return values[index];
}

// Ten bits a byte: start, eight data bits, stop.
inline double wireSeconds(std::size_t bytes, int baud)
{
    return static_cast<double>(bytes) * 10.0 / baud;
}

inline double threadCpuSeconds()
{
#ifdef _WIN32
    FILETIME created{};
    FILETIME ended{};
    FILETIME kernel{};
    FILETIME user{};
    GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
    const auto ticks = [](const FILETIME &t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32U) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) * 1e-7;
#else
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
#endif
}

// Prints what waiting on a silent bus costs: requests to an address nobody
// has, each ending in the timeout.
inline void printSilentBus(Exchange &exchange, int runs)
{
    const double cpuStart = threadCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    int errors = 0;
    for (int i = 0; i < runs; ++i)
        errors += exchange.Comm_Send("98", "TY") == "ERR 0\r" ? 1 : 0;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = threadCpuSeconds() - cpuStart;
    std::printf("waiting on a silent bus (%d timeouts, %d ERR 0): %.3f s wall, %.4f s CPU, %.2f %% of one core\n", runs,
                errors, wall, cpu, 100.0 * cpu / wall);
}

} // namespace ortavel::bench
