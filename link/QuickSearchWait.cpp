#include "QuickSearchWait.h"

#include "LineSettings.h"
#include "SettingsStore.h"
#include "text/OperatorText.h"

#include <cctype>
#include <charconv>

namespace ortavel {

namespace {

constexpr const char *kQuickSearchSection = "QuickSearch";

// The request and the first reply character, each 10 bits at the rate.
std::size_t wireBits(std::size_t requestLength)
{
    return (requestLength + 1) * kBitsPerCharacter;
}

int loadOne(const SettingsStore &store, const WaitSetting &setting)
{
    const std::string text =
        store.value(kSettingsApplication, kQuickSearchSection, setting.name, std::to_string(setting.defaultMs));
    return parseWaitMs(text, setting).value_or(setting.defaultMs);
}

} // namespace

int QuickSearchWait::firstCharacterMs(std::size_t requestLength, int baud) const
{
    if (baud <= 0)
        return 0;
    const auto ms = static_cast<int>((wireBits(requestLength) * kMsPerSecond + static_cast<std::size_t>(baud) - 1) /
                                     static_cast<std::size_t>(baud));
    return ms + turnaroundMs + allowanceMs;
}

double QuickSearchWait::boundMs(std::size_t requestLength, int baud) const
{
    if (baud <= 0)
        return 0;
    return static_cast<double>(wireBits(requestLength)) * kMsPerSecond / baud + turnaroundMs + allowanceMs;
}

std::optional<int> parseWaitMs(std::string_view text, const WaitSetting &setting)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0)
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())) != 0)
        text.remove_suffix(1);
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end || value < setting.minMs || value > setting.maxMs)
        return std::nullopt;
    return value;
}

std::string waitSettingError(const WaitSetting &setting)
{
    // The known settings by the words the operator reads; any other by its key.
    std::string name;
    if (std::string_view(setting.name) == kTurnaroundSetting.name) {
        name = OT_TR("Ortavel", "turnaround");
    } else if (std::string_view(setting.name) == kAllowanceSetting.name) {
        name = OT_TR("Ortavel", "allowance");
    } else {
        name = setting.name;
        name.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(name.front())));
    }
    return fill(OT_TR("Ortavel", "%1 takes a whole number of milliseconds from %2 to %3"),
                {name, std::to_string(setting.minMs), std::to_string(setting.maxMs)});
}

std::string quickSearchNotice(int turnaroundMs)
{
    return fill(OT_TR("Ortavel", "Quick search waits %1 ms for a transmitter to start answering; use Search for "
                                 "slower ones"),
                {std::to_string(turnaroundMs)});
}

std::string quickSearchAdditions(int linkAllowanceMs, int latencyMs)
{
    const std::string allowance = std::to_string(linkAllowanceMs);
    const std::string latency = std::to_string(latencyMs);
    if (linkAllowanceMs > 0 && latencyMs > 0)
        return fill(OT_TR("Ortavel", "The link's reply allowance (%1 ms) and the adapter's latency timer (%2 ms) are "
                                     "added to the wait"),
                    {allowance, latency});
    if (linkAllowanceMs > 0)
        return fill(OT_TR("Ortavel", "The link's reply allowance (%1 ms) is added to the wait"), {allowance});
    if (latencyMs > 0)
        return fill(OT_TR("Ortavel", "The adapter's latency timer (%1 ms) is added to the wait"), {latency});
    return {};
}

QuickSearchWait loadQuickSearchWait(const SettingsStore &store)
{
    return {loadOne(store, kTurnaroundSetting), loadOne(store, kAllowanceSetting)};
}

bool saveQuickSearchWait(SettingsStore &store, const QuickSearchWait &wait)
{
    const bool turnaround = store.setValue(kSettingsApplication, kQuickSearchSection, kTurnaroundSetting.name,
                                           std::to_string(wait.turnaroundMs));
    const bool allowance = store.setValue(kSettingsApplication, kQuickSearchSection, kAllowanceSetting.name,
                                          std::to_string(wait.allowanceMs));
    return turnaround && allowance;
}

} // namespace ortavel
