#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ortavel {

// The command line of the window program.
struct AppOptions {
    std::vector<std::pair<int, std::string>> portMap;
    std::optional<std::string> settingsDir;
    std::optional<std::string> screenshot;
    // The window the screenshot shows, when not the main window.
    std::optional<std::string> window;
    bool search = false;
    std::optional<int> searchLast;
    // Where the history is kept, as given ("sqlite:PATH"); checked.
    std::optional<std::string> history;
    // The window's language for this run: "spec", "en" or "zh"; else the
    // one the operator chose last.
    std::optional<std::string> language;
    bool help = false;
    bool version = false;
};

// Parses argv after the program name; nullopt with error set on a usage
// error.
std::optional<AppOptions> parseAppOptions(const std::vector<std::string> &args, std::string &error);

extern const char *const kAppUsage;

#if ORTAVEL_HISTORY
struct HistoryPlace;
class SettingsStore;
// The place given with --history, remembered for the next runs; else the
// one remembered, else the default.
HistoryPlace historyPlaceOf(const AppOptions &options, SettingsStore &settings);
#endif

} // namespace ortavel
