#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ortavel {

enum class LineParity { None, Even, Odd, Mark, Space };
enum class LineStopBits { One, OneAndHalf, Two };

// The line as the settings text names it, for any serial layer to apply.
struct SerialLineConfig {
    std::int32_t baud = 9600;
    LineParity parity = LineParity::None;
    int dataBits = 8;
    LineStopBits stopBits = LineStopBits::One;
};

// "9600,N,8,1" and its kin; nullopt for a malformed text.
std::optional<SerialLineConfig> parseLineSettings(std::string_view text);

} // namespace ortavel
