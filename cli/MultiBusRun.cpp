#include "MultiBusRun.h"

#include "CommonOptions.h"
#include "Console.h"
#include "Interrupt.h"
#include "LinkSession.h"
#include "Subcommand.h"

#if ORTAVEL_HISTORY
#include "RunHistory.h"
#endif

#include <QFileInfo>
#include <QThread>

#include <array>
#include <exception>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

namespace ortavel::cli {

namespace {

constexpr std::array<std::string_view, 5> kOnSeveralBuses = {"search", "read", "backup", "apply", "verify"};

int severity(int status)
{
    switch (status) {
    case kExitOk:
        return 0;
    case kExitFailed:
        return 1;
    case kExitUsage:
        return 2;
    default:
        return 3;
    }
}

struct BusRun {
    BusOutput output;
    int status = kExitOk;
};

#if ORTAVEL_HISTORY
using SharedWriter = std::shared_ptr<HistoryWriter>;
#else
using SharedWriter = std::nullptr_t;
#endif

void runBus(const ParsedCommandLine &parsed, const BusChoice &bus, const SharedWriter &writer, BusRun &run)
{
    const BusCapture capture(run.output);
    CommonOptions options = parsed.options;
    options.buses.clear();
    options.port = bus.port;
    options.device = bus.port ? std::nullopt : std::optional<std::string>(bus.device);
    options.bus = bus;
    std::string error;
    // A command of its own: run() may keep what it did.
    const auto command = makeSubcommand(parsed.subcommand);
    if (!command || !command->parse(parsed.arguments, options, error)) {
        errf("ortavel-cli: %s\n", error.c_str());
        run.status = kExitUsage;
        return;
    }
#if ORTAVEL_HISTORY
    auto session = writer ? std::make_unique<LinkSession>(options, writer) : std::make_unique<LinkSession>(options);
#else
    static_cast<void>(writer); // no history to share
    auto session = std::make_unique<LinkSession>(options);
#endif
    if (!session->open(error)) {
        errf("ortavel-cli: %s\n", error.c_str());
        run.status = kExitUsage;
        return;
    }
    try {
        run.status = command->run(session->bus(), options);
    } catch (const std::exception &e) {
        // One bus's trouble must not end the others' runs.
        errf("ortavel-cli: stopped: %s\n", e.what());
        run.status = kExitFailed;
    }
    session->finish();
}

// The same device twice, once by number and once by path, would have two
// sessions talk over each other on one line.
std::optional<std::string> whySameDevice(const CommonOptions &options)
{
    const SettingsStoreQt store(QString::fromStdString(options.settingsDir));
    const SerialDeviceFolder devices;
    PortMap map(&store, &devices);
    for (const auto &[number, path] : options.portMap)
        map.setOverride(number, path);
    std::map<QString, std::string> seen;
    for (const BusChoice &bus : options.buses) {
        const QString path = QString::fromStdString(bus.port ? map.devicePath(*bus.port) : bus.device);
        const QString canonical = QFileInfo(path).canonicalFilePath();
        const auto [at, added] = seen.emplace(canonical.isEmpty() ? path : canonical, bus.name());
        if (!added)
            return at->second + " and " + bus.name() + " are the same device " + path.toStdString();
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> whyNotOnSeveralBuses(const std::string &subcommand)
{
    for (const auto name : kOnSeveralBuses)
        if (subcommand == name)
            return std::nullopt;
    return subcommand + " takes one port; several go with search, read, backup, apply and verify";
}

int runOnSeveralBuses(const ParsedCommandLine &parsed)
{
    if (const auto why = whySameDevice(parsed.options)) {
        errf("ortavel-cli: %s\n", why->c_str());
        return kExitUsage;
    }
    SharedWriter writer{};
#if ORTAVEL_HISTORY
    if (!parsed.options.noHistory) {
        const SettingsStoreQt settings(QString::fromStdString(parsed.options.settingsDir));
        std::string error;
        const auto place = chosenHistoryPlace(parsed.options, settings, error);
        if (!place) {
            errf("ortavel-cli: %s\n", error.c_str());
            return kExitUsage;
        }
        // One writer, one connection on its own thread: the buses only queue.
        writer = std::make_shared<HistoryWriter>(place->place, defaultSpoolPath());
    }
#else
    if (parsed.options.history) {
        err("ortavel-cli: --history: this build keeps no instrument history\n");
        return kExitUsage;
    }
#endif
    const auto &buses = parsed.options.buses;
    std::vector<BusRun> runs(buses.size());
    for (std::size_t i = 0; i < buses.size(); ++i)
        runs[i].output.port = buses[i].name();
    if (parsed.subcommand == "verify") {
        for (std::size_t i = 0; i < buses.size(); ++i) {
            if (Interrupt::requested()) {
                errf("ortavel-cli: %s: not started (Ctrl-C)\n", runs[i].output.port.c_str());
                runs[i].status = kExitInterrupted;
                continue;
            }
            runBus(parsed, buses[i], writer, runs[i]);
        }
    } else {
        // QThread, not std::thread: the serial port's notifiers need the
        // event dispatcher a QThread brings, though nothing here runs a loop.
        std::vector<std::unique_ptr<QThread>> threads;
        for (std::size_t i = 0; i < buses.size(); ++i) {
            threads.emplace_back(QThread::create([&, i] { runBus(parsed, buses[i], writer, runs[i]); }));
            threads.back()->start();
        }
        for (auto &thread : threads)
            thread->wait();
    }
    std::vector<BusOutput> outputs;
    int status = kExitOk;
    for (auto &run : runs) {
        outputs.push_back(std::move(run.output));
        if (severity(run.status) > severity(status))
            status = run.status;
    }
    out(mergedOutput(outputs));
#if ORTAVEL_HISTORY
    if (writer)
        finishWriter(*writer);
#endif
    return status;
}

} // namespace ortavel::cli
