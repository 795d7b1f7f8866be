#include "LineSettingsParse.h"

#include <charconv>
#include <string>
#include <vector>

namespace ortavel {

namespace {
std::vector<std::string_view> splitComma(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const auto comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return parts;
        start = comma + 1;
    }
}
} // namespace

std::optional<SerialLineConfig> parseLineSettings(std::string_view text)
{
    const auto parts = splitComma(text);
    if (parts.size() != 4)
        return std::nullopt;
    SerialLineConfig config;
    const auto [ptr, ec] = std::from_chars(parts[0].data(), parts[0].data() + parts[0].size(), config.baud);
    if (ec != std::errc() || ptr != parts[0].data() + parts[0].size() || config.baud <= 0)
        return std::nullopt;

    if (parts[1] == "N" || parts[1] == "n")
        config.parity = LineParity::None;
    else if (parts[1] == "E" || parts[1] == "e")
        config.parity = LineParity::Even;
    else if (parts[1] == "O" || parts[1] == "o")
        config.parity = LineParity::Odd;
    else if (parts[1] == "M" || parts[1] == "m")
        config.parity = LineParity::Mark;
    else if (parts[1] == "S" || parts[1] == "s")
        config.parity = LineParity::Space;
    else
        return std::nullopt;

    if (parts[2] == "5" || parts[2] == "6" || parts[2] == "7" || parts[2] == "8")
        config.dataBits = parts[2][0] - '0';
    else
        return std::nullopt;

    if (parts[3] == "1")
        config.stopBits = LineStopBits::One;
    else if (parts[3] == "1.5")
        config.stopBits = LineStopBits::OneAndHalf;
    else if (parts[3] == "2")
        config.stopBits = LineStopBits::Two;
    else
        return std::nullopt;
    return config;
}

} // namespace ortavel
