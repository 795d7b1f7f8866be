#include "CommonOptions.h"

#include "link/LineSettings.h"
#include "link/PortAddress.h"
#include "link/PortMap.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace ortavel::cli {

namespace {

// Numbered ports in their order, then the devices as given; one of each only.
bool chooseBuses(const std::vector<int> &ports, const std::vector<std::string> &devices, CommonOptions &options,
                 std::string &error)
{
    std::set<int> portSet;
    for (const int port : ports)
        if (!portSet.insert(port).second) {
            error = "--port " + std::to_string(port) + " is given twice";
            return false;
        }
    std::set<std::string> deviceSet;
    for (const auto &device : devices)
        if (!deviceSet.insert(device).second) {
            error = "--device " + device + " is given twice";
            return false;
        }
    if (ports.size() + devices.size() == 1) {
        if (ports.empty())
            options.device = devices.front();
        else
            options.port = ports.front();
        return true;
    }
    std::set<std::string> tags;
    for (const int port : portSet)
        options.buses.push_back(BusChoice{port, {}});
    for (const auto &device : devices)
        options.buses.push_back(BusChoice{std::nullopt, device});
    for (const auto &bus : options.buses)
        if (!tags.insert(bus.fileTag()).second) {
            // Their files would overwrite each other.
            error = "--device " + bus.device + " and another bus have the same name in files";
            return false;
        }
    return true;
}

} // namespace

std::string BusChoice::name() const
{
    return port ? "com" + std::to_string(*port) : device;
}

std::string BusChoice::fileTag() const
{
    if (port)
        return name();
    std::string tag = device.starts_with("/dev/") ? device.substr(5) : device;
    std::replace_if(
        tag.begin(), tag.end(),
        [](char c) {
            return !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                     c == '_' || c == '.');
        },
        '_');
    return tag.substr(std::min(tag.find_first_not_of('_'), tag.size()));
}

std::string fileForBus(const std::string &file, const CommonOptions &options)
{
    if (!options.bus || file.empty())
        return file;
    const std::size_t slash = file.find_last_of("/\\");
    const std::size_t dot = file.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot > (slash == std::string::npos ? 0 : slash + 1);
    const std::size_t at = hasExtension ? dot : file.size();
    return file.substr(0, at) + "-" + options.bus->fileTag() + file.substr(at);
}

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
    std::vector<int> ports;
    std::vector<std::string> devices;
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
            devices.push_back(*value);
        } else if (arg == "--port") {
            const auto value = takeValue(arg);
            if (!value)
                return std::nullopt;
            std::size_t start = 0;
            do {
                const std::size_t comma = std::min(value->find(',', start), value->size());
                const auto port =
                    parseBoundedInt(value->substr(start, comma - start), PortMap::kFirstPort, PortMap::kLastPort);
                if (!port) {
                    error = "--port takes a number from 1 to 6, or several separated by commas";
                    return std::nullopt;
                }
                ports.push_back(*port);
                start = comma + 1;
            } while (start <= value->size());
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
                error = "--port-map " + *value;
                error += ": " + why;
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
    if (!chooseBuses(ports, devices, parsed.options, error))
        return std::nullopt;
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
