#include "PortMap.h"

#include "PortAddress.h"
#include "SerialDevices.h"
#include "SettingsStore.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace ortavel {

namespace {
constexpr const char *kPortMapSection = "PortMap";

std::string builtInPort(int index)
{
    return "/dev/ttyS" + std::to_string(index);
}
} // namespace

PortMap::PortMap(const SettingsStore *store, const SerialDevices *devices) : m_store(store), m_devices(devices) {}

void PortMap::setOverride(int number, const std::string &path)
{
    m_overrides[number] = path;
}

std::string PortMap::devicePath(int number) const
{
    return entry(number).device;
}

PortEntry PortMap::entry(int number) const
{
    if (const auto it = m_overrides.find(number); it != m_overrides.end())
        return {it->second, PortSource::Option};
#ifdef _WIN32
    return {"COM" + std::to_string(number), PortSource::Default};
#else
    if (number < kFirstPort || number > kLastPort)
        return {builtInPort(number - 1), PortSource::Default};
    return lastingEntries().at(static_cast<std::size_t>(number - kFirstPort));
#endif
}

std::array<PortEntry, PortMap::kLastPort> PortMap::lastingEntries() const
{
    // The defaults do not depend on the operator's entries, so an adapter
    // keeps its number whatever else is set.
    std::vector<std::string> adapters = m_devices != nullptr ? m_devices->adapters() : std::vector<std::string>();
    std::sort(adapters.begin(), adapters.end());
    std::array<PortEntry, kLastPort> entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries.at(i) = i < adapters.size()
                            ? PortEntry{adapters[i], PortSource::Found}
                            : PortEntry{builtInPort(static_cast<int>(i - adapters.size())), PortSource::Default};
        if (m_store == nullptr)
            continue;
        const std::string stored =
            m_store->value(kSettingsApplication, kPortMapSection, std::to_string(i + kFirstPort), "");
        // Only an absolute path or a network link counts; anything else in
        // the store is ignored.
        if (isPortAddressText(stored))
            entries.at(i) = {stored, PortSource::Set};
    }
    return entries;
}

const char *PortMap::sourceName(PortSource source)
{
    switch (source) {
    case PortSource::Option:
        return "option";
    case PortSource::Set:
        return "set";
    case PortSource::Found:
        return "found";
    case PortSource::Default:
        break;
    }
    return "default";
}

std::optional<std::pair<int, std::string>> PortMap::parseOption(std::string_view option)
{
    const auto eq = option.find('=');
    if (eq == std::string_view::npos || eq + 1 >= option.size())
        return std::nullopt;
    int number = 0;
    const auto [ptr, ec] = std::from_chars(option.data(), option.data() + eq, number);
    if (ec != std::errc() || ptr != option.data() + eq || number < kFirstPort || number > kLastPort)
        return std::nullopt;
    return std::make_pair(number, std::string(option.substr(eq + 1)));
}

} // namespace ortavel
