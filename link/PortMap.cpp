#include "PortMap.h"

#include "SettingsStore.h"

#include <charconv>

namespace ortavel {

namespace {
constexpr const char *kApplication = "Kavrin";
constexpr const char *kSection = "PortMap";
} // namespace

PortMap::PortMap(const SettingsStore *store) : m_store(store) {}

void PortMap::setOverride(int number, const std::string &path)
{
    m_overrides[number] = path;
}

std::string PortMap::devicePath(int number) const
{
#ifdef _WIN32
    return "COM" + std::to_string(number);
#else
    if (const auto it = m_overrides.find(number); it != m_overrides.end())
        return it->second;
    std::string fallback = "/dev/ttyS" + std::to_string(number - 1);
    if (m_store == nullptr || number < kFirstPort || number > kLastPort)
        return fallback;
    const std::string stored = m_store->value(kApplication, kSection, std::to_string(number), "");
    // Only an absolute path counts; anything else in the store is ignored.
    return (!stored.empty() && stored.front() == '/') ? stored : fallback;
#endif
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
