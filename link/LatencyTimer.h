#pragma once

#include <optional>
#include <string>

namespace ortavel {

// A USB serial adapter's latency timer at or below this holds bytes back
// no longer than the quick search allows for anyway.
inline constexpr int kLatencyNoticeMs = 2;

// The latency timer, in ms, that the adapter behind a device shows in the
// system's device tree (sysfsRoot, normally "/sys"), following the device's
// links to its tty name; nothing where it shows none (no USB adapter, or a
// driver without the setting) or shows no number.
std::optional<int> readLatencyTimerMs(const std::string &sysfsRoot, const std::string &devicePath);

// The latency the quick search must add for that device: the timer when it
// is above kLatencyNoticeMs, else 0.
int latencyAllowanceMs(const std::string &sysfsRoot, const std::string &devicePath);

} // namespace ortavel
