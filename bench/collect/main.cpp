// The collect loop as the operator runs it: the main window on the real
// serial port, one simulated transmitter at 9600 baud with wire time on a
// pseudo-terminal, Collect pressed for ten seconds. Prints the polls a
// second against the five the timer asks, the longest gap between two
// polls on the line, and the CPU used while collecting.

#include "bench/support/BenchWindow.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <optional>

namespace {

using namespace ortavel;
using Wall = std::chrono::steady_clock;

constexpr int kCollectMs = 10000;
constexpr double kAskedPollsPerSecond = 5.0;

double cpuMs(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    sim::BusConfig bus;
    sim::TransmitterConfig transmitter;
    transmitter.address = 1;
    transmitter.baud = 9600;
    bus.transmitters = {transmitter};
    bench::BenchWindow bench(bus);
    sim::SimServer &server = bench.server;
    Ortavel &model = bench.model;
    const std::string link = server.linkPath();
    bench.window.show();
    model.setSearchLastAddress(1);
    // Found in the first pass; the other three cost their timeouts.
    model.cmdSEARCH_Click();
    if (model.CMB_ADDR.count() != 1) {
        std::fprintf(stderr, "bench_collect: the transmitter on %s was not found\n", link.c_str());
        return 1;
    }

    server.clearTrace();
    const double threadStart = cpuMs(CLOCK_THREAD_CPUTIME_ID);
    const double processStart = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
    const auto start = Wall::now();
    model.cmdON_OFF.click();
    QTimer::singleShot(kCollectMs, Qt::PreciseTimer, &app, [&model] { model.cmdON_OFF.click(); });
    QTimer::singleShot(kCollectMs + 50, Qt::PreciseTimer, &app, &QApplication::quit);
    QApplication::exec();
    const double wallMs = std::chrono::duration<double, std::milli>(Wall::now() - start).count();
    const double threadMs = cpuMs(CLOCK_THREAD_CPUTIME_ID) - threadStart;
    const double processMs = cpuMs(CLOCK_PROCESS_CPUTIME_ID) - processStart;

    int polls = 0;
    double longestGapMs = 0;
    std::optional<Wall::time_point> last;
    for (const auto &entry : server.trace()) {
        if (entry.command != "RP0" && entry.command != "RT0")
            continue;
        ++polls;
        if (last)
            longestGapMs =
                std::max(longestGapMs, std::chrono::duration<double, std::milli>(entry.received - *last).count());
        last = entry.received;
    }
    const double perSecond = polls / (kCollectMs / 1000.0);
    std::printf("collect for %d ms at 9600 baud with wire time, through the window on a pseudo-terminal\n", kCollectMs);
    std::printf("%d polls, %.2f a second (the timer asks %.0f); longest gap between two polls %.1f ms\n", polls,
                perSecond, kAskedPollsPerSecond, longestGapMs);
    std::printf("CPU in %.0f ms: window thread %.1f ms, %.2f %% of one core (target < 3 %%); whole process with the "
                "simulator %.1f ms, %.2f %%; failed polls %s/%s\n",
                wallMs, threadMs, 100.0 * threadMs / wallMs, processMs, 100.0 * processMs / wallMs,
                model.Label19.caption().c_str(), model.Label20.caption().c_str());
    return 0;
}
