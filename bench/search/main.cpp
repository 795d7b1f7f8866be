// The bus search as the operator runs it: the main window on the real
// serial port, a simulated empty bus on a pseudo-terminal, addresses 1 to 10
// at the four rates. Prints how long it takes against the sum of its reply
// timeouts, the longest the event loop waited for a turn meanwhile, the
// time from start to the window shown and the resident memory.

#include "bench/support/BenchWindow.h"
#include "link/LineSettings.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

namespace {

using namespace ortavel;
using Wall = std::chrono::steady_clock;

constexpr int kLastAddress = 10;

double msSince(Wall::time_point start)
{
    return std::chrono::duration<double, std::milli>(Wall::now() - start).count();
}

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return -1;
}

// Records the longest time between two turns of the event loop: a zero
// timer fires at every turn, in the search's pauses as in the main loop.
class LoopProbe {
public:
    LoopProbe()
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const auto now = Wall::now();
            if (m_last)
                m_longestMs = std::max(m_longestMs, std::chrono::duration<double, std::milli>(now - *m_last).count());
            m_last = now;
            ++m_turns;
        });
    }
    void start()
    {
        m_last.reset();
        m_longestMs = 0;
        m_turns = 0;
        m_timer.start();
    }
    void stop() { m_timer.stop(); }
    double longestMs() const { return m_longestMs; }
    int turns() const { return m_turns; }

private:
    QTimer m_timer;
    std::optional<Wall::time_point> m_last;
    double m_longestMs = 0;
    int m_turns = 0;
};

} // namespace

int main(int argc, char **argv)
{
    const auto processStart = Wall::now();
    int runs = 1;
    if (argc == 3 && std::string(argv[1]) == "--runs")
        runs = std::max(1, static_cast<int>(std::strtol(argv[2], nullptr, 10)));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    bench::BenchWindow bench{sim::BusConfig{}};
    Ortavel &model = bench.model;
    SerialPortQt &port = bench.port;
    MainWindow &window = bench.window;
    const std::string link = bench.server.linkPath();
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QApplication::processEvents();
    QApplication::processEvents();
    const double shownMs = msSince(processStart);
    const long shownKiB = residentKiB();
    if (!port.isOpen()) {
        std::fprintf(stderr, "bench_search: the port on %s did not open: %s\n", link.c_str(),
                     port.errorString().c_str());
        return 1;
    }

    double timeoutsMs = 0;
    for (const int baud : kBaudRates)
        timeoutsMs += kLastAddress * replyTimeoutMs(lineSettingsText(std::to_string(baud)));
    const double longestTimeoutMs = replyTimeoutMs(lineSettingsText(std::to_string(kBaudRates.front())));

    model.setSearchLastAddress(kLastAddress);
    std::printf("search of an empty bus, addresses 01 to %02d at 4 rates, through the window on a pseudo-terminal\n",
                kLastAddress);
    std::printf("window shown %.0f ms after start, resident memory %.1f MiB\n", shownMs, shownKiB / 1024.0);
    LoopProbe probe;
    for (int run = 1; run <= runs; ++run) {
        probe.start();
        const auto start = Wall::now();
        model.cmdSEARCH_Click();
        const double searchMs = msSince(start);
        probe.stop();
        std::printf("run %d: %.0f ms for %.0f ms of timeouts, ratio %.4f (target <= 1.02); "
                    "longest wait for the event loop %.1f ms over %d turns (target <= %.0f ms)\n",
                    run, searchMs, timeoutsMs, searchMs / timeoutsMs, probe.longestMs(), probe.turns(),
                    longestTimeoutMs + 20);
    }
    std::printf("resident memory after the search %.1f MiB; panels: \"%s\" \"%s\"\n", residentKiB() / 1024.0,
                model.StatusBar1.panel(1).c_str(), model.StatusBar1.panel(2).c_str());
    return 0;
}
