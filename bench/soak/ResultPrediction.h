#pragma once

#include "sim/TraceEntry.h"

#include <string>

namespace ortavel::bench {

// The result text the exchange must give for what the simulated bus did
// with its request: the reply taken as sent, or the error text that the
// fault applied calls for.
std::string predictedResult(const sim::TraceEntry &entry);

} // namespace ortavel::bench
