#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace ortavel {

class SerialDevices;
class SettingsStore;

// Why a device stands behind a port number.
enum class PortSource {
    Option,  // --port-map, for this run
    Set,     // the operator's entry in the settings store
    Found,   // a serial adapter present, by its stable name
    Default, // /dev/ttyS0 onwards
};

struct PortEntry {
    std::string device;
    PortSource source = PortSource::Default;
};

// Which device stands behind port numbers 1 to 6. On Windows "COMn"; on
// other systems the operator's entries in the settings store, else by
// default the adapters present (sorted by stable name) from com1 on, then
// /dev/ttyS0 onwards. --port-map overrides both for one run.
class PortMap {
public:
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 6;

    explicit PortMap(const SettingsStore *store = nullptr, const SerialDevices *devices = nullptr);

    void setOverride(int number, const std::string &path);
    std::string devicePath(int number) const;
    PortEntry entry(int number) const;

    // "N=PATH" with N from 1 to 6 and a non-empty path.
    static std::optional<std::pair<int, std::string>> parseOption(std::string_view option);
    static const char *sourceName(PortSource source);

private:
    std::array<PortEntry, kLastPort> lastingEntries() const;

    const SettingsStore *m_store;
    const SerialDevices *m_devices;
    std::map<int, std::string> m_overrides;
};

} // namespace ortavel
