#pragma once

#include <array>
#include <string>

namespace ortavel::sim {

inline constexpr int kCalibrationPoints = 8;

// The working parameters of a transmitter; the user and factory areas keep
// copies of them.
struct DataArea {
    std::string type = "PT";
    std::string ident = "0000";
    int unit = 0;     // 0 kPa .. 6 Unknown
    int decimals = 2; // 0 "0000." .. 4 ".0000"
    double displayLow = 0.0;
    double displayHigh = 100.0;
    double outputLow = 0.0;
    double outputHigh = 100.0;
    int trimZero = 0; // -5000 .. 5000
    int trimFull = 0;
    int pointCount = 0; // 0 .. 8
    std::array<double, kCalibrationPoints> measured{};
    std::array<double, kCalibrationPoints> standard{};

    bool operator==(const DataArea &) const = default;
};

} // namespace ortavel::sim
