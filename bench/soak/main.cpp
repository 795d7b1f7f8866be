// Soak: many exchanges through QSerialPort against a simulated bus whose
// transmitters spoil about one reply in ten at random. Every result must be
// the one the injected fault calls for; memory, open files and CPU per
// exchange must not creep up.
#include "ResourceUse.h"
#include "ResultPrediction.h"
#include "adapters/SerialPortQt.h"
#include "link/Exchange.h"
#include "link/LineSettings.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"
#include "sim/DemoBus.h"
#include "sim/SimServer.h"

#include <QCoreApplication>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace ortavel;
using Steady = std::chrono::steady_clock;

constexpr int kBlock = 1000;
constexpr int kShownMismatches = 10;
constexpr std::array<const char *, 8> kCommands = {"AD", "TY", "ID", "VR", "RP0", "RT0", "DP", "UT"};

struct Options {
    int exchanges = 20000;
    std::uint64_t seed = 1;
    double faultRate = 0.1;
    int turnaroundUs = 500;
};

Options parseOptions(int argc, char **argv)
{
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char *value = argv[i + 1];
        if (name == "--exchanges")
            o.exchanges = std::max(2 * kBlock, static_cast<int>(std::strtol(value, nullptr, 10)));
        else if (name == "--seed")
            o.seed = std::strtoull(value, nullptr, 10);
        else if (name == "--fault-rate")
            o.faultRate = std::strtod(value, nullptr);
        else if (name == "--turnaround-us")
            o.turnaroundUs = std::max(0, static_cast<int>(std::strtol(value, nullptr, 10)));
    }
    return o;
}

sim::BusConfig soakBus(const Options &o)
{
    sim::BusConfig bus = sim::demoBus();
    bus.transmitters.resize(2); // 01 at 9600, 07 at 4800
    for (auto &t : bus.transmitters)
        t.fault.randomProbability = o.faultRate;
    bus.seed = o.seed;
    return bus;
}

struct Block {
    double threadCpu = 0;
    double processCpu = 0;
    double wall = 0;
    double cleanWall = 0; // of the exchanges answered without a fault
    int clean = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Options o = parseOptions(argc, argv);

    sim::SimServer server;
    sim::SimServer::Options simOptions;
    simOptions.timing.wireTime = false;
    simOptions.timing.turnaround = std::chrono::microseconds(o.turnaroundUs);
    simOptions.traceLimit = 16;
    const sim::BusConfig bus = soakBus(o);
    PortMap portMap;
    portMap.setOverride(1, server.start(bus, simOptions));
    SerialPortQt port(portMap);
    SteadyClock clock;
    Exchange exchange(port, clock);
    if (!port.setPortNumber(1) || !port.open()) {
        std::fprintf(stderr, "soak: cannot open the simulated line: %s\n", port.errorString().c_str());
        return 2;
    }

    std::map<sim::Fault, int> faults;
    int mismatches = 0;
    std::vector<Block> blocks;
    bench::ResourceUse afterFirstBlock;
    bench::ResourceUse blockStart = bench::ResourceUse::now();
    auto wallStart = Steady::now();
    double cleanWall = 0;
    int clean = 0;
    const auto soakStart = wallStart;

    for (int n = 0; n < o.exchanges; ++n) {
        const auto &t = bus.transmitters[static_cast<std::size_t>(n) % bus.transmitters.size()];
        const std::string settings = lineSettingsText(std::to_string(t.baud));
        if (port.settings() != settings)
            port.setSettings(settings);
        const std::string address = (t.address < 10 ? "0" : "") + std::to_string(t.address);
        const std::string command = kCommands[static_cast<std::size_t>(n / 2) % kCommands.size()];

        const auto sent = Steady::now();
        const std::string result = exchange.Comm_Send(address, command);
        const double took = std::chrono::duration<double>(Steady::now() - sent).count();
        const auto trace = server.trace();
        server.clearTrace();
        if (trace.empty()) {
            ++mismatches;
            std::fprintf(stderr, "exchange %d: nothing reached the bus\n", n);
            continue;
        }
        const sim::TraceEntry &entry = trace.back();
        ++faults[entry.fault];
        if (entry.fault == sim::Fault::None && entry.responders > 0) {
            cleanWall += took;
            ++clean;
        }
        const std::string expected = bench::predictedResult(entry);
        if (result != expected && ++mismatches <= kShownMismatches)
            std::fprintf(stderr, "exchange %d (%s %s, %s): got \"%s\", expected \"%s\"\n", n, address.c_str(),
                         command.c_str(), std::string(sim::faultName(entry.fault)).c_str(),
                         sim::TraceLog::escaped(result).c_str(), sim::TraceLog::escaped(expected).c_str());
        // Let a late reply reach the port, so that the next exchange has to
        // throw it away.
        if (entry.fault == sim::Fault::Late)
            std::this_thread::sleep_for(sim::WireTiming::lateTime(t.baud, sim::WireTiming{}.lateMax) -
                                        std::chrono::milliseconds(replyTimeoutMs(settings)) +
                                        std::chrono::milliseconds(15));

        if ((n + 1) % kBlock == 0) {
            const auto use = bench::ResourceUse::now();
            const auto wallNow = Steady::now();
            blocks.push_back({use.threadCpuSeconds - blockStart.threadCpuSeconds,
                              use.processCpuSeconds - blockStart.processCpuSeconds,
                              std::chrono::duration<double>(wallNow - wallStart).count(), cleanWall, clean});
            cleanWall = 0;
            clean = 0;
            if (blocks.size() == 1)
                afterFirstBlock = use;
            blockStart = use;
            wallStart = wallNow;
        }
    }
    const auto end = bench::ResourceUse::now();
    const double total = std::chrono::duration<double>(Steady::now() - soakStart).count();
    port.close();

    std::printf("exchanges            %d in %.1f s, seed %llu, fault rate %.2f\n", o.exchanges, total,
                static_cast<unsigned long long>(o.seed), o.faultRate);
    for (const auto &[fault, count] : faults)
        std::printf("  %-20s %6d\n", std::string(sim::faultName(fault)).c_str(), count);
    std::printf("mismatches           %d\n", mismatches);
    std::printf("resident memory      %zu KiB after %d, %zu KiB at the end (%+ld KiB)\n", afterFirstBlock.residentKiB,
                kBlock, end.residentKiB,
                static_cast<long>(end.residentKiB) - static_cast<long>(afterFirstBlock.residentKiB));
    std::printf("open files           %d after %d, %d at the end\n", afterFirstBlock.openFiles, kBlock, end.openFiles);
    const Block &first = blocks.front();
    const Block &last = blocks.back();
    const auto perExchangeUs = [](double seconds) { return seconds * 1e6 / kBlock; };
    std::printf("CPU per exchange     first %d: %.1f us (thread), %.1f us (process); last %d: %.1f us, %.1f us\n",
                kBlock, perExchangeUs(first.threadCpu), perExchangeUs(first.processCpu), kBlock,
                perExchangeUs(last.threadCpu), perExchangeUs(last.processCpu));
    std::printf("wall per exchange    first %d: %.2f ms; last %d: %.2f ms (timeouts and late replies included)\n",
                kBlock, first.wall * 1e3 / kBlock, kBlock, last.wall * 1e3 / kBlock);
    std::printf("answered exchange    first %d: %.2f ms; last %d: %.2f ms (mean, no fault)\n", kBlock,
                first.cleanWall * 1e3 / std::max(first.clean, 1), kBlock,
                last.cleanWall * 1e3 / std::max(last.clean, 1));
    return mismatches == 0 ? 0 : 1;
}
