#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ortavel::cli {

// One bus of several: a numbered port (through the port map) or a device.
struct BusChoice {
    std::optional<int> port;
    std::string device;

    // "com3", or the device's path: how rows and messages name the bus.
    std::string name() const;
    // The name as it can stand in a file name: "com3", "pts_4" for /dev/pts/4.
    std::string fileTag() const;
};

// Options that come before the subcommand.
struct CommonOptions {
    std::optional<std::string> device;
    std::optional<int> port;
    std::vector<std::pair<int, std::string>> portMap;
    int baud = 9600;
    // --baud auto: find each transmitter's rate by trying the four.
    bool autoBaud = false;
    bool json = false;
    bool trace = false;
    std::string settingsDir;
    // The instrument history: "sqlite:PATH" or "postgresql:SERVICE" for
    // this run (checked when the history opens), or none at all.
    std::optional<std::string> history;
    bool noHistory = false;
    // Who works the run, for the history; else the one the window keeps.
    std::optional<std::string> operatorName;
    // Every bus when several are given, numbered ports first in their order,
    // then the devices as given; device and port are then empty. Empty for
    // a run on one bus.
    std::vector<BusChoice> buses;
    // In the options each bus of several runs with: that bus, whose name
    // goes into the names of the files it writes.
    std::optional<BusChoice> bus;
};

struct ParsedCommandLine {
    CommonOptions options;
    std::string subcommand;
    std::vector<std::string> arguments;
};

// Parses argv after the program name; on a usage error returns nullopt and
// sets error.
std::optional<ParsedCommandLine> parseCommandLine(const std::vector<std::string> &args, std::string &error);

// `file` as the bus in `options` writes it: the bus's file tag before the
// extension ("backup-com3.json") when it is one of several, else as given.
std::string fileForBus(const std::string &file, const CommonOptions &options);

// A whole decimal number from first to last character, within [low, high].
std::optional<int> parseBoundedInt(const std::string &text, int low, int high);

} // namespace ortavel::cli
