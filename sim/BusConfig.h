#pragma once

#include "TransmitterConfig.h"

#include <cstdint>
#include <vector>

namespace ortavel::sim {

// The transmitters on the simulated line. Two entries may share an address:
// both then answer and their replies collide.
struct BusConfig {
    std::vector<TransmitterConfig> transmitters;
    std::uint64_t seed = 1;
};

} // namespace ortavel::sim
