#include "LatencyTimer.h"

#include <charconv>
#include <filesystem>
#include <fstream>

namespace ortavel {

namespace {
constexpr int kMaxLatencyTimerMs = 255;
}

std::optional<int> readLatencyTimerMs(const std::string &sysfsRoot, const std::string &devicePath)
{
    namespace fs = std::filesystem;
    std::error_code error;
    // A stable name such as /dev/serial/by-id/usb-... links to ttyUSB0.
    const fs::path device = fs::canonical(devicePath, error);
    const std::string name = (error ? fs::path(devicePath) : device).filename().string();
    if (name.empty())
        return std::nullopt;
    std::ifstream file(fs::path(sysfsRoot) / "class" / "tty" / name / "device" / "latency_timer");
    std::string text;
    if (!file || !std::getline(file, text))
        return std::nullopt;
    int ms = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, ms);
    if (ec != std::errc() || ptr != end || ms < 0 || ms > kMaxLatencyTimerMs)
        return std::nullopt;
    return ms;
}

int latencyAllowanceMs(const std::string &sysfsRoot, const std::string &devicePath)
{
    const auto ms = readLatencyTimerMs(sysfsRoot, devicePath);
    return ms && *ms > kLatencyNoticeMs ? *ms : 0;
}

} // namespace ortavel
