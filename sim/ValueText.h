#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ortavel::sim {

// Limits of what a transmitter stores.
inline constexpr double kMaxValue = 99999.0;
inline constexpr int kMaxTrim = 5000;
inline constexpr std::size_t kMaxTextLength = 16;

// Only the ASCII digits 0 to 9, whatever the locale.
bool isDigit(char c);

// A decimal value: optional sign, digits with at most one point, nothing
// else; within +-kMaxValue.
std::optional<double> parseValue(std::string_view text);
// A code or count: one digit from first to last.
std::optional<int> parseCode(std::string_view text, int first, int last);
// A trim value: optional sign and up to four digits, within +-kMaxTrim.
std::optional<int> parseTrim(std::string_view text);
// A bus address: two digits, 01 to 99.
std::optional<int> parseAddress(std::string_view text);
// Type and identification: 1 to kMaxTextLength printable ASCII characters.
bool isStorableText(std::string_view text);

// Two-digit address text.
std::string addressText(int address);
// A range, output or pressure value with the decimals code's pattern.
std::string valueText(double value, int decimals);

} // namespace ortavel::sim
