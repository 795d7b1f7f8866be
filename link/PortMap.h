#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace ortavel {

class SettingsStore;

// Which device stands behind port numbers 1 to 6. On Windows "COMn"; on
// other systems a per-user mapping in the settings store (default
// /dev/ttyS0 to /dev/ttyS5), overridden for one run by --port-map.
class PortMap {
public:
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 6;

    explicit PortMap(const SettingsStore *store = nullptr);

    void setOverride(int number, const std::string &path);
    std::string devicePath(int number) const;

    // "N=PATH" with N from 1 to 6 and a non-empty path.
    static std::optional<std::pair<int, std::string>> parseOption(std::string_view option);

private:
    const SettingsStore *m_store;
    std::map<int, std::string> m_overrides;
};

} // namespace ortavel
