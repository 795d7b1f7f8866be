#include "AppOptions.h"

#include "link/PortAddress.h"
#include "link/PortMap.h"
#if ORTAVEL_HISTORY
#include "adapters/HistoryStoreSql.h"
#endif

#include <charconv>

namespace ortavel {

const char *const kAppUsage =
    "usage: ortavel [--port-map N=PATH]... [--settings-dir DIR] [--history PLACE]\n"
    "               [--search-last N] [--language spec|en|zh]\n"
    "               [--screenshot FILE [--search] [--window NAME]]\n"
    "  --port-map N=PATH   com N is the serial device PATH for this run (N 1 to 6), or a\n"
    "                      device server: tcp://HOST:PORT or rfc2217://HOST:PORT[?OPTIONS]\n"
    "  --settings-dir DIR  keep the remembered port (and the history) in DIR instead of the user's\n"
    "  --screenshot FILE   draw the main window offscreen into the PNG FILE and exit\n"
    "  --search            before the screenshot, search the bus and read the first transmitter\n"
    "  --window NAME       the screenshot shows the window NAME: frmYHJZ (calibration),\n"
    "                      FrmOrtavelAbout (About box), Traffic, Trend or Verification, opened\n"
    "                      from the main window; Traffic and Trend after collecting for a few\n"
    "                      seconds, Verification after a run, on the simulated demo bus unless\n"
    "                      --port-map is given\n"
    "  --search-last N     Search asks addresses 01 to N only (1 to 99; default 99)\n"
    "  --history PLACE     keep the instrument history in sqlite:PATH or postgresql:SERVICE\n"
    "                      from now on (remembered; default an SQLite file in the user's data)\n"
    "  --language LANG     the window's texts for this run: spec (as specified), en (English)\n"
    "                      or zh (Chinese); default the language chosen in the View menu\n"
    "  --help, --version   this text, the version\n";

namespace {

std::optional<int> wholeNumber(const std::string &text, int low, int high)
{
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    if (failure != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<AppOptions> parseAppOptions(const std::vector<std::string> &args, std::string &error)
{
    AppOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg == "--version") {
            options.version = true;
            continue;
        }
        if (arg == "--search") {
            options.search = true;
            continue;
        }
        const bool takesValue = arg == "--port-map" || arg == "--settings-dir" || arg == "--screenshot" ||
                                arg == "--search-last" || arg == "--window" || arg == "--history" ||
                                arg == "--language";
        if (!takesValue) {
            error = "unknown option " + arg;
            return std::nullopt;
        }
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            error = arg + " needs a value";
            return std::nullopt;
        }
        const std::string &value = args[++i];
        if (arg == "--port-map") {
            const auto mapping = PortMap::parseOption(value);
            if (!mapping) {
                error = "--port-map takes N=PATH with N from 1 to 6, not " + value;
                return std::nullopt;
            }
            if (std::string why; !parsePortAddress(mapping->second, why)) {
                error = "--port-map " + value;
                error += ": " + why;
                return std::nullopt;
            }
            options.portMap.push_back(*mapping);
        } else if (arg == "--settings-dir") {
            options.settingsDir = value;
        } else if (arg == "--screenshot") {
            options.screenshot = value;
        } else if (arg == "--history") {
#if ORTAVEL_HISTORY
            std::string why;
            if (!parseHistoryPlace(value, why)) {
                error = "--history: " + why;
                return std::nullopt;
            }
            options.history = value;
#else
            error = "--history: this build keeps no instrument history";
            return std::nullopt;
#endif
        } else if (arg == "--language") {
            if (value != "spec" && value != "en" && value != "zh") {
                error = "--language takes spec, en or zh, not " + value;
                return std::nullopt;
            }
            options.language = value;
        } else if (arg == "--window") {
            if (value != "frmYHJZ" && value != "FrmOrtavelAbout" && value != "Traffic" && value != "Trend" &&
                value != "Verification") {
                error = "--window takes frmYHJZ or FrmOrtavelAbout, Traffic, Trend or Verification, not " + value;
                return std::nullopt;
            }
            options.window = value;
        } else {
            options.searchLast = wholeNumber(value, 1, 99);
            if (!options.searchLast) {
                error = "--search-last takes an address from 1 to 99, not " + value;
                return std::nullopt;
            }
        }
    }
    if (options.search && !options.screenshot) {
        error = "--search goes with --screenshot";
        return std::nullopt;
    }
    if (options.window && !options.screenshot) {
        error = "--window goes with --screenshot";
        return std::nullopt;
    }
    return options;
}

#if ORTAVEL_HISTORY
HistoryPlace historyPlaceOf(const AppOptions &options, SettingsStore &settings)
{
    std::string error;
    const auto given = options.history ? parseHistoryPlace(*options.history, error) : std::nullopt;
    if (!given)
        return rememberedHistoryPlace(settings);
    rememberHistoryPlace(settings, *given);
    return *given;
}
#endif

} // namespace ortavel
