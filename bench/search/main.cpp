// The bus search as the operator runs it: the main window on the real
// serial port, a simulated empty bus on a pseudo-terminal, addresses 1 to 10
// at the four rates. Prints how long it takes against the sum of its reply
// timeouts, the longest the event loop waited for a turn meanwhile, the
// time from start to the window shown and the resident memory. Then the
// quick search: of the whole empty bus against its own bound, and of a bus
// of three transmitters against the search's list and the bound plus the
// reply times. Last, the search of the empty bus and both searches of the
// three transmitters again on a line that echoes, through the echo filter.

#include "bench/support/BenchWindow.h"
#include "link/Commands.h"
#include "link/Exchange.h"
#include "link/LineSettings.h"
#include "link/QuickSearchWait.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace {

using namespace ortavel;
using Wall = std::chrono::steady_clock;

constexpr int kLastAddress = 10;
constexpr int kWholeBus = 99;

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
// Given the port, it keeps the longest per line rate too.
class LoopProbe {
public:
    explicit LoopProbe(const SerialPort *port = nullptr)
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this, port] {
            const auto now = Wall::now();
            if (m_last) {
                const double gapMs = std::chrono::duration<double, std::milli>(now - *m_last).count();
                m_longestMs = std::max(m_longestMs, gapMs);
                if (port != nullptr) {
                    double &longest = m_longestByBaud[baudOfSettings(port->settings()).value_or(0)];
                    longest = std::max(longest, gapMs);
                }
            }
            m_last = now;
            ++m_turns;
        });
    }
    // "9600: 61 ms, 4800: ...", the fastest rate first.
    std::string longestByBaud() const
    {
        std::string text;
        for (const auto &[baud, longestMs] : m_longestByBaud)
            text += (text.empty() ? "" : ", ") + std::to_string(baud) + ": " + std::to_string(std::lround(longestMs)) +
                    " ms";
        return text;
    }
    void start()
    {
        m_last.reset();
        m_longestMs = 0;
        m_longestByBaud.clear();
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
    std::map<int, double, std::greater<>> m_longestByBaud;
    int m_turns = 0;
};

// The bound of the quick search for silent addresses 01 to lastAddress at
// the four rates.
double quickBoundMs(const QuickSearchWait &wait, int lastAddress)
{
    const std::size_t request = Exchange::requestFrame("01", std::string(cmd::Address)).size();
    double bound = 0;
    for (const int baud : kBaudRates)
        bound += lastAddress * wait.boundMs(request, baud);
    return bound;
}

// The list a search left: address and band index of each entry.
std::string listOf(const Ortavel &model)
{
    std::string list;
    for (std::size_t i = 0; i < model.OnlineList.size(); ++i)
        list += model.CMB_ADDR.entries().at(i).text + "@" +
                std::to_string(kBaudRates.at(static_cast<std::size_t>(model.OnlineList[i]))) + " ";
    return list.empty() ? "(none)" : list;
}

// The search's own exchanges are the first of the recorder since it was
// cleared (the read of the first entry follows them): their span, and the
// sum of the quick bound for the silent ones and the durations of the
// answered ones.
struct SearchSpan {
    double spanMs = 0;
    double boundMs = 0;
};

SearchSpan searchSpan(const TrafficRecorder &traffic, std::uint64_t first, int exchanges, const QuickSearchWait &wait)
{
    SearchSpan span;
    const ExchangeRecord &head = traffic.at(first);
    for (std::uint64_t seq = first; seq < first + static_cast<std::uint64_t>(exchanges); ++seq) {
        const ExchangeRecord &record = traffic.at(seq);
        span.spanMs = static_cast<double>(record.timeMs + record.durationMs - head.timeMs);
        span.boundMs += record.result == ExchangeResult::Good ? static_cast<double>(record.durationMs)
                                                              : wait.boundMs(record.request.size(), record.baud);
    }
    return span;
}

