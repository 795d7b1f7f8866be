#pragma once

#include "BusConfig.h"

namespace ortavel::sim {

// The bus used when no description is given: 01 at 9600 baud (version
// "2.10"), 07 at 4800 (version "2.00") and 12 at 2400 (version "1.50").
BusConfig demoBus();

} // namespace ortavel::sim
