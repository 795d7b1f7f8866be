#pragma once

#include <array>
#include <optional>
#include <string>

namespace ortavel::cli {

inline constexpr int kCalibrationRows = 8;

struct CalibrationRow {
    std::optional<std::string> standard; // UC
    std::optional<std::string> measured; // FC
};

// The user calibration: point count and the eight rows as received.
struct CalibrationTable {
    std::optional<int> points;
    std::array<CalibrationRow, kCalibrationRows> rows;
};

} // namespace ortavel::cli
