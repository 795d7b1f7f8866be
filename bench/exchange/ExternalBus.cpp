// Comm_Send through the system's serial port against a bus outside the
// process: on Windows (or Wine) the simulator runs elsewhere, so what is
// timed is each whole exchange against the time its bytes need on the wire.
//   bench_exchange [--port N]   transmitter 01 at 9600 baud behind comN,
//                                  ortavel-sim --turnaround 0 for the tool alone
#include "Figures.h"
#include "adapters/SystemSerialPort.h"
#include "link/Exchange.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using ortavel::bench::percentile;
using ortavel::bench::printSilentBus;
using ortavel::bench::wireSeconds;

namespace {

using Steady = std::chrono::steady_clock;

} // namespace

int main(int argc, char **argv)
{
    using namespace ortavel;
    int number = 1;
    if (argc == 3 && std::string(argv[1]) == "--port")
        number = std::atoi(argv[2]);
    PortMap map;
    SystemSerialPort port(map);
    port.setSettings("9600,N,8,1");
    if (!port.setPortNumber(number) || !port.open()) {
        std::fprintf(stderr, "cannot open com%d: %s\n", number, port.errorString().c_str());
        return 1;
    }
    SteadyClock clock;
    Exchange exchange(port, clock);
    const std::string address = "01";

    // 1. What each answered exchange takes beyond its bytes on the wire:
    // the simulator's reply, the serial layer's hand-over and the pick-up.
    constexpr int kLatencyRuns = 300;
    std::vector<double> excessUs;
    for (int i = 0; i < kLatencyRuns; ++i) {
        const auto start = Steady::now();
        const std::string result = exchange.Comm_Send(address, "TY");
        const double took = std::chrono::duration<double, std::micro>(Steady::now() - start).count();
        if (result.rfind("ERR", 0) == 0 || result.rfind("EER", 0) == 0) {
            std::fprintf(stderr, "exchange %d got %s\n", i, result.c_str());
            return 1;
        }
        excessUs.push_back(took -
                           1e6 * wireSeconds(exchange.lastRequest().size() + exchange.lastReceived().size(), 9600));
    }

    // 2. CPU while waiting on a silent bus.
    printSilentBus(exchange, 30);

    // 3. Answered exchanges against their wire-time lower bound; the first
    // after the silent runs drains the line and is not timed.
    constexpr int kAnsweredRuns = 100;
    exchange.Comm_Send(address, "RP0");
    double lowerBound = 0;
    const auto answeredStart = Steady::now();
    for (int i = 0; i < kAnsweredRuns; ++i) {
        exchange.Comm_Send(address, "RP0");
        lowerBound += wireSeconds(exchange.lastRequest().size() + exchange.lastReceived().size(), 9600);
    }
    const double answeredWall = std::chrono::duration<double>(Steady::now() - answeredStart).count();

    std::printf("beyond the wire time per exchange (%d exchanges): median %.1f us, p99 %.1f us, max %.1f us\n",
                kLatencyRuns, percentile(excessUs, 0.5), percentile(excessUs, 0.99),
                *std::max_element(excessUs.begin(), excessUs.end()));
    std::printf("%d answered exchanges at 9600 baud: %.3f s, wire-time lower bound %.3f s, ratio %.3f\n", kAnsweredRuns,
                answeredWall, lowerBound, answeredWall / lowerBound);
    port.close();
    return 0;
}
