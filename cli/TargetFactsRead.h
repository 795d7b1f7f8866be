#pragma once

#include "WritePlan.h"

#include <string>

namespace ortavel::cli {

class Bus;

// Reads the version and/or decimals that the formatting of range and
// output values needs; false (and the failed request) when either is not
// to be had, in which case nothing may be written.
bool readTargetFacts(Bus &bus, const std::string &address, bool version, bool decimals, TargetFacts &facts,
                     std::string &error);

} // namespace ortavel::cli
