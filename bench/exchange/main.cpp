// Comm_Send through the programs' port (QSerialPort behind its echo filter) against the simulated bus: how soon a reply
// is picked up after its CR, what waiting on a silent bus costs, and how
// close answered exchanges come to the time the wire itself needs.
#include "Figures.h"
#include "adapters/LinkPort.h"
#include "link/Exchange.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"
#include "sim/DemoBus.h"
#include "sim/SimServer.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

using ortavel::bench::percentile;
using ortavel::bench::printSilentBus;
using ortavel::bench::wireSeconds;

namespace {

using Steady = std::chrono::steady_clock;

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    using namespace ortavel;

    sim::SimServer server;
    sim::SimServer::Options options;
    options.timing.wireTime = true;
    // No turnaround: what remains above the wire time is the tool's own.
    options.timing.turnaround = std::chrono::nanoseconds(0);
    const std::string path = server.start(sim::demoBus(), options);
    const auto states = server.transmitters();
    const auto fast = std::find_if(states.begin(), states.end(), [](const auto &t) { return t.config.baud == 9600; });
    if (fast == states.end()) {
        std::fprintf(stderr, "the demo bus has no transmitter at 9600 baud\n");
        return 1;
    }
    const int number = fast->config.address % 100;
    const std::string address =
        std::string(1, static_cast<char>('0' + number / 10)) + static_cast<char>('0' + number % 10);

    PortMap map;
    LinkPort port(map);
    port.setSettings("9600,N,8,1");
    if (!port.openDevice(path)) {
        std::fprintf(stderr, "cannot open %s: %s\n", path.c_str(), port.errorString().c_str());
        return 1;
    }
    SteadyClock clock;
    Exchange exchange(port, clock);

    // 1. Pick-up latency: from the reply's CR on the line to the return.
    constexpr int kLatencyRuns = 300;
    server.clearTrace();
    std::vector<Steady::time_point> returned;
    for (int i = 0; i < kLatencyRuns; ++i) {
        exchange.Comm_Send(address, "TY");
        returned.push_back(Steady::now());
    }
    const auto trace = server.trace();
    std::vector<double> latencyUs;
    for (std::size_t i = 0; i < trace.size() && i < returned.size(); ++i) {
        if (trace[i].replyEnd)
            latencyUs.push_back(std::chrono::duration<double, std::micro>(returned[i] - *trace[i].replyEnd).count());
    }
    if (latencyUs.size() != returned.size()) {
        std::fprintf(stderr, "only %zu of %zu exchanges were answered\n", latencyUs.size(), returned.size());
        return 1;
    }

    // 2. CPU while waiting on a silent bus.
    printSilentBus(exchange, 30);

    // 3. Answered exchanges against their wire-time lower bound. The first
    // one after the silent runs drains the line; it is not timed.
    constexpr int kAnsweredRuns = 100;
    exchange.Comm_Send(address, "RP0");
    server.clearTrace();
    const auto answeredStart = Steady::now();
    for (int i = 0; i < kAnsweredRuns; ++i)
        exchange.Comm_Send(address, "RP0");
    const double answeredWall = std::chrono::duration<double>(Steady::now() - answeredStart).count();
    double lowerBound = 0;
    for (const auto &entry : server.trace())
        lowerBound += wireSeconds(entry.frame.size() + entry.reply.size(), 9600);

    std::printf("pick-up latency after the reply's CR (%d exchanges): median %.1f us, p99 %.1f us, max %.1f us\n",
                kLatencyRuns, percentile(latencyUs, 0.5), percentile(latencyUs, 0.99),
                *std::max_element(latencyUs.begin(), latencyUs.end()));
    std::printf("%d answered exchanges at 9600 baud: %.3f s, wire-time lower bound %.3f s, ratio %.3f\n", kAnsweredRuns,
                answeredWall, lowerBound, answeredWall / lowerBound);
    port.close();
    server.stop();
    return 0;
}
