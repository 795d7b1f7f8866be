#include "LineSettings.h"

#include <charconv>

namespace ortavel {

namespace {
constexpr std::string_view kFraming = ",N,8,1";
constexpr std::array<int, 4> kTimeoutsMs = {450, 250, 150, 100};
} // namespace

std::string lineSettingsText(std::string_view baudText)
{
    std::string text(baudText);
    text += kFraming;
    return text;
}

std::optional<int> baudOfSettings(std::string_view settings)
{
    int baud = 0;
    const auto *end = settings.data() + settings.size();
    const auto [ptr, ec] = std::from_chars(settings.data(), end, baud);
    if (ec != std::errc() || ptr == settings.data())
        return std::nullopt;
    return baud;
}

std::optional<int> bandIndexOfBaud(int baud)
{
    for (std::size_t i = 0; i < kBaudRates.size(); ++i) {
        if (kBaudRates[i] == baud)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

int replyTimeoutMs(std::string_view settings)
{
    for (std::size_t i = 0; i < kBaudRates.size(); ++i) {
        if (settings == lineSettingsText(std::to_string(kBaudRates[i])))
            return kTimeoutsMs[i];
    }
    return 0;
}

} // namespace ortavel
