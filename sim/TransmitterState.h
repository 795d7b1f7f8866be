#pragma once

#include "DataArea.h"
#include "TransmitterConfig.h"

namespace ortavel::sim {

// Everything a transmitter holds at one moment: its configuration with the
// address, rate and working parameters now in force, and its stored areas.
struct TransmitterState {
    TransmitterConfig config;
    DataArea user;
    DataArea factory;
    double zeroOffset = 0.0; // subtracted from the pressure since the last SZ
};

} // namespace ortavel::sim
