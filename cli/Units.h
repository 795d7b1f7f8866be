#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ortavel::cli {

// The unit names the information panel shows, by unit code 0 to 6.
inline constexpr std::array<std::string_view, 7> UnitNames = {"kPa", "MPa", "mH2O", "Bar", "Psi", "mBar", "Unknown"};

// The decimals list: each entry is also the pattern of range values.
inline constexpr std::array<std::string_view, 5> kDecimalPatterns = {"0000.", "000.0", "00.00", "0.000", ".0000"};

// A unit given as a name (either spelling of the window, any case) or a
// code 0 to 6.
std::optional<int> parseUnit(std::string_view text);

// "kPa" ... "Unknown"; empty outside 0 to 6.
std::string unitName(int code);

} // namespace ortavel::cli
