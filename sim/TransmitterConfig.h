#pragma once

#include "DataArea.h"
#include "FaultSetting.h"

#include <optional>
#include <string>

namespace ortavel::sim {

// One transmitter as a bus description gives it.
struct TransmitterConfig {
    int address = 1;
    int baud = 9600;
    std::string version = "2.10";
    // Sensor range (SL, SH, FU): fixed at the factory.
    double sensorLow = 0.0;
    double sensorHigh = 100.0;
    int sensorUnit = 0;
    DataArea working;
    // The factory area LD restores; without it, a copy of the working values.
    std::optional<DataArea> factory;
    // Display and output values (DL, DH, OL, OH) the transmitter takes; it
    // answers a value outside with the old one.
    double valueLow = -99999.0;
    double valueHigh = 99999.0;
    // Live values: a level and the width of the noise around it.
    double pressure = 0.0;
    double pressureNoise = 0.0;
    // A sensor out of adjustment reads gain * pressure + offset.
    double pressureOffset = 0.0;
    double pressureGain = 1.0;
    double temperature = 25.0;
    double temperatureNoise = 0.0;
    FaultSetting fault;

    bool operator==(const TransmitterConfig &) const = default;
};

} // namespace ortavel::sim