// 03 at 9600, 05 at 2400 and 08 at 1200 (the demo bus's other values).
sim::BusConfig threeTransmitters()
{
    sim::BusConfig bus;
    for (const auto &[address, baud] : {std::pair{3, 9600}, std::pair{5, 2400}, std::pair{8, 1200}}) {
        sim::TransmitterConfig transmitter;
        transmitter.address = address;
        transmitter.baud = baud;
        bus.transmitters.push_back(transmitter);
    }
    return bus;
}

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
    LinkPort &port = bench.port;
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

    const QuickSearchWait wait = loadQuickSearchWait(model.settingsStore());
    const double wholeBoundMs = quickBoundMs(wait, kWholeBus);
    double wholeTimeoutsMs = 0;
    for (const int baud : kBaudRates)
        wholeTimeoutsMs += kWholeBus * replyTimeoutMs(lineSettingsText(std::to_string(baud)));
    model.setSearchLastAddress(kWholeBus);
    std::printf("quick search of the empty bus, addresses 01 to %02d at 4 rates, turnaround bound %d ms, allowance %d "
                "ms: bound %.0f ms against %.0f ms of timeouts for the search\n",
                kWholeBus, wait.turnaroundMs, wait.allowanceMs, wholeBoundMs, wholeTimeoutsMs);
    LoopProbe quickProbe(&port);
    quickProbe.start();
    auto start = Wall::now();
    model.mnuQuickSearch_Click();
    const double quickMs = msSince(start);
    quickProbe.stop();
    std::printf("quick: %.0f ms for %.0f ms of bound, ratio %.4f (target <= 1.10); longest wait for the event loop "
                "%.1f ms over %d turns (target < 100 ms; by rate %s); panels: \"%s\" \"%s\"\n",
                quickMs, wholeBoundMs, quickMs / wholeBoundMs, quickProbe.longestMs(), quickProbe.turns(),
                quickProbe.longestByBaud().c_str(), model.StatusBar1.panel(1).c_str(),
                model.StatusBar1.panel(2).c_str());

    bench::BenchWindow three{threeTransmitters()};
    three.messages.quiet = true;
    three.model.setSearchLastAddress(kLastAddress);
    const int exchanges = static_cast<int>(kBaudRates.size()) * kLastAddress;
    std::printf("three transmitters (03 at 9600, 05 at 2400, 08 at 1200), addresses 01 to %02d at 4 rates:\n",
                kLastAddress);
    std::string lists[2];
    for (const bool quick : {false, true}) {
        const std::uint64_t first = three.model.traffic().endSequence();
        start = Wall::now();
        quick ? three.model.mnuQuickSearch_Click() : three.model.cmdSEARCH_Click();
        const double totalMs = msSince(start);
        lists[quick ? 1 : 0] = listOf(three.model);
        const SearchSpan span = searchSpan(three.model.traffic(), first, exchanges, wait);
        std::printf("%s: found %s; the search's %d exchanges %.0f ms (%.0f ms with the read of the first entry)",
                    quick ? "quick" : "search", lists[quick ? 1 : 0].c_str(), exchanges, span.spanMs, totalMs);
        if (quick)
            std::printf(" for %.0f ms of bound plus reply times, ratio %.4f (target <= 1.10)", span.boundMs,
                        span.spanMs / span.boundMs);
        std::printf("\n");
    }
    std::printf("same list as the search: %s\n", lists[0] == lists[1] ? "yes" : "NO");

    sim::SimServer::Options echoing;
    echoing.echo = true;
    bench::BenchWindow echoed{sim::BusConfig{}, echoing};
    echoed.model.setSearchLastAddress(kLastAddress);
    start = Wall::now();
    echoed.model.cmdSEARCH_Click();
    const double echoedMs = msSince(start);
    std::printf("echoing line through the echo filter (auto), empty bus, addresses 01 to %02d at 4 rates: %.0f ms for "
                "%.0f ms of timeouts, ratio %.4f (target <= 1.02)\n",
                kLastAddress, echoedMs, timeoutsMs, echoedMs / timeoutsMs);
    bench::BenchWindow threeEchoed{threeTransmitters(), echoing};
    threeEchoed.messages.quiet = true;
    threeEchoed.model.setSearchLastAddress(kLastAddress);
    bool sameLists = lists[0] == lists[1];
    for (const bool quick : {false, true}) {
        start = Wall::now();
        quick ? threeEchoed.model.mnuQuickSearch_Click() : threeEchoed.model.cmdSEARCH_Click();
        const double totalMs = msSince(start);
        const std::string list = listOf(threeEchoed.model);
        sameLists = sameLists && list == lists[0];
        std::printf("echoing line, three transmitters, %s: found %s; %.0f ms with the read of the first entry\n",
                    quick ? "quick" : "search", list.c_str(), totalMs);
    }
    std::printf("same lists on the echoing line: %s\n", sameLists ? "yes" : "NO");
    return sameLists ? 0 : 1;
}
