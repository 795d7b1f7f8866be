#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ortavel::cli {

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
};

struct ParsedCommandLine {
    CommonOptions options;
    std::string subcommand;
    std::vector<std::string> arguments;
};

// Parses argv after the program name; on a usage error returns nullopt and
// sets error.
std::optional<ParsedCommandLine> parseCommandLine(const std::vector<std::string> &args, std::string &error);

// A whole decimal number from first to last character, within [low, high].
std::optional<int> parseBoundedInt(const std::string &text, int low, int high);

} // namespace ortavel::cli
