// ortavel-cli search over three simulated buses with wire time, addresses 1 to
// 20 at the four rates: each bus alone, then all three in one run. Prints the
// median of a few runs each: the three alone, their sum, the run on all three
// and its share of the sum and of the slowest bus. A warm-up run comes first.

#include "sim/DemoBus.h"
#include "sim/SimServer.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using namespace ortavel;
using Wall = std::chrono::steady_clock;

constexpr int kRuns = 3;

// The milliseconds one run of ortavel-cli took; negative when it did not end.
double runMs(const QStringList &arguments)
{
    QProcess cli;
    const auto start = Wall::now();
    cli.start(ORTAVEL_CLI_PROGRAM, arguments);
    if (!cli.waitForFinished(300000))
        return -1;
    return std::chrono::duration<double, std::milli>(Wall::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const auto demo = sim::demoBus().transmitters;
    const std::array<sim::BusConfig, 3> buses = {sim::BusConfig{{demo[0]}, 1}, sim::BusConfig{{demo[1], demo[2]}, 2},
                                                 sim::BusConfig{{}, 3}};
    std::array<sim::SimServer, 3> servers;
    QStringList common = {"--settings-dir", folder.path(), "--no-history"};
    for (std::size_t i = 0; i < servers.size(); ++i) {
        sim::SimServer::Options options;
        options.linkPath = (folder.path() + "/com" + QString::number(i + 1)).toStdString();
        const std::string link = servers[i].start(buses[i], options);
        common << "--port-map" << QString::number(i + 1) + "=" + QString::fromStdString(link);
    }
    const QStringList search = {"search", "--addresses", "1-20"};
    runMs(common + QStringList{"--port", "1"} + search);
    std::array<std::vector<double>, 3> alone;
    std::vector<double> together;
    for (int run = 0; run < kRuns; ++run) {
        for (std::size_t i = 0; i < alone.size(); ++i)
            alone[i].push_back(runMs(common + QStringList{"--port", QString::number(i + 1)} + search));
        together.push_back(runMs(common + QStringList{"--port", "1,2,3"} + search));
    }
    double sumMs = 0;
    double slowestMs = 0;
    for (std::size_t i = 0; i < alone.size(); ++i) {
        const double ms = median(alone[i]);
        std::printf("com%zu alone: %.0f ms\n", i + 1, ms);
        sumMs += ms;
        slowestMs = std::max(slowestMs, ms);
    }
    const double allMs = median(together);
    std::printf("one after another: %.0f ms\nall three at once: %.0f ms (%.2f of the sum, %.2f of the slowest)\n",
                sumMs, allMs, allMs / sumMs, allMs / slowestMs);
    return 0;
}
