#pragma once

#include "verify/ReportNumbers.h"

#include <functional>
#include <memory>
#include <string>

namespace ortavel {

class ConfigurationMenu;
class HistoryStore;
class Ortavel;
class QtWindowHost;
class Registry;
class SystemTools;

// What the History window reads: a store of its own (not the writer's),
// and how to open it, again after a failure.
struct HistoryReads {
    HistoryStore &store;
    std::function<bool()> connect;
    std::string place; // as the About box names it
};

// The windows the main window opens: the calibration window, the About box,
// the Traffic, Trend, Verification and History windows, each made afresh at
// every opening. The main window closes them, with their closing steps,
// before it closes itself and its port. registry may be null where the
// platform has none; without history (or in builds without it) there is no
// History window.
// Where the Verification window's report numbers come from, by prefix.
using ReportNumbersMaker = std::function<std::unique_ptr<verify::ReportNumbers>(const std::string &prefix)>;

// The Configuration menu comes back for its file hooks; the host's makers
// hold it too.
std::shared_ptr<ConfigurationMenu> addToolWindows(QtWindowHost &host, Ortavel &main, SystemTools &tools,
                                                  Registry *registry, const HistoryReads *history = nullptr,
                                                  const ReportNumbersMaker &reportNumbers = {});

} // namespace ortavel
