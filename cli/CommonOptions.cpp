#include "CommonOptions.h"

#include "link/LineSettings.h"
#include "link/PortAddress.h"
#include "link/PortMap.h"

#include <charconv>

namespace ortavel::cli {

std::optional<int> parseBoundedInt(const std::string &text, int low, int high)
{
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<ParsedCommandLine> parseCommandLine(const std::vector<std::string> &args, std::string &error)
{
    ParsedCommandLine parsed;
    std::size_t i = 0;
    auto takeValue = [&](const std::string &option) -> std::optional<std::string> {
        if (i + 1 >= args.size()) {
            error = option + " needs a value";
            return std::nullopt;
        }
        return args[++i];
    };
    for (; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg.empty() || arg.front() != '-')
            break;
        if (arg == "--json") {
            parsed.options.json = true;
        } else if (arg == "--trace") {
            parsed.options.trace = true;
        } else if (arg == "--device") {
            const auto value = takeValue(arg);
            if (!value)
                return std::nullopt;
            parsed.options.device = *value;
        } else if (arg == "--port") {
            const auto value = takeValue(arg);
            if (!value)
                return std::nullopt;
            parsed.options.port = parseBoundedInt(*value, PortMap::kFirstPort, PortMap::kLastPort);
            if (!parsed.options.port) {
                error = "--port takes a number from 1 to 6";
                return std::nullopt;
            }
        } else if (arg == "--port-map") {
            const auto value = takeValue(arg);
            if (!value)
                return std::nullopt;
            const auto entry = PortMap::parseOption(*value);
            if (!entry) {
                error = "--port-map takes N=PATH with N from 1 to 6";
                return std::nullopt;
            }
            if (std::string why; !parsePortAddress(entry->second, why)) {
                error = "--port-map " + *value + ": " + why;
                return std::nullopt;
            }
            parsed.options.portMap.push_back(*entry);
        } else if (arg == "--baud") {
            const auto value = takeValue(arg);
            if (!value)
                return std::nullopt;
            if (*value == "auto") {
                parsed.options.autoBaud = true;
                continue;
            }
            const auto baud = parseBoundedInt(*value, 1, 1000000);
            if (!baud || !bandIndexOfBaud(*baud)) {
                error = "--baud takes 1200, 2400, 4800, 9600 or auto";
                return std::nullopt;
            }
            parsed.options.baud = *baud;
            parsed.options.autoBaud = false;
        } else if (arg == "--history" || arg == "--operator") {
            const auto value = takeValue(arg);
            if (!value)
                return std::nullopt;
            (arg == "--history" ? parsed.options.history : parsed.options.operatorName) = *value;
        } else if (arg == "--no-history") {
            parsed.options.noHistory = true;
        } else if (arg == "--settings-dir") {
            const auto value = takeValue(arg);
            if (!value)
                return std::nullopt;
            parsed.options.settingsDir = *value;
        } else {
            error = "unknown option " + arg;
            return std::nullopt;
        }
    }
    if (parsed.options.device && parsed.options.port) {
        error = "--device and --port exclude each other";
        return std::nullopt;
    }
    if (parsed.options.history && parsed.options.noHistory) {
        error = "--history and --no-history exclude each other";
        return std::nullopt;
    }
    if (i >= args.size()) {
        error = "no subcommand";
        return std::nullopt;
    }
    parsed.subcommand = args[i];
    parsed.arguments.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    return parsed;
}

} // namespace ortavel::cli
