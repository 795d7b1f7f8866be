#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ortavel {

// A character on the line: start bit, eight data bits, stop bit.
inline constexpr int kBitsPerCharacter = 10;
inline constexpr int kMsPerSecond = 1000;

// The four rates of the baud list, by band index 0 to 3.
inline constexpr std::array<int, 4> kBaudRates = {1200, 2400, 4800, 9600};

// "4800" -> "4800,N,8,1".
std::string lineSettingsText(std::string_view baudText);

// The reply timeout for the line settings in force; 0 for anything that is
// not one of the four rates with ",N,8,1".
int replyTimeoutMs(std::string_view settings);

// The baud rate at the start of a settings text, if it is a whole number.
std::optional<int> baudOfSettings(std::string_view settings);

// Position of a rate in the baud list, if it is one of the four.
std::optional<int> bandIndexOfBaud(int baud);

} // namespace ortavel
