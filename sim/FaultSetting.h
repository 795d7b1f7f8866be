#pragma once

#include "Fault.h"

namespace ortavel::sim {

// How one transmitter spoils its replies: a fixed fault, or with the given
// probability one fault drawn at random for each reply.
struct FaultSetting {
    Fault fault = Fault::None;
    double randomProbability = 0.0;

    bool operator==(const FaultSetting &) const = default;
};

} // namespace ortavel::sim
