// ortavel-sim: simulated transmitters on a pseudo-terminal.

#include "sim/BusLoader.h"
#include "sim/DemoBus.h"
#include "sim/SimServer.h"

#include <charconv>
#include <csignal>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr int kUsageError = 2;
constexpr int kLineError = 1;
constexpr int kMaxTurnaroundMs = 10000;
constexpr const char *kDefaultLink = "/tmp/ortavel-sim";

constexpr const char *kUsage =
    "Usage: ortavel-sim [--link PATH] [--bus FILE] [--trace] [--turnaround MS] [--no-wire-time] [--echo]\n"
    "                   [--seed N]\n"
    "\n"
    "Simulated pressure transmitters on a pseudo-terminal. Prints the path of the\n"
    "serial end (a symbolic link) as the first line and answers until SIGINT or SIGTERM.\n"
    "\n"
    "  --link PATH       where the link to the serial end is made (default /tmp/ortavel-sim)\n"
    "  --bus FILE        bus description (JSON, its keys in ortavel-sim(1)); without it a demo\n"
    "                    bus of three transmitters:\n"
    "                    01 at 9600 baud, 07 at 4800 (version 2.00), 12 at 2400\n"
    "  --trace           log every request and reply on stderr (ms on the steady clock)\n"
    "  --turnaround MS   time between request and reply, default 5\n"
    "  --no-wire-time    bytes take no time on the line (the turnaround stays)\n"
    "  --echo            hand every request back before its reply, as a two-wire RS-485\n"
    "                    adapter that hears its own transmission does\n"
    "  --seed N          seed of the noise and of random faults (default: the bus's, else 1)\n"
    "  --help            this text\n"
    "  --version         the version\n";

struct Arguments {
    std::string link = kDefaultLink;
    std::string busFile;
    bool trace = false;
    int turnaroundMs = 5;
    bool wireTime = true;
    bool echo = false;
    std::optional<std::uint64_t> seed;
    bool help = false;
    bool version = false;
};

template <typename T> std::optional<T> wholeNumber(std::string_view text)
{
    T value{};
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// nullopt with a message on stderr for a usage error.
std::optional<Arguments> parseArguments(int argc, char **argv)
{
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        std::string_view option = argv[i];
        std::optional<std::string_view> inlineValue;
        if (const auto eq = option.find('='); option.starts_with("--") && eq != std::string_view::npos) {
            inlineValue = option.substr(eq + 1);
            option = option.substr(0, eq);
        }
        const auto value = [&]() -> std::optional<std::string_view> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < argc)
                return std::string_view(argv[++i]);
            std::cerr << "ortavel-sim: " << option << " needs a value\n";
            return std::nullopt;
        };
        const bool takesValue =
            option == "--link" || option == "--bus" || option == "--turnaround" || option == "--seed";
        if (!takesValue && inlineValue) {
            std::cerr << "ortavel-sim: " << option << " takes no value\n";
            return std::nullopt;
        }
        if (option == "--help" || option == "-h") {
            args.help = true;
        } else if (option == "--version") {
            args.version = true;
        } else if (option == "--trace") {
            args.trace = true;
        } else if (option == "--no-wire-time") {
            args.wireTime = false;
        } else if (option == "--echo") {
            args.echo = true;
        } else if (takesValue) {
            const auto text = value();
            if (!text)
                return std::nullopt;
            if (option == "--link" || option == "--bus") {
                if (text->empty()) {
                    std::cerr << "ortavel-sim: " << option << " needs a path\n";
                    return std::nullopt;
                }
                (option == "--link" ? args.link : args.busFile) = std::string(*text);
            } else if (option == "--turnaround") {
                const auto ms = wholeNumber<int>(*text);
                if (!ms || *ms < 0 || *ms > kMaxTurnaroundMs) {
                    std::cerr << "ortavel-sim: --turnaround: a whole number of ms from 0 to " << kMaxTurnaroundMs
                              << " expected, got \"" << *text << "\"\n";
                    return std::nullopt;
                }
                args.turnaroundMs = *ms;
            } else {
                args.seed = wholeNumber<std::uint64_t>(*text);
                if (!args.seed) {
                    std::cerr << "ortavel-sim: --seed: a whole number expected, got \"" << *text << "\"\n";
                    return std::nullopt;
                }
            }
        } else {
            std::cerr << "ortavel-sim: unknown argument \"" << option << "\"\n";
            return std::nullopt;
        }
    }
    return args;
}

} // namespace

int main(int argc, char **argv)
{
    using namespace ortavel::sim;

    const auto args = parseArguments(argc, argv);
    if (!args) {
        std::cerr << kUsage;
        return kUsageError;
    }
    if (args->help) {
        std::cout << kUsage;
        return 0;
    }
    if (args->version) {
        std::cout << "ortavel-sim " ORTAVEL_VERSION "\n";
        return 0;
    }

    BusConfig bus = demoBus();
    if (!args->busFile.empty()) {
        std::string error;
        const auto loaded = BusLoader::fromFile(args->busFile, error);
        if (!loaded) {
            std::cerr << "ortavel-sim: " << error << '\n';
            return kUsageError;
        }
        bus = *loaded;
    }
    if (args->seed)
        bus.seed = *args->seed;

    // Only this thread takes the stop signals; the line's thread inherits
    // the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    SimServer::Options options;
    options.linkPath = args->link;
    options.timing.turnaround = std::chrono::milliseconds(args->turnaroundMs);
    options.timing.wireTime = args->wireTime;
    options.echo = args->echo;
    options.log = args->trace ? &std::cerr : nullptr;
    options.traceLimit = 1000; // the log is the record here

    SimServer server;
    std::string path;
    try {
        path = server.start(bus, options);
    } catch (const std::exception &e) {
        std::cerr << "ortavel-sim: " << e.what() << '\n';
        return kLineError;
    }
    std::cout << path << std::endl;

    int signal = 0;
    sigwait(&stopSignals, &signal);
    server.stop();
    return 0;
}
