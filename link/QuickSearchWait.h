#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ortavel {

class SettingsStore;

// One of the two settings of the quick search, in whole milliseconds.
struct WaitSetting {
    const char *name; // also its key in the settings store
    int minMs;
    int maxMs;
    int defaultMs;
};

inline constexpr WaitSetting kTurnaroundSetting{"Turnaround", 5, 200, 30};
// A USB serial adapter holds received bytes back for up to its latency
// timer, 16 ms by default on the common ones.
inline constexpr WaitSetting kAllowanceSetting{"Allowance", 0, 50, 20};

// How long the quick search waits for the first character of a reply: the
// request on the wire, the turnaround bound, one reply character and the
// adapter allowance. A reply begun in time gets the whole reply timeout.
struct QuickSearchWait {
    int turnaroundMs = kTurnaroundSetting.defaultMs;
    int allowanceMs = kAllowanceSetting.defaultMs;

    // Counted from the write of a request of that many characters, rounded
    // up to whole milliseconds.
    int firstCharacterMs(std::size_t requestLength, int baud) const;
    // The same, unrounded: what the line itself allows.
    double boundMs(std::size_t requestLength, int baud) const;
};

// A whole number of milliseconds within the setting's range; nothing for any
// other text.
std::optional<int> parseWaitMs(std::string_view text, const WaitSetting &setting);
// "turnaround takes a whole number of milliseconds from 5 to 200"
std::string waitSettingError(const WaitSetting &setting);
// Where the quick search is offered: who it misses.
std::string quickSearchNotice(int turnaroundMs);
// What the line adds to the quick search's wait beyond its settings: "The
// link's reply allowance (20 ms) and the adapter's latency timer (16 ms)
// are added to the wait"; empty when nothing is.
std::string quickSearchAdditions(int linkAllowanceMs, int latencyMs);

// Kept per user; a missing or unreadable value is its default.
QuickSearchWait loadQuickSearchWait(const SettingsStore &store);
bool saveQuickSearchWait(SettingsStore &store, const QuickSearchWait &wait);

} // namespace ortavel
